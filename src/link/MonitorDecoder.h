#pragma once
// Turns the unit's monitor frame into the kept live values and the texts,
// colours and gauge positions of the monitor area.

#include "link/LiveValues.h"
#include "link/MonitorView.h"

#include <cstdint>

namespace torvana {

// frame points at FrameSize bytes. extendedMonitor adds the sensor
// voltages to the throttle, pressure and temperature labels; servoVisible
// is whether the servo group is shown. Returns false, changing nothing, for
// a frame that is not a sound monitor frame; on true the caller resets its
// silence count.
bool DecodeMonitorFrame(const std::uint8_t* frame, bool extendedMonitor, bool servoVisible,
                        LiveValues& live, MonitorView& view);

}  // namespace torvana
