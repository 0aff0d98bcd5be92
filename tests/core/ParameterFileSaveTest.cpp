#include "core/ParameterFile.h"

#include <unistd.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace torvana {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ParameterFileSaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        directory = fs::temp_directory_path() /
                    ("torvana-save-" + std::to_string(::getpid()) + "-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory);
        fs::create_directories(directory);
        image[Offset::Bike] = 3;
    }
    void TearDown() override
    {
        fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(directory);
    }
    std::string Expected() const
    {
        std::ostringstream out;
        WriteParameterFile(out, image, {});
        return out.str();
    }

    fs::path directory;
    ParameterImage image{};
};

TEST_F(ParameterFileSaveTest, ReplacesTheFileAndLeavesNoTemporary)
{
    const fs::path target = directory / "set.ign";
    std::ofstream(target) << "old";
    EXPECT_EQ(SaveParameterFile(target.string(), image, {}), "");
    EXPECT_EQ(ReadBytes(target), Expected());
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
}

TEST_F(ParameterFileSaveTest, ReadOnlyDirectoryKeepsTheOldFile)
{
    const fs::path target = directory / "set.ign";
    std::ofstream(target) << "old";
    fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::FILE* probe = std::fopen((directory / "probe").c_str(), "w")) {
        std::fclose(probe);
        GTEST_SKIP() << "this user may write into read-only directories";
    }
    const std::string reason = SaveParameterFile(target.string(), image, {});
    EXPECT_NE(reason.find("Permission denied"), std::string::npos) << reason;
    EXPECT_EQ(ReadBytes(target), "old");
}

TEST_F(ParameterFileSaveTest, TargetThatIsADirectoryIsReported)
{
    const fs::path target = directory / "set.ign";
    fs::create_directory(target);
    const std::string reason = SaveParameterFile(target.string(), image, {});
    EXPECT_NE(reason.find("cannot replace"), std::string::npos) << reason;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
}

TEST_F(ParameterFileSaveTest, MissingDirectoryIsReported)
{
    std::ofstream(directory / "plain") << "old";
    EXPECT_NE(SaveParameterFile((directory / "plain" / "set.ign").string(), image, {}), "");
    EXPECT_NE(SaveParameterFile((directory / "none" / "set.ign").string(), image, {}), "");
    EXPECT_EQ(ReadBytes(directory / "plain"), "old");
}

TEST_F(ParameterFileSaveTest, TemporaryNameInUseIsPassedOver)
{
    const fs::path target = directory / "set.ign";
    std::ofstream(directory / ".set.ign.0.tmp") << "someone else's";
    EXPECT_EQ(SaveParameterFile(target.string(), image, {}), "");
    EXPECT_EQ(ReadBytes(target), Expected());
    EXPECT_EQ(ReadBytes(directory / ".set.ign.0.tmp"), "someone else's");
}

}  // namespace
}  // namespace torvana
