#include "core/AtomicFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <span>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvana {

namespace {

constexpr mode_t PermissionBits = 07777;
constexpr mode_t NewFileMode = 0666;  // less the umask
constexpr std::string_view TemporarySuffix = ".XXXXXX";
constexpr std::size_t TemporaryRandomLength = TemporarySuffix.size() - 1;
constexpr std::string_view TemporaryLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int TemporaryNameAttempts = 100;
constexpr std::size_t ReadChunkSize = 16384;

std::string Failure(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

// Zero, or the errno of the failed write.
int WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        // A write that takes nothing would loop for ever; a full disk says so.
        if (written == 0)
            return ENOSPC;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A replaced file keeps the permissions of the one it replaces.
void CopyMode(const std::string& path, int fd)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & PermissionBits);
}

// Hidden, beside the target, so that the rename stays on one file system.
std::string TemporaryPattern(const std::string& path)
{
    const std::filesystem::path target(path);
    return (target.parent_path() / ("." + target.filename().string() + std::string(TemporarySuffix))).string();
}

// Makes the rename itself survive a power cut. The new file is complete
// either way, so a folder that cannot be synced is no failed save.
void SyncFolderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A fresh name beside the target, created with the mode the umask leaves
// (mkstemp would make every new file 0600).
int CreateTemporary(std::string& name, const std::string& path)
{
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, TemporaryLetters.size() - 1);
    const std::string pattern = TemporaryPattern(path);
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        name = pattern;
        for (char& letter : std::span(name).last(TemporaryRandomLength))
            letter = TemporaryLetters[pick(random)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A device, pipe or socket is written to as it is: replacing it with a
// regular file would break the system's /dev or a pipeline.
std::string WriteInPlace(const std::string& path, bool isPipe, std::string_view contents)
{
    // Without a reader a pipe would block the open for ever.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && isPipe && errno == ENXIO)
        return "cannot write " + path + ": no program reads from the pipe";
    if (fd < 0)
        return Failure("cannot open " + path, errno);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string failure;
    if (const int error = WriteAll(fd, contents))
        failure = Failure("cannot write " + path, error);
    if (::close(fd) != 0 && failure.empty())
        failure = Failure("cannot write " + path, errno);
    return failure;
}

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "not a regular file";
}

}  // namespace

std::string ReplaceFile(const std::string& requestedPath, std::string_view contents)
{
    if (!std::filesystem::path(requestedPath).has_filename())
        return requestedPath + ": not a file name";
    std::string path = requestedPath;
    struct stat target {};
    if (::stat(requestedPath.c_str(), &target) == 0) {
        if (S_ISCHR(target.st_mode) || S_ISFIFO(target.st_mode) || S_ISSOCK(target.st_mode))
            return WriteInPlace(requestedPath, S_ISFIFO(target.st_mode), contents);
        if (S_ISBLK(target.st_mode))
            return "cannot replace " + requestedPath + ": a block device is never overwritten";
        // Saving through a symbolic link replaces the file it points to and
        // keeps the link.
        std::error_code error;
        if (S_ISREG(target.st_mode) && std::filesystem::is_symlink(requestedPath, error)) {
            path = std::filesystem::canonical(requestedPath, error).string();
            if (error)
                return "cannot replace " + requestedPath + ": the file behind the link has no name";
        }
    } else if (struct stat link {}; ::lstat(requestedPath.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        return "cannot replace " + requestedPath + ": the link leads to no file";
    }

    std::string temporary;
    const int fd = CreateTemporary(temporary, path);
    if (fd < 0)
        return Failure("cannot create a temporary file for " + path, errno);
    CopyMode(path, fd);

    std::string failure;
    if (const int error = WriteAll(fd, contents))
        failure = Failure("cannot write " + temporary, error);
    else if (::fsync(fd) != 0)
        failure = Failure("cannot write " + temporary + " to disk", errno);
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && failure.empty())
        failure = Failure("cannot write " + temporary, errno);
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = Failure("cannot replace " + path, errno);
    if (!failure.empty())
        ::unlink(temporary.c_str());
    else
        SyncFolderOf(path);
    return failure;
}

FileReadResult ReadFileUpTo(const std::string& path, std::size_t limit)
{
    FileReadResult result;
    // A pipe in the file's place must not block the start.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        result.status = missing ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        result.reason = Failure("cannot open " + path, errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::Unreadable;
        result.reason = path + ": " + KindOf(info.st_mode) + ", not a file";
        ::close(fd);
        return result;
    }
    std::string contents;
    char chunk[ReadChunkSize];
    // Reading stops one chunk past the limit: enough to tell the file is too long.
    while (contents.size() <= limit) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.status = FileReadStatus::Unreadable;
            result.reason = Failure("cannot read " + path, errno);
            ::close(fd);
            return result;
        }
        if (got == 0)
            break;
        contents.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (contents.size() > limit) {
        result.status = FileReadStatus::TooLarge;
        result.reason = path + ": larger than " + std::to_string(limit) + " bytes";
        return result;
    }
    result.status = FileReadStatus::Read;
    result.contents = std::move(contents);
    return result;
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace torvana
