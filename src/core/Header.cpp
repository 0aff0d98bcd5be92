#include "core/Header.h"

#include <array>
#include <string_view>

namespace torvana {
namespace {

constexpr int MonthCount = 12;
constexpr std::array<std::string_view, MonthCount> MonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::string_view UnknownMonth = "00";

constexpr int Decimal = 10;
constexpr char Blank = ' ';
constexpr char CenturyText[] = "20";

// Fields are shown with two digits; a byte above 99 keeps its last two so
// the labels never show anything but digits.
char TensDigit(std::uint8_t value) { return static_cast<char>('0' + value / Decimal % Decimal); }
char UnitsDigit(std::uint8_t value) { return static_cast<char>('0' + value % Decimal); }

std::string TwoDigits(std::uint8_t value) { return {TensDigit(value), UnitsDigit(value)}; }

// Below 10 the tens digit is a blank, as in " 7" and " 6".
std::string BlankPaddedTwoDigits(int value)
{
    const auto byte = static_cast<std::uint8_t>(value);
    return {value < Decimal ? Blank : TensDigit(byte), UnitsDigit(byte)};
}

std::string MonthText(std::uint8_t code)
{
    for (int month = 1; month <= MonthCount; ++month) {
        if (MonthCode(month) == code) {
            return BlankPaddedTwoDigits(month);
        }
    }
    return std::string(UnknownMonth);
}

// Characters from offset up to the first zero byte, at most length of them.
std::string CharactersUpToZero(const ParameterImage& image, std::size_t offset, std::size_t length)
{
    std::string text;
    for (std::size_t i = offset; i < offset + length && image[i] != 0; ++i) {
        text.push_back(static_cast<char>(image[i]));
    }
    return text;
}

constexpr std::size_t FirmwareVersionCharCount = Offset::FirmwareVersionNumber - Offset::FirmwareVersionChars;

std::string VersionText(const ParameterImage& image)
{
    if (image[Offset::FirmwareVersionText] != 0) {
        return CharactersUpToZero(image, Offset::FirmwareVersionText, Offset::FirmwareVersionTextLength);
    }
    std::string text = CharactersUpToZero(image, Offset::FirmwareVersionChars, FirmwareVersionCharCount);
    // A zero among the three characters ends the whole text, digits included.
    if (text.size() == FirmwareVersionCharCount) {
        text += TwoDigits(image[Offset::FirmwareVersionNumber]);
    }
    return text;
}

}  // namespace

unsigned char MonthCode(int month)
{
    if (month < 1 || month > MonthCount) {
        return 0;
    }
    unsigned sum = 0;
    for (char c : MonthAbbreviations[month - 1]) {
        sum += static_cast<unsigned char>(c);
    }
    return static_cast<unsigned char>(sum);
}

HeaderTexts DecodeHeader(const ParameterImage& image)
{
    HeaderTexts texts;
    texts.versionText = VersionText(image);
    texts.dateText = BlankPaddedTwoDigits(image[Offset::FirmwareDay]) + "." +
                     MonthText(image[Offset::FirmwareMonthCode]) + "." + CenturyText +
                     TwoDigits(image[Offset::FirmwareYear]);
    texts.timeText = TwoDigits(image[Offset::FirmwareHour]) + ":" + TwoDigits(image[Offset::FirmwareMinute]);
    return texts;
}

}  // namespace torvana
