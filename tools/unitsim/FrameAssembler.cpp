#include "FrameAssembler.h"

#include <algorithm>

namespace torvana {

bool IsUnitRequest(std::uint8_t command)
{
    if (command == Command::MonitorRequest)
        return true;
    const std::uint8_t flags = command & static_cast<std::uint8_t>(~Command::BlockIndexMask);
    if (flags != Command::WriteBlock && flags != Command::ReadBackFlag)
        return false;
    return BlockOfCommand(command) <= Command::LastBlock;
}

void FrameAssembler::Push(std::span<const std::uint8_t> bytes)
{
    pending.insert(pending.end(), bytes.begin(), bytes.end());
}

std::optional<UnitFrame> FrameAssembler::Next()
{
    while (pending.size() >= static_cast<std::size_t>(FrameSize)) {
        UnitFrame frame;
        std::copy_n(pending.begin(), FrameSize, frame.begin());
        if (IsUnitRequest(frame[FrameCommandIndex]) && FrameIsValid(frame)) {
            pending.erase(pending.begin(), pending.begin() + FrameSize);
            return frame;
        }
        pending.pop_front();
        ++discarded;
    }
    return std::nullopt;
}

}  // namespace torvana
