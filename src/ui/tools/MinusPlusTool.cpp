#include "ui/tools/MinusPlusTool.h"

#include "ui/tools/CurveTools.h"
#include "ui/tools/TableTools.h"

namespace torvana {

bool ToolCommitsPageFirst(int activePageIndex)
{
    return activePageIndex == TrackedPageIndex::Poloha || activePageIndex == TrackedPageIndex::Servo;
}

EditResult MinusPlusTool(ParameterImage& image, StepDirection direction, const ToolInputs& inputs)
{
    const int page = inputs.page.ActivePageIndex;
    const TrackedIndices& at = inputs.indices;
    if (page == TrackedPageIndex::Poloha) {
        const EditResult a =
            StepPositionTable(image, PositionTable::A, direction, inputs.allTicks.polohaA, at.PositionAColumn);
        const EditResult b =
            StepPositionTable(image, PositionTable::B, direction, inputs.allTicks.polohaB, at.PositionBColumn);
        return Combined(a, b);
    }
    if (page == TrackedPageIndex::Servo)
        return StepServoTable(image, direction, inputs.allTicks.servo, at.ServoColumn);
    if (!IsCurvePage(page))
        return {};
    if (inputs.pageAllFlags[page] != 0)
        return StepWholeTable(image, inputs.page, direction);
    return StepTrackedCell(image, inputs.page, direction, inputs.liveRpm, at.CurveRow, at.CurveColumn);
}

}  // namespace torvana
