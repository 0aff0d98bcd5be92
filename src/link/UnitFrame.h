#pragma once
// The fixed-size frame that crosses the serial line in both directions:
// command byte, 100 data bytes, check byte. The XOR of all 102 bytes is 255.

#include "core/ImageLayout.h"

#include <array>
#include <cstdint>
#include <span>

namespace torvana {

constexpr int FrameSize = 102;
constexpr int FrameDataSize = 100;
constexpr int FrameCommandIndex = 0;
constexpr int FrameDataIndex = 1;
constexpr int FrameCheckIndex = 101;
constexpr std::uint8_t FrameXorTotal = 0xFF;

using UnitFrame = std::array<std::uint8_t, FrameSize>;

static_assert(FrameDataSize == static_cast<int>(BlockSize), "one frame carries one image block");

namespace Command {
constexpr std::uint8_t WriteBlock = 0;       // write block n: 0 + n
constexpr std::uint8_t ReadBackFlag = 0x40;  // read back block n: 64 + n
constexpr std::uint8_t BlockIndexMask = 0x3F;
constexpr std::uint8_t MonitorRequest = 48;
constexpr std::uint8_t ReplyFlag = 0x80;     // the unit answers with request + 128
constexpr std::uint8_t MonitorReply = MonitorRequest | ReplyFlag;  // 176
constexpr std::uint8_t LastBlock = static_cast<std::uint8_t>(BlockCount - 1);
}  // namespace Command

constexpr std::uint8_t WriteCommand(int block) { return static_cast<std::uint8_t>(Command::WriteBlock + block); }
constexpr std::uint8_t ReadBackCommand(int block)
{
    return static_cast<std::uint8_t>(Command::ReadBackFlag | block);
}
constexpr std::uint8_t ReplyCommand(std::uint8_t request) { return request ^ Command::ReplyFlag; }
constexpr int BlockOfCommand(std::uint8_t command) { return command & Command::BlockIndexMask; }
constexpr bool IsReadBack(std::uint8_t command) { return (command & Command::ReadBackFlag) != 0; }

// What a block frame carries: the image block (write, verify) or zeros (read).
enum class BlockData { Image, Zeros };

// The check byte for bytes 0..100: the complement of their XOR.
std::uint8_t CheckByte(const UnitFrame& frame);

// True when the XOR of all 102 bytes is 255.
bool FrameIsValid(const UnitFrame& frame);

// Sets byte 101 so that the frame is valid.
void SealFrame(UnitFrame& frame);

// A sealed frame with the given command and data bytes.
UnitFrame BuildFrame(std::uint8_t command, std::span<const std::uint8_t, FrameDataSize> data);

// The frame for a block command; the block index is the command's low six bits.
UnitFrame BuildBlockFrame(std::uint8_t blockCommand, const ParameterImage& image, BlockData data);

// Command 48 with 100 zeros; its check byte is always 207.
UnitFrame BuildMonitorRequest();

// The 100 data bytes of a frame.
std::span<const std::uint8_t, FrameDataSize> FrameData(const UnitFrame& frame);

}  // namespace torvana
