#pragma once
// What one history step or restore point keeps: the whole parameter image
// and the curve pages' "All" marks, the same pair the last-image file holds.

#include "settings/LastImageFile.h"

#include <cstddef>
#include <cstdint>

namespace torvana {

struct EditorState {
    ParameterImage image{};
    PageAllFlags flags{};

    bool operator==(const EditorState&) const = default;
};

// Image bytes first, then the flags: the numbering the history file uses.
constexpr std::size_t StateByteCount = ImageSize + CurveCount;

inline std::uint8_t StateByte(const EditorState& state, std::size_t index)
{
    return index < ImageSize ? state.image[index] : state.flags[index - ImageSize];
}

inline void SetStateByte(EditorState& state, std::size_t index, std::uint8_t value)
{
    if (index < ImageSize)
        state.image[index] = value;
    else
        state.flags[index - ImageSize] = value;
}

}  // namespace torvana
