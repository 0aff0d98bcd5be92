#pragma once
// Cuts the byte stream from the PC into request frames. The line carries no
// frame marker, so after garbage the assembler slides forward one byte at a
// time until 102 bytes form a valid request again.

#include "link/UnitFrame.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

namespace torvana {

// Commands the unit answers: write 0..19, read back 64..83, monitor 48.
bool IsUnitRequest(std::uint8_t command);

class FrameAssembler {
public:
    void Push(std::span<const std::uint8_t> bytes);

    // The next complete valid request, if one has arrived.
    std::optional<UnitFrame> Next();

    // Bytes thrown away while looking for a frame start.
    std::size_t DiscardedBytes() const { return discarded; }
    std::size_t PendingBytes() const { return pending.size(); }

private:
    std::deque<std::uint8_t> pending;
    std::size_t discarded = 0;
};

}  // namespace torvana
