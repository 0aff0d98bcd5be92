#include "link/MonitorText.h"

#include "core/CharClass.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace torvana {

namespace {

constexpr char Conversion = '%';
constexpr char SpaceFlag = ' ';
constexpr char PrecisionMark = '.';
constexpr char IntegerConversion = 'd';
constexpr char FixedConversion = 'f';
constexpr int DecimalBase = 10;
// Room for any double in fixed notation with a short precision.
constexpr std::size_t NumberCapacity = 350;

// The decimal number at the front of format, which moves past it; 0 when there is none.
int TakeNumber(std::string_view& format)
{
    int number = 0;
    while (!format.empty() && IsDecimalDigit(static_cast<unsigned char>(format.front()))) {
        number = number * DecimalBase + (format.front() - '0');
        format.remove_prefix(1);
    }
    return number;
}

}  // namespace

void MonitorText::Append(std::string_view text)
{
    // One byte stays for the terminating zero that snprintf would write.
    const std::size_t room = Capacity - 1 - length;
    const std::size_t count = std::min(room, text.size());
    std::copy_n(text.data(), count, buffer.data() + length);
    length += count;
}

void MonitorText::Append(char c, std::size_t count)
{
    const std::size_t room = Capacity - 1 - length;
    const std::size_t written = std::min(room, count);
    std::fill_n(buffer.data() + length, written, c);
    length += written;
}

MonitorText FormatMonitorText(std::string_view format, std::initializer_list<MonitorArgument> arguments)
{
    MonitorText text;
    auto argument = arguments.begin();
    while (!format.empty()) {
        const auto mark = format.find(Conversion);
        text.Append(format.substr(0, mark));
        if (mark == std::string_view::npos)
            break;
        format.remove_prefix(mark + 1);
        if (format.starts_with(Conversion)) {
            text.Append(Conversion);
            format.remove_prefix(1);
            continue;
        }
        const bool spaceFlag = format.starts_with(SpaceFlag);
        if (spaceFlag)
            format.remove_prefix(1);
        const int width = TakeNumber(format);
        int precision = 0;
        if (format.starts_with(PrecisionMark)) {
            format.remove_prefix(1);
            precision = TakeNumber(format);
        }
        if (format.empty() || argument == arguments.end())
            break;
        const char conversion = format.front();
        format.remove_prefix(1);
        // Not cleared: only what to_chars wrote is read (a frame formats about 60 numbers).
        std::array<char, NumberCapacity> number;
        std::to_chars_result written{number.data(), {}};
        bool negative = false;
        if (conversion == IntegerConversion) {
            written = std::to_chars(number.data(), number.data() + number.size(), argument->integer);
            negative = argument->integer < 0;
        } else if (conversion == FixedConversion) {
            written = std::to_chars(number.data(), number.data() + number.size(), argument->real,
                                    std::chars_format::fixed, precision);
            negative = written.ec == std::errc{} && number.front() == '-';
        }
        ++argument;
        if (written.ec != std::errc{})
            written.ptr = number.data();
        std::string_view digits(number.data(), static_cast<std::size_t>(written.ptr - number.data()));
        const std::size_t sign = spaceFlag && !negative ? 1 : 0;
        const std::size_t shown = digits.size() + sign;
        if (static_cast<std::size_t>(width) > shown)
            text.Append(SpaceFlag, static_cast<std::size_t>(width) - shown);
        if (sign != 0)
            text.Append(SpaceFlag);
        text.Append(digits);
    }
    return text;
}

}  // namespace torvana
