#include "ui/pages/DisplayState.h"

namespace torvana {

PageDisplayState DecidePageDisplayState(const ParameterImage& image, int activePageIndex)
{
    const int ignMode = image[Offset::IgnMode];
    const int jetMode = image[Offset::JetMode];
    PageDisplayState state;
    state.tabVisible.fill(true);
    for (int t = 0; t < CurveCount; ++t) {
        const int mode = IsIgnitionCurve(t) ? ignMode : jetMode;
        state.tabVisible[t] = IsFirstOfGroup(t) || mode != ModeCommon;
    }
    state.servoVisible = image[Offset::ServoEnable] != 0;

    const bool onCurve = activePageIndex >= 0 && activePageIndex < CurveCount;
    const int governing = activePageIndex < IgnitionCurveCount ? ignMode : jetMode;
    state.slaveView = onCurve && !IsFirstOfGroup(activePageIndex) && governing == ModeCoupled;
    state.couplingLabelVisible = governing != ModeSeparate;
    state.couplingSame = governing == ModeCommon;
    return state;
}

}  // namespace torvana
