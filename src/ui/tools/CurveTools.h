#pragma once
// The step tools of the curve pages: one raw unit per cell (1 degree of
// advance, 50 microseconds of injection), kept inside the range the page's
// cells allow.

#include "core/ImageLayout.h"
#include "ui/tools/ActivePage.h"
#include "ui/tools/EditStep.h"

#include <span>

namespace torvana {

// Cells k = 15 x row + column of the active curve table, in ascending order.
// On the first page of a group (Ign 1, Jet 1A, Jet 1B) in Coupled mode the
// followers take the same step, each stopping at its own limit; in
// "1 = 2 = 3" mode they become copies of the stepped cells. Elsewhere only
// the active table changes. Not a curve page: nothing. Cells outside the
// table are skipped.
EditResult StepCells(ParameterImage& image, const ActivePage& page, StepDirection direction,
                     std::span<const int> cells);

// All 150 cells of the active table.
EditResult StepWholeTable(ParameterImage& image, const ActivePage& page, StepDirection direction);

// The cell the engine runs on; a stopped engine (liveRpm 0) changes nothing.
EditResult StepTrackedCell(ParameterImage& image, const ActivePage& page, StepDirection direction,
                           int liveRpm, int curveRow, int curveColumn);

// CurveSpinButton[column]: the ten cells of the column, engine running or not.
EditResult StepColumn(ParameterImage& image, const ActivePage& page, StepDirection direction, int column);

}  // namespace torvana
