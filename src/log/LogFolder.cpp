#include "log/LogFolder.h"

#include <cstdlib>
#include <filesystem>
#include <limits>

namespace torvana {

namespace {

constexpr const char* DefaultDataFolder = ".local/share";
constexpr const char* LogSubfolder = "torvana/logs";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

std::string LogFolderFor(const char* xdgDataHome, const char* home)
{
    std::filesystem::path base;
    if (IsSet(xdgDataHome) && std::filesystem::path(xdgDataHome).is_absolute())
        base = xdgDataHome;
    else if (IsSet(home))
        base = std::filesystem::path(home) / DefaultDataFolder;
    else
        base = DefaultDataFolder;
    return (base / LogSubfolder).string();
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
