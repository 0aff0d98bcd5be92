#include "ui/tools/TableTools.h"

#include "ui/binding/UpDownRange.h"

namespace torvana {

namespace {

constexpr int TablePoints = AxisLength;

// The limits are those of the page's controls in stored units: a byte the
// control cannot show would be cut back by the next page write.
EditResult StepTable(ParameterImage& image, std::size_t start, const UpDownRange& range, StepDirection direction,
                     bool allTicked, int column)
{
    if (!allTicked && (column < 0 || column >= TablePoints))
        return {};
    const int min = range.min / range.step;
    const int max = range.max / range.step;
    const int first = allTicked ? 0 : column;
    const int last = allTicked ? TablePoints - 1 : column;
    bool changed = false;
    for (int i = first; i <= last; ++i)
        changed |= StepByte(image[start + i], direction, min, max);
    return {true, changed};
}

}  // namespace

EditResult StepPositionTable(ParameterImage& image, PositionTable table, StepDirection direction, bool allTicked,
                             int column)
{
    const std::size_t start = table == PositionTable::A ? Offset::PositionA : Offset::PositionB;
    return StepTable(image, start, Ranges::PositionAngle, direction, allTicked, column);
}

EditResult StepServoTable(ParameterImage& image, StepDirection direction, bool allTicked, int column)
{
    return StepTable(image, Offset::VoltServo, Ranges::ServoVoltage, direction, allTicked, column);
}

}  // namespace torvana
