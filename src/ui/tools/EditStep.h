#pragma once
// The one-unit step shared by every tool and what a tool reports back.

#include <cstdint>

namespace torvana {

// Down: "-", F4 and the lower half of a spin button; Up: "+", F5, upper half.
enum class StepDirection { Down, Up };

struct EditResult {
    // The tool had something to act on: the window ends it with RefreshAfterEdit.
    bool acted = false;
    // Some image byte differs from before the tool.
    bool changed = false;

    constexpr bool operator==(const EditResult&) const = default;
};

constexpr EditResult Combined(EditResult first, EditResult second)
{
    return {first.acted || second.acted, first.changed || second.changed};
}

// Moves the stored byte one unit towards its limit; a byte at the limit
// stays. True when it moved.
constexpr bool StepByte(std::uint8_t& byte, StepDirection direction, int min, int max)
{
    if (direction == StepDirection::Down && byte > min) {
        --byte;
        return true;
    }
    if (direction == StepDirection::Up && byte < max) {
        ++byte;
        return true;
    }
    return false;
}

}  // namespace torvana
