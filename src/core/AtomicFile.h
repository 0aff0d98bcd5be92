#pragma once
// Replacing a file so that a reader sees either the old or the new contents,
// never a half-written file, and reading a file with a bound on its size.

#include <cstddef>
#include <string>
#include <string_view>

namespace torvana {

// Writes contents to a temporary file beside path, syncs it to disk and
// renames it over path. Returns an empty string, or the reason it failed;
// on failure path is untouched and the temporary file is gone. A new file
// gets the mode the umask leaves, a replaced one keeps its mode. A link to
// a regular file replaces that file and keeps the link; a device, pipe or
// socket (also behind a link) is written to in place; a block device and a
// link that leads nowhere are refused.
std::string ReplaceFile(const std::string& path, std::string_view contents);

// A write past the file size limit (ulimit -f) then fails with EFBIG, which
// the writers report, instead of ending the program by SIGXFSZ.
void IgnoreFileSizeSignal();

enum class FileReadStatus {
    Read,
    Missing,     // no such file
    Unreadable,  // exists but cannot be opened or read (reason says why)
    TooLarge,    // longer than the limit: not read at all
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::string contents;
    std::string reason;  // for Unreadable and TooLarge
};

// The whole file when it holds at most limit bytes.
FileReadResult ReadFileUpTo(const std::string& path, std::size_t limit);

}  // namespace torvana
