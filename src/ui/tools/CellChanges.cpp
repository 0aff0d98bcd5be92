#include "ui/tools/CellChanges.h"

#include "ui/binding/CurvePageBinding.h"
#include "ui/binding/UpDownRange.h"
#include "ui/tools/ActivePage.h"
#include "ui/tools/Coupling.h"

#include <algorithm>
#include <array>

namespace torvana {

EditResult StoreCellChanges(ParameterImage& image, int page, std::span<const CellChange> changes)
{
    if (!IsCurvePage(page) || IsIgnitionCurve(page) || SlaveView(image, page) || changes.empty())
        return {};
    const bool inside = std::all_of(changes.begin(), changes.end(), [](const CellChange& change) {
        return change.row >= 0 && change.row < CurveRows && change.column >= 0 && change.column < CurveColumns;
    });
    if (!inside)
        return {};
    const UpDownRange range = CurveCellRange(page);
    std::array<std::uint8_t, CurveCount> flags{};  // the "All" ticks stay as they are
    CurvePageValues values = FillCurvePage(image, page, flags);
    CurvePageValues edited{};
    for (const CellChange& change : changes) {
        values.cell[change.row][change.column] = std::clamp(change.stored * range.step, range.min, range.max);
        edited.cell[change.row][change.column] = 1;
    }
    const ParameterImage before = image;
    WriteCurvePage(values, page, image, flags, &edited);
    return {true, image != before};
}

}  // namespace torvana
