#pragma once
// The heat map's colours: a curve cell's value placed on a perceptually
// uniform scale (viridis, lightened so that the numbers stay readable), one
// scale per table type so that the tables of a type compare by colour.

#include "core/ImageLayout.h"

#include <cstdint>

namespace torvana {

// Colours are taken in steps: few distinct palettes keep the style's
// drawing cache small while the map follows every edit.
constexpr int HeatLevels = 16;

struct HeatRgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    constexpr bool operator==(const HeatRgb&) const = default;
};

// Lowest and highest stored value over the tables of page's type
// (the three advance or the six injection tables).
struct HeatDomain {
    int low = 0;
    int high = 0;
};
HeatDomain HeatDomainFor(const ParameterImage& image, int page);

// 0 for the domain's low end to HeatLevels - 1 for its high end.
int HeatLevel(int stored, const HeatDomain& domain);
HeatRgb HeatColour(int level);

}  // namespace torvana
