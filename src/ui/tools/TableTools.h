#pragma once
// The "-" and "+" buttons of the injection-position and servo tables. They
// have no coupling and run whether the engine runs or not. The window
// commits the page first (WriteActivePage) and ends with RefreshAfterEdit.

#include "core/ImageLayout.h"
#include "ui/tools/EditStep.h"

namespace torvana {

enum class PositionTable { A, B };

// All 15 positions when CheckBoxAll_PolohaA / _PolohaB is ticked, else the
// one at PositionAColumn / PositionBColumn; kept within 0..720 degrees.
EditResult StepPositionTable(ParameterImage& image, PositionTable table, StepDirection direction, bool allTicked,
                             int column);

// All 15 servo voltages when CheckBoxAll_Servo is ticked, else the one at
// ServoColumn; kept within 20..4980 mV.
EditResult StepServoTable(ParameterImage& image, StepDirection direction, bool allTicked, int column);

}  // namespace torvana
