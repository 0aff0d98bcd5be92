#pragma once
// How one operating point is shared among the cells of an injection table:
// the four cells around it by bilinear weight, or the one cell that the
// operating-point tracking marks.

#include "analysis/AnalysisOptions.h"
#include "core/ImageLayout.h"

#include <array>

namespace torvana {

struct CellShare {
    int row = 0;
    int column = 0;
    double weight = 0;
};

struct CellShares {
    std::array<CellShare, 4> shares{};
    int count = 0;
};

// rpmAxis: the table's 15 engine-speed points in rpm, ascending (a
// non-rising stretch counts as a step). Points outside the axes count as
// the nearest edge.
CellShares ShareOperatingPoint(const std::array<int, CurveColumns>& rpmAxis, int rpm, int throttlePercent,
                               SampleSplit split);

// The engine-speed axis of curve table t in rpm.
std::array<int, CurveColumns> RpmAxisOf(const ParameterImage& image, int table);

}  // namespace torvana
