#pragma once
// Drives the simulated fuelled engine and records its monitor frames as the
// window records them, a frame every sixth 55 ms tick with a little jitter.

#include "FuelledEngine.h"
#include "log/LogRow.h"

#include <cstdint>
#include <vector>

namespace torvana {

std::vector<LogRow> DriveAndRecord(const FuelledEngine& engine, const ParameterImage& image, std::uint64_t fromMs,
                                   std::uint64_t toMs, std::uint32_t seed);

// The factory set of variant 0.
ParameterImage FactoryImage();

}  // namespace torvana
