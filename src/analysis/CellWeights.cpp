#include "analysis/CellWeights.h"

#include "core/Breakpoints.h"

#include <algorithm>
#include <span>

namespace torvana {

namespace {

struct Bracket {
    int lower = 0;
    double fraction = 0;  // towards lower + 1
};

template <std::size_t N>
Bracket BracketOf(const std::array<int, N>& axis, int value)
{
    if (value <= axis.front())
        return {0, 0};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (value < axis[i + 1]) {
            const int span = axis[i + 1] - axis[i];
            return {static_cast<int>(i), span > 0 ? static_cast<double>(value - axis[i]) / span : 0.0};
        }
    }
    return {static_cast<int>(N) - 1, 0};
}

}  // namespace

CellShares ShareOperatingPoint(const std::array<int, CurveColumns>& rpmAxis, int rpm, int throttlePercent,
                               SampleSplit split)
{
    CellShares result;
    if (split == SampleSplit::MarkedCell) {
        // The same nearest-point rules as the lime cell.
        std::array<int, CurveColumns> steps{};
        for (int c = 0; c < CurveColumns; ++c)
            steps[c] = rpmAxis[c] / RpmPerStep;
        const int column = LowerTieSearch(std::span<const int>(steps), RpmStep(rpm));
        const int row = LowerTieSearch(std::span<const int>(TpsAxis), throttlePercent);
        result.shares[0] = {row, column, 1.0};
        result.count = 1;
        return result;
    }
    const Bracket across = BracketOf(rpmAxis, rpm);
    const Bracket down = BracketOf(TpsAxis, throttlePercent);
    for (int dr = 0; dr < 2; ++dr) {
        for (int dc = 0; dc < 2; ++dc) {
            const double weight =
                (dr ? down.fraction : 1 - down.fraction) * (dc ? across.fraction : 1 - across.fraction);
            if (weight > 0)
                result.shares[result.count++] = {down.lower + dr, across.lower + dc, weight};
        }
    }
    return result;
}

std::array<int, CurveColumns> RpmAxisOf(const ParameterImage& image, int table)
{
    std::array<int, CurveColumns> axis{};
    for (int c = 0; c < CurveColumns; ++c)
        axis[c] = image[CurveAxisOffset(table) + c] * RpmPerStep;
    return axis;
}

}  // namespace torvana
