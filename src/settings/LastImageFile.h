#pragma once
// The last-image file: the whole parameter image and the curve pages' "All"
// marks, kept as a text of numbers so that the next start shows them again.

#include "core/ImageLayout.h"

#include <array>
#include <cstdint>
#include <string>

namespace torvana {

// One byte per curve page, 1 when its "All" box is ticked.
using PageAllFlags = std::array<std::uint8_t, CurveCount>;

// Reads numbers into the image from offset 0, then into the flags, keeping
// each number's low 8 bits. Reading stops at the end of the file or at the
// first word that is not a number; whatever was not reached keeps its value.
// False when the file cannot be opened.
bool ReadLastImageFile(const std::string& path, ParameterImage& image, PageAllFlags& flags);

// Replaces the file as a whole; false (and the previous file kept) on failure.
bool WriteLastImageFile(const std::string& path, const ParameterImage& image,
                        const PageAllFlags& flags);

}  // namespace torvana
