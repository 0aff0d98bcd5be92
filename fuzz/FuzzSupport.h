#pragma once
// What every fuzz target shares: a checked invariant that stops the run with
// a message, the factory image, and a memory of what a check has seen.

#include "core/ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace torvana {

// Aborts (so libFuzzer records the input) when condition is false.
void Require(bool condition, const char* what);

// The factory set of variant 0, the start of every reader's image.
ParameterImage FactoryImage();

// True when these bytes (the state a check depends on, nothing else) came
// before: a check that is a function of them alone has already passed for
// them. Most inputs leave a state seen before, so whole-image round trips
// run once per state instead of once per input.
bool SeenBefore(std::span<const std::uint8_t> state, std::span<const std::uint8_t> more = {});

}  // namespace torvana
