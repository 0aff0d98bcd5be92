#include "link/UnitFrame.h"

#include <gtest/gtest.h>

#include <numeric>

namespace torvana {
namespace {

constexpr std::uint8_t MonitorRequestCheck = 207;
constexpr std::uint8_t ReadBlock1Check = 190;  // 65 XOR 255

std::uint8_t XorOfAll(const UnitFrame& frame)
{
    return std::accumulate(frame.begin(), frame.end(), std::uint8_t{0},
                           [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a ^ b); });
}

ParameterImage CountingImage()
{
    ParameterImage image;
    for (std::size_t i = 0; i < ImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

TEST(UnitFrame, MonitorRequestIsCommandHundredZerosAndFixedCheck)
{
    const UnitFrame frame = BuildMonitorRequest();
    EXPECT_EQ(frame[0], 48);
    for (int i = FrameDataIndex; i < FrameCheckIndex; ++i) {
        EXPECT_EQ(frame[i], 0) << "byte " << i;
    }
    EXPECT_EQ(frame[FrameCheckIndex], MonitorRequestCheck);
    EXPECT_EQ(XorOfAll(frame), FrameXorTotal);
}

TEST(UnitFrame, VerifyBlockFrameCarriesItsImageBlock)
{
    const ParameterImage image = CountingImage();
    const UnitFrame frame = BuildBlockFrame(ReadBackCommand(1), image, BlockData::Image);
    EXPECT_EQ(frame[0], 65);
    for (int i = 0; i < FrameDataSize; ++i) {
        EXPECT_EQ(frame[FrameDataIndex + i], image[100 + i]) << "data byte " << i;
    }
    EXPECT_EQ(XorOfAll(frame), FrameXorTotal);
    EXPECT_TRUE(FrameIsValid(frame));
}

TEST(UnitFrame, ReadBlockFrameCarriesZeros)
{
    const UnitFrame frame = BuildBlockFrame(ReadBackCommand(1), CountingImage(), BlockData::Zeros);
    EXPECT_EQ(frame[0], 65);
    for (int i = FrameDataIndex; i < FrameCheckIndex; ++i) {
        EXPECT_EQ(frame[i], 0) << "byte " << i;
    }
    EXPECT_EQ(frame[FrameCheckIndex], ReadBlock1Check);
}

TEST(UnitFrame, WriteFrameOfLastBlockCarriesTheImageTail)
{
    const ParameterImage image = CountingImage();
    const UnitFrame frame = BuildBlockFrame(WriteCommand(19), image, BlockData::Image);
    EXPECT_EQ(frame[0], 19);
    EXPECT_EQ(frame[FrameDataIndex], image[1900]);
    EXPECT_EQ(frame[FrameCheckIndex - 1], image[1999]);
    EXPECT_TRUE(FrameIsValid(frame));
}

TEST(UnitFrame, AnyFlippedBitInvalidatesTheFrame)
{
    const UnitFrame good = BuildBlockFrame(WriteCommand(3), CountingImage(), BlockData::Image);
    for (int i = 0; i < FrameSize; ++i) {
        UnitFrame bad = good;
        bad[i] ^= 0x10;
        EXPECT_FALSE(FrameIsValid(bad)) << "byte " << i;
    }
}

}  // namespace
}  // namespace torvana
