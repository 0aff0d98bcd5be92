#include "core/DataFolder.h"

#include <filesystem>

namespace torvana {

namespace {

constexpr const char* ApplicationFolder = "torvana";
constexpr const char* DefaultDataFolder = ".local/share";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

std::string DataFolderFor(const char* xdgDataHome, const char* home)
{
    std::filesystem::path base;
    if (IsSet(xdgDataHome) && std::filesystem::path(xdgDataHome).is_absolute())
        base = xdgDataHome;
    else if (IsSet(home))
        base = std::filesystem::path(home) / DefaultDataFolder;
    else
        base = DefaultDataFolder;
    return (base / ApplicationFolder).string();
}

}  // namespace torvana
