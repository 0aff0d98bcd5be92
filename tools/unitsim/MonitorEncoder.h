#pragma once
// The unit's side of the monitor frame: live values packed at the offsets
// the PC decodes, 16-bit fields low byte first.

#include "EngineModel.h"
#include "link/UnitFrame.h"

#include <cstdint>

namespace torvana {

// Unit state that the monitor frame reports besides the engine.
struct UnitCounters {
    std::uint16_t storeRemaining = 0;
    std::uint16_t programmings = 0;
    std::uint16_t framesAnswered = 0;  // shown as test value 1
};

// Raw 10-bit reading of a sensor voltage (5 V reference).
int AdcOfMillivolts(int millivolts);

// A sealed 176 frame with the sample's values.
UnitFrame EncodeMonitorFrame(const EngineSample& sample, const UnitCounters& counters);

}  // namespace torvana
