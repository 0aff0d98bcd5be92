#pragma once
// Where the logs live: $XDG_DATA_HOME/torvana/logs (by default
// ~/.local/share/torvana/logs), one file per recording.

#include <cstdint>
#include <string>

namespace torvana {

// The folder for the given environment values (either may be null); a
// relative or empty XDG_DATA_HOME is ignored, as the XDG rules ask.
std::string LogFolderFor(const char* xdgDataHome, const char* home);

// The folder for this process's environment, created when missing; a
// failure to create it shows when a log is started.
std::string PrepareLogFolder();

// The bytes free for the user on the folder's file system; the largest
// value when it cannot be told (creating the file then says why).
std::uint64_t FolderFreeBytes(const std::string& folder);

}  // namespace torvana
