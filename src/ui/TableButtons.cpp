#include "ui/TableButtons.h"

#include "ui/tools/TableTools.h"

namespace torvana {

EditResult StepPositionButton(ParameterImage& image, bool tableB, StepDirection direction, bool allTicked,
                              const TrackedIndices& tracked)
{
    return tableB ? StepPositionTable(image, PositionTable::B, direction, allTicked, tracked.PositionBColumn)
                  : StepPositionTable(image, PositionTable::A, direction, allTicked, tracked.PositionAColumn);
}

EditResult StepServoButton(ParameterImage& image, StepDirection direction, bool allTicked,
                           const TrackedIndices& tracked)
{
    return StepServoTable(image, direction, allTicked, tracked.ServoColumn);
}

}  // namespace torvana
