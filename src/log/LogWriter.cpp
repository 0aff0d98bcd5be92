#include "log/LogWriter.h"

#include "log/LogCsv.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace torvana {

namespace {

constexpr mode_t NewFileMode = 0666;  // less the umask

std::string Failure(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

}  // namespace

LogWriter::~LogWriter()
{
    Close();
}

std::string LogWriter::Create(const std::string& name)
{
    Close();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
    if (fd < 0)
        return Failure("cannot create " + name, errno);
    descriptor = fd;
    path = name;
    pending = LogCsvHeader();
    lastFlushMs = 0;
    return Flush();
}

std::string LogWriter::Append(const LogRow& row)
{
    AppendLogCsvRow(pending, row);
    return FlushIfDue(row.timeMs);
}

std::string LogWriter::FlushIfDue(std::int64_t timeMs)
{
    if (pending.empty() || timeMs - lastFlushMs < LogFlushIntervalMs)
        return {};
    lastFlushMs = timeMs;
    return Flush();
}

std::string LogWriter::Flush()
{
    if (descriptor < 0)
        return {};
    std::size_t written = 0;
    while (written < pending.size()) {
        const ssize_t n = ::write(descriptor, pending.data() + written, pending.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            pending.erase(0, written);
            return Failure("cannot write " + path, error);
        }
        written += static_cast<std::size_t>(n);
    }
    pending.clear();
    if (::fdatasync(descriptor) != 0)
        return Failure("cannot write " + path + " to disk", errno);
    return {};
}

std::string LogWriter::Close()
{
    if (descriptor < 0)
        return {};
    std::string error = Flush();
    if (::close(descriptor) != 0 && error.empty())
        error = Failure("cannot close " + path, errno);
    descriptor = -1;
    pending.clear();
    return error;
}

std::string LogFileName(std::int64_t secondsSinceEpoch)
{
    const auto seconds = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&seconds, &local);
    constexpr std::size_t nameCapacity = 32;
    char name[nameCapacity] = {};
    std::strftime(name, sizeof name, "%Y-%m-%d_%H-%M-%S.csv", &local);
    return name;
}

}  // namespace torvana
