#pragma once
// The "-" and "+" buttons of the position and servo tables. Kept apart from
// the window because the page signals and the table tools each declare a
// PositionTable of their own.

#include "core/ImageLayout.h"
#include "link/Tracking.h"
#include "ui/tools/EditStep.h"

namespace torvana {

EditResult StepPositionButton(ParameterImage& image, bool tableB, StepDirection direction, bool allTicked,
                              const TrackedIndices& tracked);
EditResult StepServoButton(ParameterImage& image, StepDirection direction, bool allTicked,
                           const TrackedIndices& tracked);

}  // namespace torvana
