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
        bytes.fill(0);
        bytes[MonitorField::Command] = Command::MonitorReply;
    }
    MonitorFrameBuilder& Word(std::size_t offset, int value)
    {
        constexpr int byteBits = 8;
        constexpr int byteMask = 0xFF;
        bytes[offset] = static_cast<std::uint8_t>(value & byteMask);
        bytes[offset + 1] = static_cast<std::uint8_t>((value >> byteBits) & byteMask);
        return *this;
    }
    MonitorFrameBuilder& Byte(std::size_t offset, int value)
    {
        bytes[offset] = static_cast<std::uint8_t>(value);
        return *this;
    }
    UnitFrame Sealed() const
    {
        UnitFrame frame = bytes;
        SealFrame(frame);
        return frame;
    }

private:
    UnitFrame bytes{};
};

}  // namespace torvana
