#include "core/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvana {

namespace {

constexpr mode_t PermissionBits = 07777;
constexpr const char* TemporarySuffix = ".XXXXXX";
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
    return (target.parent_path() / ("." + target.filename().string() + TemporarySuffix)).string();
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

// Saving through a symbolic link replaces the file it points to, not the
// link; a dangling link is replaced itself.
std::string FileBehind(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

}  // namespace

std::string ReplaceFile(const std::string& requestedPath, std::string_view contents)
{
    if (!std::filesystem::path(requestedPath).has_filename())
        return requestedPath + ": not a file name";
    const std::string path = FileBehind(requestedPath);
    std::string temporary = TemporaryPattern(path);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
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
        result.reason = path + ": not a readable file";
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

}  // namespace torvana
