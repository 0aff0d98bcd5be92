#pragma once
#include "core/ImageLayout.h"

#include <cstdint>

namespace torvana {

// Two settings that live outside the image but are bounded by the same pass.
// Either pointer may be null.
struct OutsideBounds {
    std::uint8_t* languageIndex = nullptr;  // above 3 becomes 0
    std::uint8_t* comPortNumber = nullptr;  // above 10 becomes 1
};

// Forces every constrained field into range and every axis into strictly
// increasing order, in place. Never reports anything.
void NormaliseImage(ParameterImage& image, OutsideBounds outside = {});

}  // namespace torvana
