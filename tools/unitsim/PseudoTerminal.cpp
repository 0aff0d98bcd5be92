#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace torvana {

namespace {

std::string Failure(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

// A full slave input queue must not block the simulator; give it this long.
constexpr int WriteRetryMs = 5;
constexpr int WriteRetries = 20;
constexpr int MicrosecondsPerMillisecond = 1000;

}  // namespace

PseudoTerminal::~PseudoTerminal()
{
    Close();
}

void PseudoTerminal::Close()
{
    if (!linkPath.empty())
        ::unlink(linkPath.c_str());
    linkPath.clear();
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
    slave = -1;
    master = -1;
}

std::string PseudoTerminal::Open()
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return Failure("posix_openpt");
    if (::grantpt(master) != 0)
        return Failure("grantpt");
    if (::unlockpt(master) != 0)
        return Failure("unlockpt");
    const char* name = ::ptsname(master);
    if (name == nullptr)
        return Failure("ptsname");
    devicePath = name;

    slave = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0)
        return Failure("open slave");
    termios mode{};
    if (::tcgetattr(slave, &mode) != 0)
        return Failure("tcgetattr");
    ::cfmakeraw(&mode);
    if (::tcsetattr(slave, TCSANOW, &mode) != 0)
        return Failure("tcsetattr");

    const int flags = ::fcntl(master, F_GETFL);
    if (flags < 0 || ::fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0)
        return Failure("fcntl");
    return {};
}

std::string PseudoTerminal::LinkAt(const std::string& path)
{
    ::unlink(path.c_str());
    if (::symlink(devicePath.c_str(), path.c_str()) != 0)
        return Failure("symlink");
    linkPath = path;
    return {};
}

int PseudoTerminal::ReadSome(std::uint8_t* buffer, std::size_t size, int timeoutMs)
{
    pollfd wait{master, POLLIN, 0};
    const int ready = ::poll(&wait, 1, timeoutMs);
    if (ready <= 0)
        return ready < 0 && errno != EINTR ? -1 : 0;
    const ssize_t got = ::read(master, buffer, size);
    if (got >= 0)
        return static_cast<int>(got);
    // EIO means no slave is open; we hold one, so treat it as a quiet moment.
    if (errno == EAGAIN || errno == EINTR || errno == EIO)
        return 0;
    return -1;
}

void PseudoTerminal::WriteAll(const std::uint8_t* data, std::size_t size)
{
    int retries = 0;
    while (size > 0) {
        const ssize_t put = ::write(master, data, size);
        if (put > 0) {
            data += put;
            size -= static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR)
            return;
        if (++retries > WriteRetries)
            return;
        ::usleep(WriteRetryMs * MicrosecondsPerMillisecond);
    }
}

}  // namespace torvana
