#include "ui/tools/CurveTools.h"

#include "ui/binding/UpDownRange.h"
#include "ui/tools/Coupling.h"

#include <array>
#include <numeric>

namespace torvana {

namespace {

constexpr std::size_t TablePitch = CurveTableOffset(1) - CurveTableOffset(0);
constexpr int FollowerCount = 2;

bool IsCell(int k) { return k >= 0 && k < CurveCells; }

}  // namespace

EditResult StepCells(ParameterImage& image, const ActivePage& page, StepDirection direction,
                     std::span<const int> cells)
{
    const int t = page.ActivePageIndex;
    if (!IsCurvePage(t))
        return {};
    const std::uint8_t mode = GroupMode(image, t);
    const bool coupled = IsFirstOfGroup(t) && mode == ModeCoupled;
    const bool same = IsFirstOfGroup(t) && mode == ModeCommon;
    // The limit the page's cells allow, so that a step never goes where the
    // normalisation would pull the first table back while its followers
    // keep the step (ignition 0..60, injection 0..250).
    const UpDownRange range = CurveCellRange(t);
    const int min = range.min / range.step;
    const int max = range.max / range.step;

    const std::size_t o = page.ActiveTableBase;
    bool changed = false;
    for (const int k : cells) {
        if (!IsCell(k))
            continue;
        changed |= StepByte(image[o + k], direction, min, max);
        for (int f = 1; f <= FollowerCount; ++f) {
            std::uint8_t& follower = image[o + TablePitch * f + k];
            if (coupled) {
                changed |= StepByte(follower, direction, min, max);
            } else if (same && follower != image[o + k]) {
                follower = image[o + k];
                changed = true;
            }
        }
    }
    return {true, changed};
}

EditResult StepWholeTable(ParameterImage& image, const ActivePage& page, StepDirection direction)
{
    std::array<int, CurveCells> all{};
    std::iota(all.begin(), all.end(), 0);
    return StepCells(image, page, direction, all);
}

EditResult StepTrackedCell(ParameterImage& image, const ActivePage& page, StepDirection direction,
                           int liveRpm, int curveRow, int curveColumn)
{
    if (liveRpm == 0 || curveRow < 0 || curveRow >= CurveRows || curveColumn < 0 || curveColumn >= CurveColumns)
        return {};
    const std::array<int, 1> cell = {CurveColumns * curveRow + curveColumn};
    return StepCells(image, page, direction, cell);
}

EditResult StepColumn(ParameterImage& image, const ActivePage& page, StepDirection direction, int column)
{
    if (column < 0 || column >= CurveColumns)
        return {};
    std::array<int, CurveRows> cells{};
    for (int r = 0; r < CurveRows; ++r)
        cells[r] = CurveColumns * r + column;
    return StepCells(image, page, direction, cells);
}

}  // namespace torvana
