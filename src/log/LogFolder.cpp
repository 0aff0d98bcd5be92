#include "log/LogFolder.h"

#include "core/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <limits>

namespace torvana {

namespace {

constexpr const char* LogSubfolder = "logs";

}  // namespace

std::string LogFolderFor(const char* xdgDataHome, const char* home)
{
    return (std::filesystem::path(DataFolderFor(xdgDataHome, home)) / LogSubfolder).string();
}

std::string PrepareLogFolder()
{
    std::string folder = LogFolderFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::uint64_t FolderFreeBytes(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(folder, error);
    return error ? std::numeric_limits<std::uint64_t>::max() : space.available;
}

}  // namespace torvana
