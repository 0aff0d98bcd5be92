#include "history/HistoryPaths.h"

#include "history/HistoryFile.h"

#include "core/DataFolder.h"

#include <cstdlib>
#include <filesystem>

namespace torvana {

namespace {

constexpr const char* RestorePointFolder = "restore-points";

}  // namespace

HistoryPaths HistoryPathsFor(const char* xdgDataHome, const char* home)
{
    const std::filesystem::path directory = DataFolderFor(xdgDataHome, home);
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
