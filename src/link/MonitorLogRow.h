#pragma once
// The datalog's row of a monitor frame: every value the monitor area shows,
// in the log's units; sensor errors and the base advance are empty cells.

#include "link/UnitFrame.h"
#include "log/LogRow.h"

#include <cstdint>

namespace torvana {

// frame points at a sound monitor frame of FrameSize bytes. The row's time
// is left at 0.
LogRow MonitorLogRow(const std::uint8_t* frame);

// The monitor frame a row was made from, so that a log played back takes
// the path of the unit's frames: MonitorLogRow gives the row back, and the
// decoder shows what it showed. What the log does not keep is zero (the
// hidden test values); an empty throttle or temperature is the unit's
// sensor error, an empty advance the base advance.
UnitFrame LogRowMonitorFrame(const LogRow& row);

}  // namespace torvana
