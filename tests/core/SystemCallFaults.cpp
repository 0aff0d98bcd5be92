#include "SystemCallFaults.h"

#include <array>
#include <cerrno>
#include <cstddef>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace torvana::test {
namespace {

constexpr std::size_t CallKinds = 4;

struct Fault {
    bool armed = false;
    int error = 0;
};

std::array<Fault, CallKinds> faults{};
int folderSyncs = 0;

Fault& FaultOf(SystemCall call) { return faults[static_cast<std::size_t>(call)]; }

// True when this call is the one to fail, with errno set.
bool Fails(SystemCall call)
{
    Fault& fault = FaultOf(call);
    if (!fault.armed)
        return false;
    fault.armed = false;
    errno = fault.error;
    return true;
}

template <typename Function>
Function Real(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

void FailNextCall(SystemCall call, int error)
{
    FaultOf(call) = Fault{true, error};
}

int FolderSyncCount()
{
    return folderSyncs;
}

bool ClearCallFaults()
{
    bool allHit = true;
    for (Fault& fault : faults) {
        allHit = allHit && !fault.armed;
        fault = Fault{};
    }
    return allHit;
}

}  // namespace torvana::test

using torvana::test::SystemCall;

extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    static const auto real = torvana::test::Real<ssize_t (*)(int, const void*, size_t)>("write");
    if (torvana::test::Fails(SystemCall::Write))
        return errno == 0 ? 0 : -1;
    return real(fd, data, size);
}

extern "C" int fsync(int fd)
{
    static const auto real = torvana::test::Real<int (*)(int)>("fsync");
    if (torvana::test::Fails(SystemCall::Fsync))
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        ++torvana::test::folderSyncs;
    return real(fd);
}

extern "C" int close(int fd)
{
    static const auto real = torvana::test::Real<int (*)(int)>("close");
    if (torvana::test::Fails(SystemCall::Close)) {
        const int error = errno;
        real(fd);
        errno = error;
        return -1;
    }
    return real(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    static const auto real = torvana::test::Real<int (*)(const char*, const char*)>("rename");
    if (torvana::test::Fails(SystemCall::Rename))
        return -1;
    return real(from, to);
}
