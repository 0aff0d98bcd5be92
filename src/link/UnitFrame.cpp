#include "link/UnitFrame.h"

#include <algorithm>

namespace torvana {

std::uint8_t CheckByte(const UnitFrame& frame)
{
    std::uint8_t check = FrameXorTotal;
    for (int i = FrameCommandIndex; i < FrameCheckIndex; ++i) {
        check ^= frame[i];
    }
    return check;
}

bool FrameIsValid(const UnitFrame& frame)
{
    return CheckByte(frame) == frame[FrameCheckIndex];
}

void SealFrame(UnitFrame& frame)
{
    frame[FrameCheckIndex] = CheckByte(frame);
}

UnitFrame BuildFrame(std::uint8_t command, std::span<const std::uint8_t, FrameDataSize> data)
{
    UnitFrame frame{};
    frame[FrameCommandIndex] = command;
    std::copy(data.begin(), data.end(), frame.begin() + FrameDataIndex);
    SealFrame(frame);
    return frame;
}

UnitFrame BuildBlockFrame(std::uint8_t blockCommand, const ParameterImage& image, BlockData data)
{
    if (data == BlockData::Zeros) {
        UnitFrame frame{};
        frame[FrameCommandIndex] = blockCommand;
        SealFrame(frame);
        return frame;
    }
    const std::size_t start = BlockOffset(static_cast<std::size_t>(BlockOfCommand(blockCommand)));
    return BuildFrame(blockCommand, std::span<const std::uint8_t, FrameDataSize>(image.data() + start, FrameDataSize));
}

UnitFrame BuildMonitorRequest()
{
    UnitFrame frame{};
    frame[FrameCommandIndex] = Command::MonitorRequest;
    SealFrame(frame);
    return frame;
}

std::span<const std::uint8_t, FrameDataSize> FrameData(const UnitFrame& frame)
{
    return std::span<const std::uint8_t, FrameDataSize>(frame.data() + FrameDataIndex, FrameDataSize);
}

}  // namespace torvana
