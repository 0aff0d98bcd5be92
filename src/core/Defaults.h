#pragma once
#include "core/ImageLayout.h"

namespace torvana {

// Factory parameter set for the variant in BIKE. Header, BIKE itself and the
// bytes the PC does not interpret keep their values (byte 126 excepted).
void FillDefaultParameters(ParameterImage& image);

}  // namespace torvana
