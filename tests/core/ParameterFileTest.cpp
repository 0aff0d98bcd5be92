#include "core/FileKeys.h"
#include "core/ParameterFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <utility>

namespace torvana {
namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The image that tests/data/golden-layout.ign was laid out from by hand.
ParameterImage GoldenImage()
{
    ParameterImage image{};
    image[Offset::Limiter] = 250;
    image[Offset::Bike] = 2;
    image[Offset::PowerOutLevel1 + 2] = 7;
    image[Offset::PowerOutReversed + 2] = 3;
    image[Offset::Rpm2] = 1;
    image[Offset::ActRpm] = 1;
    image[Offset::IgnMode] = 2;
    image[Offset::JetMode] = 1;
    image[CurveAxisOffset(0)] = 20;
    image[CurveCellOffset(0, 1, 2)] = 33;
    image[CurveCellOffset(8, 9, 14)] = 255;
    image[Offset::PositionAReference] = 1;
    image[Offset::PositionB] = 72;
    image[Offset::Tps0] = 30;
    image[Offset::Tps100] = 240;
    image[Offset::AccelThreshold] = 1;
    image[Offset::AccelSize] = 2;
    image[Offset::RetardTemp] = 90;
    image[Offset::RetardValue + 9] = 110;
    image[Offset::ChokeCorrection] = 250;
    image[Offset::ServoHyster] = 255;
    image[KnockOffset(KnockArray::HigherGain)] = 1;
    image[KnockOffset(KnockArray::Start)] = 40;
    image[KnockOffset(KnockArray::Alarm, 14)] = 250;
    return image;
}

// A distinct value in every byte, so that a stray write shows.
ParameterImage PatternImage()
{
    ParameterImage image{};
    for (std::size_t i = 0; i < ImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

std::uint8_t PatternByte(std::size_t offset) { return PatternImage()[offset]; }

ReadResult ReadText(const std::string& text, ParameterImage& image, FileOptions& options)
{
    return ReadParameterFile(text, image, options);
}

const std::string Identification = "KAVELTRA_KEY 37\r\n";

TEST(ParameterFileWriteTest, MatchesTheHandWrittenLayout)
{
    std::ostringstream out;
    WriteParameterFile(out, GoldenImage(), FileOptions{true});
    EXPECT_EQ(out.str(), ReadBytes(TORVANA_TEST_DATA "/golden-layout.ign"));
}

TEST(ParameterFileReadTest, GoldenFileGivesBackItsImage)
{
    ParameterImage image{};
    FileOptions options;
    ASSERT_EQ(LoadParameterFile(TORVANA_TEST_DATA "/golden-layout.ign", image, options).status,
              ReadStatus::Accepted);
    ParameterImage expected = GoldenImage();
    expected[Offset::PowerOutReversed + 2] = 1;
    EXPECT_EQ(image, expected);
    EXPECT_TRUE(options.extMonitor);
}

TEST(ParameterFileReadTest, RoundTripKeepsEveryListedByte)
{
    const ParameterImage original = PatternImage();
    std::ostringstream out;
    WriteParameterFile(out, original, FileOptions{true});

    ParameterImage image{};
    FileOptions options;
    ASSERT_EQ(ReadText(out.str(), image, options).status, ReadStatus::Accepted);
    EXPECT_TRUE(options.extMonitor);
    for (const FileKey& key : ParameterFileKeys()) {
        for (const FileElement& element : key.elements) {
            if (element.encoding == Encoding::Identification || element.encoding == Encoding::Option) {
                continue;
            }
            const bool flag = element.encoding == Encoding::Flag ||
                              element.encoding == Encoding::InvertedFlag;
            const int expected = flag ? original[element.offset] != 0 : original[element.offset];
            EXPECT_EQ(image[element.offset], expected) << key.name << " at " << element.offset;
        }
    }
}

// Also with a byte-order mark before it and end-of-file marks after it, as
// editors leave them.
TEST(ParameterFileReadTest, LayoutDoesNotMatter)
{
    const std::string written = ReadBytes(TORVANA_TEST_DATA "/golden-layout.ign");
    const std::regex whiteSpace("[ \r\n]+");
    const std::pair<std::string, std::string> framings[] = {
        {"", ""}, {"\xEF\xBB\xBF", ""}, {"", "\x1A"}, {"\xEF\xBB\xBF", "\r\n\x1A"}, {"", "\x1A\x1A\r\n"}};
    for (const std::string separator : {" ", "\t", "\n\t \n"}) {
        for (const auto& [before, after] : framings) {
            ParameterImage image{};
            FileOptions options;
            const std::string text = before + std::regex_replace(written, whiteSpace, separator) + after;
            ASSERT_EQ(ReadText(text, image, options).status, ReadStatus::Accepted) << text.substr(0, 20);
            ParameterImage expected = GoldenImage();
            expected[Offset::PowerOutReversed + 2] = 1;
            EXPECT_EQ(image, expected) << "separated by " << int(separator[0]);
        }
    }
}

TEST(ParameterFileReadTest, VersionMustBe37)
{
    const std::string body = ReadBytes(TORVANA_TEST_DATA "/golden-layout.ign").substr(Identification.size());
    for (const std::string& text : {"KAVELTRA_KEY 36\r\n" + body, body, std::string("BIKE 2 KAVELTRA_KEY")}) {
        ParameterImage image = PatternImage();
        FileOptions options;
        EXPECT_EQ(ReadText(text, image, options).status, ReadStatus::VersionMismatch);
        EXPECT_EQ(image, PatternImage());
        EXPECT_FALSE(options.extMonitor);
    }
}

TEST(ParameterFileReadTest, IdentificationSearchGoesOnAfterAnotherVersion)
{
    ParameterImage image{};
    FileOptions options;
    // Only the low 16 bits of the number count: 65573 is 37.
    EXPECT_EQ(ReadText("junk KAVELTRA_KEY 36 BIKE 1 KAVELTRA_KEY 65573 BIKE 3", image, options).status,
              ReadStatus::Accepted);
    EXPECT_EQ(image[Offset::Bike], 3);
}

TEST(ParameterFileReadTest, OnlyBikeChangesOnlyItsByte)
{
    ParameterImage image = PatternImage();
    FileOptions options{true};
    ASSERT_EQ(ReadText(Identification + "BIKE             2 \r\n", image, options).status,
              ReadStatus::Accepted);
    ParameterImage expected = PatternImage();
    expected[Offset::Bike] = 2;
    EXPECT_EQ(image, expected);
    EXPECT_TRUE(options.extMonitor);
}

struct Conversion {
    std::string body;
    std::size_t offset;
    int expected;
};

class ParameterFileConversionTest : public testing::TestWithParam<Conversion> {};

TEST_P(ParameterFileConversionTest, StoresTheConvertedByte)
{
    ParameterImage image = PatternImage();
    FileOptions options;
    ASSERT_EQ(ReadText(Identification + GetParam().body, image, options).status, ReadStatus::Accepted);
    EXPECT_EQ(image[GetParam().offset], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ParameterFileConversionTest,
    testing::Values(Conversion{"LIMITER 12500 75 49", Offset::Limiter, 250},
                    Conversion{"LIMITER 12500 75 49", Offset::Limiter + 1, 1},
                    Conversion{"LIMITER 12500 75 49", Offset::Limiter + 2, 0},
                    Conversion{"RETARD -20", Offset::RetardTemp, 80},
                    Conversion{"CHOKE 0 0 0 0 150", Offset::ChokeCorrection, 50},
                    Conversion{"ACT_LIM1 0", Offset::ActLim1, 1},
                    Conversion{"ACT_LIM1 7", Offset::ActLim1, 0},
                    Conversion{"ACT_RPM 65536", Offset::ActRpm, 1},
                    Conversion{"NO_READING 7", Offset::NoReading, 7},
                    Conversion{"KNOCK_CA 5", KnockOffset(KnockArray::HigherGain), 5},
                    Conversion{"TPS 300 2500", Offset::Tps100, 0},
                    Conversion{"TPS 300 4900", Offset::Tps100, 240},
                    Conversion{"START -60", KnockOffset(KnockArray::Start), 40},
                    Conversion{"END 0 0 0 0 0 0 0 0 0 0 0 0 0 0 80", KnockOffset(KnockArray::End, 14), 180},
                    Conversion{"BIKE 258", Offset::Bike, 2},
                    Conversion{"BIKE -1", Offset::Bike, 255},
                    Conversion{"LIMITER -50", Offset::Limiter, 29},
                    Conversion{"LIMITER 65636", Offset::Limiter, 2},
                    Conversion{"BIKE 1 BIKE 3", Offset::Bike, 3},
                    Conversion{"BIKE 1 KAVELTRA_KEY 36 BIKE 3", Offset::Bike, 3},
                    Conversion{"bike 3", Offset::Bike, PatternByte(Offset::Bike)},
                    Conversion{"BIKE\xE8 3", Offset::Bike, PatternByte(Offset::Bike)}));

TEST(ParameterFileReadTest, ExtMonTicksTheBoxAndIsWrittenBack)
{
    ParameterImage image{};
    FileOptions options;
    ASSERT_EQ(ReadText(Identification + "EXT_MON 1", image, options).status, ReadStatus::Accepted);
    EXPECT_TRUE(options.extMonitor);
    std::ostringstream out;
    WriteParameterFile(out, image, options);
    EXPECT_NE(out.str().find("\r\nEXT_MON          1\r\n"), std::string::npos);

    ASSERT_EQ(ReadText(Identification + "EXT_MON 0", image, options).status, ReadStatus::Accepted);
    EXPECT_FALSE(options.extMonitor);
}

TEST(ParameterFileReadTest, TruncatedFileKeepsTheNumbersRead)
{
    ParameterImage image = PatternImage();
    FileOptions options;
    ASSERT_EQ(ReadText(Identification + "LIMITER 12500 75", image, options).status, ReadStatus::Accepted);
    EXPECT_EQ(image[Offset::Limiter], 250);
    EXPECT_EQ(image[Offset::Limiter + 1], 1);
    EXPECT_EQ(image[Offset::Limiter + 2], PatternByte(Offset::Limiter + 2));
}

struct Malformed {
    std::string body;  // after the identification line
    int line;
    std::string what;
};

class ParameterFileRejectTest : public testing::TestWithParam<Malformed> {};

TEST_P(ParameterFileRejectTest, LoadsNothingAndSaysWhereAndWhy)
{
    ParameterImage image = PatternImage();
    FileOptions options;
    const ReadResult result = ReadText(Identification + "EXT_MON 1\r\n" + GetParam().body, image, options);
    EXPECT_EQ(result.status, ReadStatus::Rejected);
    EXPECT_EQ(result.line, GetParam().line);
    EXPECT_NE(result.message.find("line " + std::to_string(GetParam().line)), std::string::npos)
        << result.message;
    EXPECT_NE(result.message.find(GetParam().what), std::string::npos) << result.message;
    EXPECT_EQ(image, PatternImage());
    EXPECT_FALSE(options.extMonitor);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParameterFileRejectTest,
    testing::Values(Malformed{"LIMITER 12500 abc 49", 3, "\"abc\""},
                    Malformed{"BIKE 2\r\nLIMITER\r\n+50", 5, "\"+50\""},
                    Malformed{"RETARD -", 3, "RETARD"},
                    Malformed{"BIKE 1x", 3, "\"1x\""},
                    Malformed{"KAVELTRA_KEY BIKE 2", 3, "KAVELTRA_KEY"},
                    Malformed{"BIKE 2\r\n" + std::string(260, 'A'), 4, "longer than 259"},
                    Malformed{"BIKE 2\r\nLIMITER 12500 0 0\r\n\r\nBI" + std::string(1, '\0') + "KE", 6,
                              "0x00"},
                    Malformed{"BIKE 2 \x01", 3, "0x01"},
                    Malformed{"BIKE 2 \x7F", 3, "0x7F"},
                    // An end-of-file mark with words after it ends nothing.
                    Malformed{"BIKE 2\r\n\x1A\r\nBIKE 3", 4, "0x1A"},
                    Malformed{std::string("BIKE 2\r\n") + '\0', 4, "0x00"}));

TEST(ParameterFileRejectTest, MalformedIdentificationIsRejectedToo)
{
    ParameterImage image = PatternImage();
    FileOptions options;
    EXPECT_EQ(ReadText("KAVELTRA_KEY x37", image, options).status, ReadStatus::Rejected);
    EXPECT_EQ(ReadText(std::string("\0\0\0", 3), image, options).status, ReadStatus::Rejected);
    EXPECT_EQ(image, PatternImage());
}

TEST(ParameterFileReadTest, LongestWordIsAccepted)
{
    ParameterImage image{};
    FileOptions options;
    EXPECT_EQ(ReadText(Identification + std::string(259, 'A') + " BIKE 1", image, options).status,
              ReadStatus::Accepted);
    EXPECT_EQ(image[Offset::Bike], 1);
}

}  // namespace
}  // namespace torvana
