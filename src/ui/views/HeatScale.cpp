#include "ui/views/HeatScale.h"

#include <algorithm>
#include <array>

namespace torvana {

namespace {

// Viridis at even points, without its yellow end: yellow means a warning.
constexpr std::array<HeatRgb, 8> Anchors = {{
    {0x44, 0x01, 0x54},
    {0x47, 0x2c, 0x7a},
    {0x3b, 0x51, 0x8b},
    {0x2c, 0x71, 0x8e},
    {0x21, 0x90, 0x8d},
    {0x27, 0xad, 0x81},
    {0x5c, 0xc8, 0x63},
    {0xaa, 0xdc, 0x32},
}};
// Share of white mixed in: dark cells would hide the numbers.
constexpr double WhiteShare = 0.5;
constexpr double White = 255.0;

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double fraction)
{
    const double colour = from + (to - from) * fraction;
    return static_cast<std::uint8_t>(colour + (White - colour) * WhiteShare + 0.5);
}

}  // namespace

HeatDomain HeatDomainFor(const ParameterImage& image, int page)
{
    const bool ignition = IsIgnitionCurve(page);
    const int first = ignition ? 0 : IgnitionCurveCount;
    const int last = ignition ? IgnitionCurveCount : CurveCount;
    const auto begin = image.begin() + static_cast<std::ptrdiff_t>(CurveTableOffset(first));
    const auto end = image.begin() + static_cast<std::ptrdiff_t>(CurveTableOffset(last));
    const auto [low, high] = std::minmax_element(begin, end);
    return {*low, *high};
}

int HeatLevel(int stored, const HeatDomain& domain)
{
    if (domain.high <= domain.low)
        return 0;
    const int clamped = std::clamp(stored, domain.low, domain.high);
    return (clamped - domain.low) * (HeatLevels - 1) / (domain.high - domain.low);
}

HeatRgb HeatColour(int level)
{
    const double position =
        static_cast<double>(std::clamp(level, 0, HeatLevels - 1)) / (HeatLevels - 1) * (Anchors.size() - 1);
    const std::size_t below = std::min(static_cast<std::size_t>(position), Anchors.size() - 2);
    const double fraction = position - static_cast<double>(below);
    const HeatRgb& a = Anchors[below];
    const HeatRgb& b = Anchors[below + 1];
    return {Mix(a.red, b.red, fraction), Mix(a.green, b.green, fraction), Mix(a.blue, b.blue, fraction)};
}

}  // namespace torvana
