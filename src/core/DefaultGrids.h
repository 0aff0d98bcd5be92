#pragma once
#include "core/ImageLayout.h"

#include <array>
#include <cstdint>

namespace torvana {

// Stored cell values of one curve table, [throttle row][engine-speed column].
using CurveGrid = std::array<std::array<std::uint8_t, CurveColumns>, CurveRows>;

// Factory grids per engine variant (BIKE 0..3). Each one is copied into all
// three tables of its group.
const CurveGrid& DefaultIgnitionGrid(int bike);
const CurveGrid& DefaultInjectionAGrid(int bike);
// The three-injector variants have no B injectors: null for them.
const CurveGrid* DefaultInjectionBGrid(int bike);

}  // namespace torvana
