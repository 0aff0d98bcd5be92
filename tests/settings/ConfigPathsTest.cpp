#include "settings/ConfigPaths.h"

#include "FileTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace torvana {
namespace {

TEST(ConfigPathsTest, XdgConfigHomeWinsWhenAbsolute)
{
    const ConfigPaths paths = ConfigPathsFor("/cfg", "/home/u");
    EXPECT_EQ(paths.directory, "/cfg/torvana");
    EXPECT_EQ(paths.settingsFile, "/cfg/torvana/Torvana_R.ini");
    EXPECT_EQ(paths.lastImageFile, "/cfg/torvana/_Torvana_R.ini");
}

TEST(ConfigPathsTest, UnsetEmptyOrRelativeXdgFallsBackToHome)
{
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/cfg"})
        EXPECT_EQ(ConfigPathsFor(xdg, "/home/u").settingsFile, "/home/u/.config/torvana/Torvana_R.ini");
}

TEST(ConfigPathsTest, PrepareCreatesTheMissingFolder)
{
    test::TempDir dir;
    const std::string base = dir.File("nested/config");
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    const ConfigPaths paths = PrepareConfigPaths();
    if (saved)
        ::setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(paths.directory, base + "/torvana");
    EXPECT_TRUE(std::filesystem::is_directory(paths.directory));
}

}  // namespace
}  // namespace torvana
