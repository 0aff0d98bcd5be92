#pragma once
// Conversions between a control's position and its stored byte. Stored
// arithmetic is 8-bit: whatever leaves 0..255 wraps modulo 256. A position is
// first kept inside the control's range, as the control itself would.

#include "ui/binding/UpDownRange.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace torvana::codec {

// A field stored in the control's steps: position / step, truncated.
inline std::uint8_t StoreDivided(int position, const UpDownRange& range)
{
    return static_cast<std::uint8_t>(ClampToRange(position, range) / range.step);
}

inline int ShowMultiplied(std::uint8_t byte, const UpDownRange& range) { return byte * range.step; }

// Position + bias, modulo 256 (a negative bias subtracts).
inline std::uint8_t StoreBiased(int position, const UpDownRange& range, int bias)
{
    return static_cast<std::uint8_t>(ClampToRange(position, range) + bias);
}

inline int ShowBiased(std::uint8_t byte, int bias) { return byte - bias; }

inline std::uint8_t StoreTick(bool ticked) { return ticked ? 1 : 0; }
inline bool ShowTick(std::uint8_t byte) { return byte != 0; }

// A list with no selection (index below 0) leaves the stored byte alone
// rather than storing 255.
inline void StoreItemIndex(int index, std::uint8_t& byte)
{
    if (index >= 0)
        byte = static_cast<std::uint8_t>(index);
}

// Which controls a page write stores: every one without a mask, else those
// whose member is non-zero in a mask of the values' own shape.
template <class Values>
class Edited {
public:
    explicit Edited(const Values* mask) : mask(mask) {}

    template <class T>
    bool operator()(T Values::*member) const
    {
        return mask == nullptr || static_cast<bool>(mask->*member);
    }
    template <class T, std::size_t N>
    bool operator()(std::array<T, N> Values::*member, int i) const
    {
        return mask == nullptr || static_cast<bool>((mask->*member)[i]);
    }

private:
    const Values* mask;
};

}  // namespace torvana::codec
