#pragma once
// The image bytes that belong to the unit: the PC does not interpret them
// and a parameter file does not carry them, so a set loaded from a file
// takes them from the unit before it is programmed or verified.

#include "core/ImageLayout.h"

#include <cstddef>

namespace torvana {

bool IsUnitOwnedOffset(std::size_t offset);

// Copies every unit-owned byte of from into to.
void CopyUnitOwnedBytes(const ParameterImage& from, ParameterImage& to);

}  // namespace torvana
