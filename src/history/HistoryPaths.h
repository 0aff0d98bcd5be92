#pragma once
// Where the history and the restore points live: the user's data folder,
// $XDG_DATA_HOME/torvana (by default ~/.local/share/torvana).

#include <string>

namespace torvana {

struct HistoryPaths {
    std::string directory;
    std::string historyFile;
    std::string restorePoints;  // folder
};

// The paths for the given environment values (either may be null); a
// relative or empty XDG_DATA_HOME is ignored, as the XDG rules ask.
HistoryPaths HistoryPathsFor(const char* xdgDataHome, const char* home);

// The paths for this process's environment, with both folders created; a
// failure to create them shows when the files are written.
HistoryPaths PrepareHistoryPaths();

}  // namespace torvana
