#include "ui/tools/MinusPlusTool.h"
#include "ui/tools/TableTools.h"
#include "ui/tools/ThrottleCalibration.h"

#include "ui/binding/TablePageBinding.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

class TableToolsTest : public ::testing::Test {
protected:
    TableToolsTest()
    {
        for (int i = 0; i < AxisLength; ++i) {
            A(i) = B(i) = Servo(i) = 72;
            image[Offset::PositionARpm + i] = image[Offset::PositionBRpm + i] = 20;  // 1000 rpm
        }
    }
    std::uint8_t& A(int i) { return image[Offset::PositionA + i]; }
    std::uint8_t& B(int i) { return image[Offset::PositionB + i]; }
    std::uint8_t& Servo(int i) { return image[Offset::VoltServo + i]; }

    ParameterImage image{};
};

TEST_F(TableToolsTest, PositionsStayWithinWhatThePageShowsAndKeeps)
{
    A(0) = 144;  // 720 degrees
    A(1) = 0;
    EXPECT_EQ(StepPositionTable(image, PositionTable::A, StepDirection::Up, false, 0), (EditResult{true, false}));
    EXPECT_EQ(StepPositionTable(image, PositionTable::A, StepDirection::Down, false, 1), (EditResult{true, false}));

    B(5) = 143;
    B(7) = 225;  // 1125 degrees from a file: "+" leaves it, "-" lowers it
    StepPositionTable(image, PositionTable::B, StepDirection::Up, true, 0);
    EXPECT_EQ(B(5), 144);
    EXPECT_EQ(B(7), 225);
    StepPositionTable(image, PositionTable::B, StepDirection::Down, false, 7);
    EXPECT_EQ(B(7), 224);
    B(7) = 72;
    EXPECT_EQ(B(6), 73);
    // The next page write stores the stepped table unchanged.
    const ParameterImage stepped = image;
    WritePositionPage(FillPositionPage(image), image);
    EXPECT_EQ(image, stepped);
}

TEST_F(TableToolsTest, ServoVoltageStaysWithin20And4980Millivolts)
{
    Servo(0) = 1;
    Servo(14) = 249;
    StepServoTable(image, StepDirection::Down, false, 0);
    StepServoTable(image, StepDirection::Up, false, 14);
    EXPECT_EQ(Servo(0), 1);
    EXPECT_EQ(Servo(14), 249);
    EXPECT_EQ(StepServoTable(image, StepDirection::Up, false, AxisLength), EditResult{});
}

TEST_F(TableToolsTest, MinusPlusStepsThePagesTablesAtTheirOwnColumnsAndTicks)
{
    ToolInputs inputs;  // engine stopped: these tools do not look at it
    inputs.page = ActivePageFor(TrackedPageIndex::Poloha);
    inputs.indices = {.PositionAColumn = 2, .PositionBColumn = 9, .ServoColumn = 4};
    inputs.allTicks.polohaB = true;
    EXPECT_EQ(MinusPlusTool(image, StepDirection::Down, inputs), (EditResult{true, true}));
    inputs.page = ActivePageFor(TrackedPageIndex::Servo);
    MinusPlusTool(image, StepDirection::Up, inputs);
    for (int i = 0; i < AxisLength; ++i) {
        EXPECT_EQ(A(i), i == 2 ? 71 : 72) << i;
        EXPECT_EQ(B(i), 71) << i;
        EXPECT_EQ(Servo(i), i == 4 ? 73 : 72) << i;
    }
}

TEST(ThrottleCalibrationTest, EachPointIsCapturedInsideItsWindowOnly)
{
    ParameterImage image{};
    image[Offset::Tps0] = image[Offset::Tps100] = 77;
    EXPECT_EQ(CaptureTps0(image, 299), EditResult{});
    EXPECT_EQ(CaptureTps0(image, 2501), EditResult{});
    EXPECT_EQ(CaptureTps100(image, 2499), EditResult{});
    EXPECT_EQ(CaptureTps100(image, 4901), EditResult{});
    EXPECT_EQ(image[Offset::Tps0], 77);
    EXPECT_EQ(image[Offset::Tps100], 77);

    EXPECT_EQ(CaptureTps0(image, 487), (EditResult{true, true}));
    EXPECT_EQ(image[Offset::Tps0], 48);
    EXPECT_EQ(CaptureTps0(image, 480), (EditResult{true, false}));
    CaptureTps100(image, 4470);
    EXPECT_EQ(image[Offset::Tps100], 197);
    for (const auto& [mv, stored] : {std::pair{2500, 0}, std::pair{4900, 240}}) {
        CaptureTps100(image, mv);
        EXPECT_EQ(image[Offset::Tps100], stored) << mv;
    }
    CaptureTps0(image, 300);
    EXPECT_EQ(image[Offset::Tps0], 30);
}

}  // namespace
}  // namespace torvana
