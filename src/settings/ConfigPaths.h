#pragma once
// Where the settings file and the last-image file live: the user's
// configuration folder, $XDG_CONFIG_HOME/torvana (by default
// ~/.config/torvana).

#include <string>

namespace torvana {

constexpr const char* SettingsFileName = "Torvana_R.ini";
constexpr const char* LastImageFilePrefix = "_";

struct ConfigPaths {
    std::string directory;
    std::string settingsFile;
    std::string lastImageFile;
};

// The paths for the given environment values (either may be null). A relative
// or empty XDG_CONFIG_HOME is ignored, as the XDG rules ask; without a home
// the folder is relative to the working directory.
ConfigPaths ConfigPathsFor(const char* xdgConfigHome, const char* home);

// The paths for this process's environment, with the folder created when it
// is missing. Failing to create it is not reported here: reading then finds
// no files and writing reports its own failure.
ConfigPaths PrepareConfigPaths();

}  // namespace torvana
