#pragma once
// File system faults that permissions cannot make for root: a small tmpfs
// that can be filled up or made read-only, and a file pinned in place by a
// bind mount so that nothing can be renamed over it. Every mount lives in a
// mount namespace of the test process's own when one can be had, so that
// even a crashed test leaves nothing mounted, and is unmounted on
// destruction all the same.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace torvana::test {

class ScratchMount {
public:
    static constexpr std::size_t DefaultSize = 64 * 1024;

    // A tmpfs of the given size on a fresh folder; see Mounted and WhyNot.
    explicit ScratchMount(std::size_t bytes = DefaultSize)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvana-mount-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            whyNot = Reason("mkdtemp");
            return;
        }
        root = pattern;
        EnterOwnMountNamespace();
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (::mount("tmpfs", root.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            whyNot = Reason("mount -t tmpfs (needs root with CAP_SYS_ADMIN)");
            return;
        }
        mounted = true;
    }

    ~ScratchMount()
    {
        // Innermost first: the pins may lie inside the tmpfs.
        for (auto pin = pins.rbegin(); pin != pins.rend(); ++pin) {
            ::umount2(pin->c_str(), MNT_DETACH);
        }
        if (mounted) {
            ::umount2(root.c_str(), MNT_DETACH);
        }
        std::error_code ignored;
        if (!root.empty()) {
            std::filesystem::remove_all(root, ignored);
        }
    }

    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Mounted() const { return mounted; }
    // Why there is no tmpfs, for the skip message.
    const std::string& WhyNot() const { return whyNot; }

    std::string File(const std::string& name) const { return (root / name).string(); }
    const std::filesystem::path& Path() const { return root; }

    // Writes a filler file until the file system is full, then gives back
    // room bytes (rounded by the file system to its pages). False when the
    // file system never filled.
    bool Fill(std::size_t room = 0)
    {
        const std::string filler = File(FillerName);
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) {
            return false;
        }
        const std::vector<char> block(FillBlock, 'f');
        off_t size = 0;
        int error = 0;
        for (;;) {
            const ssize_t written = ::write(fd, block.data(), block.size());
            if (written <= 0) {
                error = errno;
                break;
            }
            size += written;
        }
        const bool full = error == ENOSPC;
        const off_t kept = size > static_cast<off_t>(room) ? size - static_cast<off_t>(room) : 0;
        const bool shrunk = ::ftruncate(fd, kept) == 0;
        ::close(fd);
        return full && shrunk;
    }

    // Remounts the tmpfs read-only: even root then gets EROFS.
    bool MakeReadOnly()
    {
        return mounted && ::mount(nullptr, root.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Binds path onto itself: its contents stay readable and writable in
    // place, but renaming another file over it fails with EBUSY.
    bool Pin(const std::string& path)
    {
        if (::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            whyNot = Reason("bind mount of " + path);
            return false;
        }
        pins.push_back(path);
        return true;
    }

    static constexpr const char* FillerName = "filler";

private:
    static constexpr std::size_t FillBlock = 4096;

    static std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

    // Once per process. Without a namespace of its own the test mounts where
    // it is, and the destructor is what unmounts.
    static void EnterOwnMountNamespace()
    {
        [[maybe_unused]] static const bool entered = [] {
            return ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        }();
    }

    std::filesystem::path root;
    bool mounted = false;
    std::vector<std::string> pins;
    std::string whyNot;
};

}  // namespace torvana::test
