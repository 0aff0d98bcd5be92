#include "core/Header.h"
#include "core/ImageLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace torvana {
namespace {

constexpr int MonthCount = 12;

void PutText(ParameterImage& image, std::size_t offset, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        image[offset + i] = static_cast<std::uint8_t>(text[i]);
    }
}

ParameterImage HeaderWithDate(int day, int monthCode, int year, int hour, int minute)
{
    ParameterImage image{};
    image[Offset::FirmwareDay] = static_cast<std::uint8_t>(day);
    image[Offset::FirmwareMonthCode] = static_cast<std::uint8_t>(monthCode);
    image[Offset::FirmwareYear] = static_cast<std::uint8_t>(year);
    image[Offset::FirmwareHour] = static_cast<std::uint8_t>(hour);
    image[Offset::FirmwareMinute] = static_cast<std::uint8_t>(minute);
    return image;
}

TEST(MonthCode, LowByteOfTheAbbreviationsCharacterSum)
{
    const std::array<int, MonthCount> codes = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    for (int month = 1; month <= MonthCount; ++month) {
        EXPECT_EQ(MonthCode(month), codes[month - 1]) << "month " << month;
    }
    EXPECT_EQ(MonthCode(0), 0);
    EXPECT_EQ(MonthCode(MonthCount + 1), 0);
    EXPECT_EQ(MonthCode(-1), 0);
}

TEST(HeaderDate, BlanksForTheTensOfSingleDigitDayAndMonth)
{
    const HeaderTexts texts = DecodeHeader(HeaderWithDate(7, 45, 5, 9, 3));
    EXPECT_EQ(texts.dateText, " 7. 6.2005");
    EXPECT_EQ(texts.timeText, "09:03");
}

TEST(HeaderDate, TwoDigitDayAndMonth)
{
    EXPECT_EQ(DecodeHeader(HeaderWithDate(31, 12, 99, 23, 59)).dateText, "31.12.2099");
    EXPECT_EQ(DecodeHeader(HeaderWithDate(10, 38, 0, 0, 0)).dateText, "10.10.2000");
    EXPECT_EQ(DecodeHeader(HeaderWithDate(1, 51, 12, 0, 0)).dateText, " 1.11.2012");
    EXPECT_EQ(DecodeHeader(HeaderWithDate(23, 59, 0, 23, 59)).timeText, "23:59");
}

TEST(HeaderDate, EveryMonthCodeDecodes)
{
    const std::array<const char*, MonthCount> texts = {" 1", " 2", " 3", " 4", " 5", " 6",
                                               " 7", " 8", " 9", "10", "11", "12"};
    for (int month = 1; month <= MonthCount; ++month) {
        const std::string date = DecodeHeader(HeaderWithDate(15, MonthCode(month), 5, 0, 0)).dateText;
        EXPECT_EQ(date, std::string("15.") + texts[month - 1] + ".2005");
    }
}

TEST(HeaderDate, UnknownMonthCodeGivesZeroZero)
{
    for (int code : {0, 1, 26, 255}) {
        EXPECT_EQ(DecodeHeader(HeaderWithDate(15, code, 5, 0, 0)).dateText, "15.00.2005") << "code " << code;
    }
}

TEST(HeaderDate, FieldsAboveTwoDigitsKeepTheirLastTwoDigits)
{
    const HeaderTexts texts = DecodeHeader(HeaderWithDate(255, 25, 123, 200, 255));
    EXPECT_EQ(texts.dateText, "55. 1.2023");
    EXPECT_EQ(texts.timeText, "00:55");
}

TEST(HeaderVersion, CharactersAndNumberOfTheShortForm)
{
    ParameterImage image{};
    PutText(image, Offset::FirmwareVersionChars, "TRV");
    image[Offset::FirmwareVersionNumber] = 7;
    EXPECT_EQ(DecodeHeader(image).versionText, "TRV07");
    image[Offset::FirmwareVersionNumber] = 42;
    EXPECT_EQ(DecodeHeader(image).versionText, "TRV42");
    image[Offset::FirmwareVersionNumber] = 142;
    EXPECT_EQ(DecodeHeader(image).versionText, "TRV42");
}

TEST(HeaderVersion, ZeroByteEndsTheShortForm)
{
    ParameterImage image{};
    PutText(image, Offset::FirmwareVersionChars, "T");
    image[Offset::FirmwareVersionChars + 2] = 'V';
    image[Offset::FirmwareVersionNumber] = 37;
    EXPECT_EQ(DecodeHeader(image).versionText, "T");
    EXPECT_EQ(DecodeHeader(ParameterImage{}).versionText, "");
}

TEST(HeaderVersion, LongTextReplacesTheShortForm)
{
    ParameterImage image{};
    PutText(image, Offset::FirmwareVersionChars, "TRV");
    image[Offset::FirmwareVersionNumber] = 7;
    PutText(image, Offset::FirmwareVersionText, "Race 3.1 beta");
    EXPECT_EQ(DecodeHeader(image).versionText, "Race 3.1 beta");
}

TEST(HeaderVersion, LongTextStopsAtThirtyCharacters)
{
    ParameterImage image{};
    const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
    PutText(image, Offset::FirmwareVersionText, thirty + "XYZ");
    EXPECT_EQ(DecodeHeader(image).versionText, thirty);
}

TEST(HeaderVersion, LongTextKeepsEightBitCharacters)
{
    ParameterImage image{};
    PutText(image, Offset::FirmwareVersionText, "Verz\xE8");
    EXPECT_EQ(DecodeHeader(image).versionText, "Verz\xE8");
}

}  // namespace
}  // namespace torvana
