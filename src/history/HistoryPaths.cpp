#include "history/HistoryPaths.h"

#include "history/HistoryFile.h"

#include <cstdlib>
#include <filesystem>

namespace torvana {

namespace {

constexpr const char* ApplicationFolder = "torvana";
constexpr const char* DefaultDataFolder = ".local/share";
constexpr const char* RestorePointFolder = "restore-points";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

HistoryPaths HistoryPathsFor(const char* xdgDataHome, const char* home)
{
    std::filesystem::path base;
    if (IsSet(xdgDataHome) && std::filesystem::path(xdgDataHome).is_absolute())
        base = xdgDataHome;
    else if (IsSet(home))
        base = std::filesystem::path(home) / DefaultDataFolder;
    else
        base = DefaultDataFolder;
    const std::filesystem::path directory = base / ApplicationFolder;
    return {directory.string(), (directory / HistoryFileName).string(), (directory / RestorePointFolder).string()};
}

HistoryPaths PrepareHistoryPaths()
{
    HistoryPaths paths = HistoryPathsFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    std::error_code ignored;
    std::filesystem::create_directories(paths.restorePoints, ignored);
    return paths;
}

}  // namespace torvana
