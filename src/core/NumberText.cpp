#include "core/NumberText.h"

#include <charconv>

namespace torvana {

namespace {
constexpr int LongestNumber = 20;  // digits and sign of a 64-bit value
}  // namespace

void AppendRightAligned(std::string& text, long long value, int width)
{
    char digits[LongestNumber];
    const auto result = std::to_chars(digits, digits + LongestNumber, value);
    const auto length = static_cast<int>(result.ptr - digits);
    if (length < width) {
        text.append(static_cast<std::size_t>(width - length), ' ');
    }
    text.append(digits, static_cast<std::size_t>(length));
}

}  // namespace torvana
