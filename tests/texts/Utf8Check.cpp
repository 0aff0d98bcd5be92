#include "Utf8Check.h"

#include <cstddef>
#include <cstdint>

namespace torvana::test {

namespace {

constexpr std::uint32_t MaxCodePoint = 0x10FFFF;
constexpr std::uint32_t SurrogateFirst = 0xD800;
constexpr std::uint32_t SurrogateLast = 0xDFFF;
// The smallest code point that needs a sequence of 2, 3 or 4 bytes.
constexpr std::uint32_t SmallestForLength[] = {0, 0, 0x80, 0x800, 0x10000};

// Length of the sequence that the lead byte opens; 0 when it cannot lead.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0 || i + length > text.size()) return false;
        std::uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < SmallestForLength[length] || codePoint > MaxCodePoint) return false;
        if (codePoint >= SurrogateFirst && codePoint <= SurrogateLast) return false;
        i += length;
    }
    return true;
}

}  // namespace torvana::test
