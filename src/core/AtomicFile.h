#pragma once
// Replacing a file so that a reader sees either the old or the new contents,
// never a half-written file, and reading a file with a bound on its size.

#include <cstddef>
#include <string>
#include <string_view>

namespace torvana {

// Writes contents to a temporary file beside path, syncs it to disk and
// renames it over path. Returns an empty string, or the reason it failed;
// on failure path is untouched and the temporary file is gone.
std::string ReplaceFile(const std::string& path, std::string_view contents);

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
