#pragma once
// Builds monitor frames for the decoder tests, field by field.

#include "link/MonitorFrame.h"
#include "link/UnitFrame.h"

#include <cstdint>

namespace torvana {

class MonitorFrameBuilder {
public:
    MonitorFrameBuilder()
    {
        frame_.fill(0);
        frame_[MonitorField::Command] = Command::MonitorReply;
    }
    MonitorFrameBuilder& Word(std::size_t offset, int value)
    {
        constexpr int byteBits = 8;
        constexpr int byteMask = 0xFF;
        frame_[offset] = static_cast<std::uint8_t>(value & byteMask);
        frame_[offset + 1] = static_cast<std::uint8_t>((value >> byteBits) & byteMask);
        return *this;
    }
    MonitorFrameBuilder& Byte(std::size_t offset, int value)
    {
        frame_[offset] = static_cast<std::uint8_t>(value);
        return *this;
    }
    UnitFrame Sealed() const
    {
        UnitFrame frame = frame_;
        SealFrame(frame);
        return frame;
    }

private:
    UnitFrame frame_{};
};

}  // namespace torvana
