#pragma once
// The datalog's row of a monitor frame: every value the monitor area shows,
// in the log's units; sensor errors and the base advance are empty cells.

#include "log/LogRow.h"

#include <cstdint>

namespace torvana {

// frame points at a sound monitor frame of FrameSize bytes. The row's time
// is left at 0.
LogRow MonitorLogRow(const std::uint8_t* frame);

}  // namespace torvana
