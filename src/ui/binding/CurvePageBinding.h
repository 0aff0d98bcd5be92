#pragma once
// The shared grid of the nine curve pages: one engine-speed axis row and the
// 10 x 15 cells of the table t = ActivePageIndex.

#include "core/ImageLayout.h"

#include <array>
#include <cstdint>

namespace torvana {

// Positions of CurveRpmUpDown[c] and CurveCellUpDown[r][c] (rpm, degrees or
// microseconds) and the tick of CurvePageAllCheckBox.
struct CurvePageValues {
    std::array<int, CurveColumns> rpm{};
    std::array<std::array<int, CurveColumns>, CurveRows> cell{};
    bool all = false;
};

// Engine speed x 50; cells x 1 on ignition tables, x 50 on injection tables.
// A table number outside 0..8 gives all zero values.
CurvePageValues FillCurvePage(const ParameterImage& image, int t,
                              const std::array<std::uint8_t, CurveCount>& pageAllFlags);

// Stores the values into table t and the tick into pageAllFlags[t]. On the
// first table of a group (Ign 1, Jet 1A, Jet 1B) the coupling mode of the
// group also moves the followers: Coupled adds each changed byte's difference
// to them, limited to 0..255; "1 = 2 = 3" copies every byte. A follower page
// writes only its own table. A table number outside 0..8 writes nothing.
// With a mask (codec::Edited) only the changed controls are stored, and only
// their followers move.
void WriteCurvePage(const CurvePageValues& values, int t, ParameterImage& image,
                    std::array<std::uint8_t, CurveCount>& pageAllFlags,
                    const CurvePageValues* edited = nullptr);

}  // namespace torvana
