#include "settings/ConfigPaths.h"

#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <unistd.h>

namespace torvana {

namespace {

constexpr const char* ApplicationFolder = "torvana";
constexpr const char* DefaultConfigFolder = ".config";

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// HOME, or the password database's home folder when HOME is unset.
const char* HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); IsSet(home))
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr ? user->pw_dir : nullptr;
}

}  // namespace

ConfigPaths ConfigPathsFor(const char* xdgConfigHome, const char* home)
{
    std::filesystem::path base;
    if (IsSet(xdgConfigHome) && std::filesystem::path(xdgConfigHome).is_absolute())
        base = xdgConfigHome;
    else if (IsSet(home))
        base = std::filesystem::path(home) / DefaultConfigFolder;
    else
        base = DefaultConfigFolder;
    const std::filesystem::path directory = base / ApplicationFolder;
    return {directory.string(), (directory / SettingsFileName).string(),
            (directory / (std::string(LastImageFilePrefix) + SettingsFileName)).string()};
}

ConfigPaths PrepareConfigPaths()
{
    ConfigPaths paths = ConfigPathsFor(std::getenv("XDG_CONFIG_HOME"), HomeDirectory());
    std::error_code ignored;
    std::filesystem::create_directories(paths.directory, ignored);
    return paths;
}

}  // namespace torvana
