#pragma once
// The last-image file: the whole parameter image and the curve pages' "All"
// marks, kept as a text of numbers so that the next start shows them again.

#include "core/AtomicFile.h"
#include "core/ImageLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {

// One byte per curve page, 1 when its "All" box is ticked.
using PageAllFlags = std::array<std::uint8_t, CurveCount>;

// The program writes about 12 kB; a file larger than this is not its own and
// is not read at all.
constexpr std::size_t LastImageFileSizeLimit = std::size_t{1} << 20;
// Image bytes and flags together.
constexpr std::size_t LastImageNumberCount = ImageSize + CurveCount;

// What reading the file found.
struct LastImageReading {
    FileReadStatus file = FileReadStatus::Missing;
    std::size_t numbers = 0;  // taken, image bytes first, then flags
    int stopLine = 0;         // line of the word that is not a number, 0 when none ended the reading
    std::string reason;       // why the file could not be read
};

// Reads numbers into the image from offset 0, then into the flags, keeping
// each number's low 8 bits. Reading stops at the end of the file or at the
// first word that is not a number; whatever was not reached keeps its value.
LastImageReading ReadLastImage(const std::string& path, ParameterImage& image, PageAllFlags& flags);

// The same reading from text already in memory (file is Read).
LastImageReading ParseLastImage(std::string_view text, ParameterImage& image, PageAllFlags& flags);

// The file's text for an image and its flags.
std::string FormatLastImage(const ParameterImage& image, const PageAllFlags& flags);

// The same, true when the file was there and could be read.
bool ReadLastImageFile(const std::string& path, ParameterImage& image, PageAllFlags& flags);

// What to tell the user when the file existed but did not give the whole
// image or ended at text that is not a number; nullopt when there is nothing
// to tell (a missing file is a first start).
// In the language given (0 English .. 3 Czech).
std::optional<std::string> LastImageProblem(const LastImageReading& reading, const std::string& path,
                                            int languageIndex = 0);

// Replaces the file as a whole; false (and the previous file kept) on
// failure, with reason, when given, saying why.
bool WriteLastImageFile(const std::string& path, const ParameterImage& image,
                        const PageAllFlags& flags, std::string* reason = nullptr);

}  // namespace torvana
