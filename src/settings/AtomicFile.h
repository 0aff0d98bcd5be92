#pragma once
// Replacing a file so that a reader sees either the old or the new contents,
// never a half-written file.

#include <optional>
#include <string>

namespace torvana {

// Writes contents to a temporary file beside path, flushes it to disk and
// renames it over path. False on any failure; path is then untouched.
bool WriteFileAtomically(const std::string& path, const std::string& contents);

// Whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace torvana
