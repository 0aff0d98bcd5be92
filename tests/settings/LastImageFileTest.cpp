#include "settings/LastImageFile.h"

#include "FileTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace torvana {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;
using namespace std::string_literals;

constexpr std::uint8_t Untouched = 0xAA;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class LastImageFileTest : public ::testing::Test {
protected:
    LastImageFileTest()
    {
        image.fill(Untouched);
        flags.fill(Untouched);
    }

    TempDir dir;
    std::string path = dir.File("_Torvana_R.ini");
    ParameterImage image{};
    PageAllFlags flags{};
};

TEST_F(LastImageFileTest, WriteThenReadRestoresImageAndFlags)
{
    ParameterImage written{};
    for (std::size_t i = 0; i < written.size(); ++i)
        written[i] = static_cast<std::uint8_t>(i * 7);
    const PageAllFlags writtenFlags = {1, 0, 0, 1, 1, 0, 0, 0, 1};
    ASSERT_TRUE(WriteLastImageFile(path, written, writtenFlags));
    ASSERT_TRUE(ReadLastImageFile(path, image, flags));
    EXPECT_EQ(image, written);
    EXPECT_EQ(flags, writtenFlags);
}

TEST_F(LastImageFileTest, LayoutIsParagraphsOfTenLinesAndAFlagLine)
{
    ParameterImage written{};
    written[0] = 37;
    written[1999] = 255;
    ASSERT_TRUE(WriteLastImageFile(path, written, {1, 0, 0, 0, 0, 0, 0, 0, 1}));
    const std::string text = ReadText(path);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 200u + 20u + 1u);
    for (std::size_t i = 0; i < 220; ++i) {
        if (i % 11 == 10)
            EXPECT_EQ(lines[i], "") << i;
        else
            EXPECT_EQ(lines[i].size(), 60u) << i;
    }
    EXPECT_EQ(lines[0].substr(0, 12), "   37     0 ");
    EXPECT_EQ(lines[218].substr(54), "  255 ");
    EXPECT_EQ(lines[220], "    1     0     0     0     0     0     0     0     1 ");
    EXPECT_NE(text.back(), '\n');
}

TEST_F(LastImageFileTest, FiveHundredNumbersRestoreOnlyTheirBytes)
{
    std::string text;
    for (int i = 0; i < 500; ++i)
        text += std::to_string(i % 200) + (i % 10 == 9 ? "\n" : " ");
    WriteText(path, text);
    ASSERT_TRUE(ReadLastImageFile(path, image, flags));
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(image[i], i % 200) << i;
    EXPECT_TRUE(std::all_of(image.begin() + 500, image.end(), [](auto b) { return b == Untouched; }));
    EXPECT_TRUE(std::all_of(flags.begin(), flags.end(), [](auto b) { return b == Untouched; }));
}

TEST_F(LastImageFileTest, NumbersKeepTheirLowByte)
{
    WriteText(path, "256 511 -1 +7\r\n1000");
    ASSERT_TRUE(ReadLastImageFile(path, image, flags));
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(image[1], 255);
    EXPECT_EQ(image[2], 255);
    EXPECT_EQ(image[3], 7);
    EXPECT_EQ(image[4], 1000 % 256);
    EXPECT_EQ(image[5], Untouched);
}

TEST_F(LastImageFileTest, TextThatIsNotANumberEndsTheReading)
{
    WriteText(path, "1 2 3 x4 5 6");
    ASSERT_TRUE(ReadLastImageFile(path, image, flags));
    EXPECT_EQ(image[2], 3);
    EXPECT_EQ(image[3], Untouched);
    EXPECT_EQ(image[4], Untouched);

    WriteText(path, "9 12abc 13");
    ASSERT_TRUE(ReadLastImageFile(path, image, flags));
    EXPECT_EQ(image[0], 9);
    EXPECT_EQ(image[1], 2);
    EXPECT_EQ(image[2], 3);
}

TEST_F(LastImageFileTest, FlagsFollowTheImageAndMayBeShort)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "1 ";
    text += "\n\n 1 0 1";
    WriteText(path, text);
    ASSERT_TRUE(ReadLastImageFile(path, image, flags));
    EXPECT_EQ(image[1999], 1);
    EXPECT_EQ(flags[0], 1);
    EXPECT_EQ(flags[1], 0);
    EXPECT_EQ(flags[2], 1);
    EXPECT_EQ(flags[3], Untouched);
}

TEST_F(LastImageFileTest, MissingFileIsReportedAndChangesNothing)
{
    EXPECT_FALSE(ReadLastImageFile(path, image, flags));
    EXPECT_EQ(image[0], Untouched);
    const LastImageReading reading = ReadLastImage(path, image, flags);
    EXPECT_EQ(reading.file, FileReadStatus::Missing);
    EXPECT_EQ(LastImageProblem(reading, path), std::nullopt) << "a first start has nothing to tell";
}

TEST_F(LastImageFileTest, WholeFileHasNothingToTell)
{
    ASSERT_TRUE(WriteLastImageFile(path, image, flags));
    const LastImageReading reading = ReadLastImage(path, image, flags);
    EXPECT_EQ(reading.numbers, LastImageNumberCount);
    EXPECT_EQ(LastImageProblem(reading, path), std::nullopt);
}

TEST_F(LastImageFileTest, DamagedOrShortFilesAreToldWithWhatWasTaken)
{
    struct Case {
        const char* name;
        std::string text;
        std::size_t numbers;
        const char* told;  // nullptr: nothing to tell
    };
    std::string whole;
    for (std::size_t i = 0; i < ImageSize; ++i)
        whole += (i % 10 == 9) ? "7\n" : "7 ";
    const Case cases[] = {
        {"text on the third line", "1 2\n3\n4 x 5", 4, "is damaged at line 3 (not a number): 4 of 2009"},
        {"binary", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, 0,
         "is damaged at line 1 (not a number): 0 of 2009"},
        {"truncated", whole.substr(0, 600 * 2), 600, "is incomplete: 600 of 2009"},
        {"empty", "", 0, "is incomplete: 0 of 2009"},
        {"flags missing", whole, ImageSize, nullptr},
        {"text among the flags", whole + "1 0 ?", ImageSize + 2, "is damaged at line 201"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteText(path, c.text);
        const LastImageReading reading = ReadLastImage(path, image, flags);
        EXPECT_EQ(reading.file, FileReadStatus::Read);
        EXPECT_EQ(reading.numbers, c.numbers);
        const auto told = LastImageProblem(reading, path);
        if (c.told == nullptr) {
            EXPECT_EQ(told, std::nullopt);
        } else {
            ASSERT_TRUE(told.has_value());
            EXPECT_NE(told->find(path), std::string::npos) << *told;
            EXPECT_NE(told->find(c.told), std::string::npos) << *told;
        }
    }
}

TEST_F(LastImageFileTest, FileTooLargeToBeTheProgramsIsNotReadAtAll)
{
    std::string text;
    while (text.size() <= LastImageFileSizeLimit)
        text += "  1 ";
    WriteText(path, text);
    const LastImageReading reading = ReadLastImage(path, image, flags);
    EXPECT_EQ(reading.file, FileReadStatus::TooLarge);
    EXPECT_EQ(image[0], Untouched);
    const auto told = LastImageProblem(reading, path);
    ASSERT_TRUE(told.has_value());
    EXPECT_NE(told->find("could not be read"), std::string::npos) << *told;
    EXPECT_NE(told->find("the factory set is shown"), std::string::npos) << *told;
}

TEST_F(LastImageFileTest, FailedWriteIsReportedAndKeepsThePreviousFile)
{
    EXPECT_FALSE(WriteLastImageFile(dir.File("absent/_Torvana_R.ini"), image, flags));

    WriteText(path, "previous");
    {
        test::FileSizeLimit limit(100);
        EXPECT_FALSE(WriteLastImageFile(path, image, flags));
    }
    EXPECT_EQ(ReadText(path), "previous");
}

}  // namespace
}  // namespace torvana
