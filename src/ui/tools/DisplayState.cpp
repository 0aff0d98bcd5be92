#include "ui/tools/DisplayState.h"

#include "ui/tools/ActivePage.h"
#include "ui/tools/Coupling.h"

namespace torvana {

namespace {

std::array<bool, ModeMenuItems> MenuChecks(std::uint8_t mode)
{
    std::array<bool, ModeMenuItems> checked{};
    if (mode < ModeMenuItems)
        checked[mode] = true;
    return checked;
}

}  // namespace

DisplayState UpdateDisplayState(const ParameterImage& image, int activePageIndex)
{
    DisplayState state;
    state.ign123Checked = MenuChecks(image[Offset::IgnMode]);
    state.jet123Checked = MenuChecks(image[Offset::JetMode]);
    for (int t = 0; t < CurveCount; ++t)
        state.curveTabVisible[t] = IsFirstOfGroup(t) || GroupMode(image, t) != ModeCommon;
    state.servoVisible = image[Offset::ServoEnable] != 0;

    const bool slave = SlaveView(image, activePageIndex);
    state.curveGroupEnabled = !slave;
    state.curveToolsVisible = !slave;

    // Pages past the ignition tables take JetMode, as the label sits on the
    // curve grid only. A mode byte other than Coupled or "1 = 2 = 3" couples
    // nothing, so the label stays hidden for it.
    const std::uint8_t governing = GroupMode(image, activePageIndex);
    state.couplingLabelVisible = governing == ModeCoupled || governing == ModeCommon;
    if (governing == ModeCommon) {
        state.couplingLabelText = CouplingLabelSame;
        state.couplingLabelColour = Colour::Aqua;
    }

    if (IsCurvePage(activePageIndex) && !state.curveTabVisible[activePageIndex])
        state.moveToPage = GroupFirstCurve(activePageIndex);
    return state;
}

}  // namespace torvana
