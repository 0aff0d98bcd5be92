#pragma once
// What every fuzz target shares: a checked invariant that stops the run with
// a message, and the factory image.

#include "core/ImageLayout.h"

#include <cstddef>
#include <cstdint>

namespace torvana {

// Aborts (so libFuzzer records the input) when condition is false.
void Require(bool condition, const char* what);

// The factory set of variant 0, the start of every reader's image.
ParameterImage FactoryImage();

}  // namespace torvana
