#pragma once
// The Minus (F4) and Plus (F5) tools, which act by the active page.

#include "core/ImageLayout.h"
#include "link/Tracking.h"
#include "ui/tools/ActivePage.h"
#include "ui/tools/EditStep.h"

#include <array>
#include <cstdint>

namespace torvana {

// CheckBoxAll_PolohaA, CheckBoxAll_PolohaB, CheckBoxAll_Servo.
struct TableAllTicks {
    bool polohaA = false;
    bool polohaB = false;
    bool servo = false;
};

struct ToolInputs {
    ActivePage page;
    std::array<std::uint8_t, CurveCount> pageAllFlags{};
    TableAllTicks allTicks;
    int liveRpm = 0;
    TrackedIndices indices;
};

// The position and servo pages commit their controls before the tool; the
// curve pages do not, so a value typed but not committed gives way to the
// image's value.
bool ToolCommitsPageFirst(int activePageIndex);

// Curve page: the whole table when its "All" flag is set, else the cell the
// engine runs on (nothing while it stands). TabSheet_Poloha: both position
// tables. TabSheet_Servo: the servo table. Other pages: nothing.
EditResult MinusPlusTool(ParameterImage& image, StepDirection direction, const ToolInputs& inputs);

}  // namespace torvana
