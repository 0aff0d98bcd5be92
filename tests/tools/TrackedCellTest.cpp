// F4 and F5 while the monitor moves the operating point: the kept indices
// come from the tracking of the shown page, the tools step the cell they name.
#include "ui/tools/MinusPlusTool.h"

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/Tracking.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvana {
namespace {

constexpr int Ign1 = 0, Ign2 = 1, Ign3 = 2, Jet1A = 3, Jet2A = 4;

class TrackedCellTest : public ::testing::Test {
protected:
    TrackedCellTest()
    {
        FillDefaultParameters(image);  // axes 1000, 2000, 3000, 4000, 6000 ... rpm
        NormaliseImage(image);
    }

    // One timer tick on the page with the engine at rpm and throttle, then F5.
    std::vector<std::size_t> TickThenPlus(int page, int rpm, int tpsPercent)
    {
        live.LiveRpm = static_cast<std::uint16_t>(rpm);
        live.LiveTpsPercent = static_cast<std::uint8_t>(tpsPercent);
        TrackOperatingPoint(page, image, live, inputs.indices);
        inputs.page = ActivePageFor(page);
        inputs.liveRpm = live.LiveRpm;
        const ParameterImage before = image;
        MinusPlusTool(image, StepDirection::Up, inputs);
        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < ImageSize; ++i)
            if (before[i] != image[i])
                changed.push_back(i);
        return changed;
    }

    ParameterImage image{};
    LiveValues live;
    ToolInputs inputs;
};

TEST_F(TrackedCellTest, EachStepFollowsTheOperatingPointOfTheMoment)
{
    image[Offset::IgnMode] = ModeSeparate;
    struct Point {
        int rpm, tps, row, column;
    };
    const Point points[] = {
        {1490, 3, 1, 0},      // nearer 1000 rpm; 3 % nearer 2 %
        {1500, 70, 7, 0},     // half-way in both: the lower breakpoint
        {1550, 4, 2, 1},
        {13500, 101, 9, 14},  // beyond the last breakpoint; throttle sensor error
    };
    for (const Point& p : points)
        EXPECT_EQ(TickThenPlus(Ign1, p.rpm, p.tps), std::vector<std::size_t>{CurveCellOffset(Ign1, p.row, p.column)})
            << p.rpm;
    // The engine stops: the indices stay, the tool does nothing.
    EXPECT_TRUE(TickThenPlus(Ign1, 0, 40).empty());
}

TEST_F(TrackedCellTest, CoupledFactorySetStepsTheSameCellOfTheFollowers)
{
    ASSERT_EQ(image[Offset::IgnMode], ModeCoupled);
    EXPECT_EQ(TickThenPlus(Ign1, 4000, 20),
              (std::vector<std::size_t>{CurveCellOffset(Ign1, 4, 3), CurveCellOffset(Ign2, 4, 3),
                                        CurveCellOffset(Ign3, 4, 3)}));
}

TEST_F(TrackedCellTest, TheColumnComesFromTheShownTablesOwnAxis)
{
    image[Offset::JetMode] = ModeSeparate;
    for (int c = 0; c < AxisLength; ++c)
        image[CurveAxisOffset(Jet2A) + c] = static_cast<std::uint8_t>(40 + 5 * c);  // 2000 rpm in 250s
    EXPECT_EQ(TickThenPlus(Jet1A, 3000, 0), std::vector<std::size_t>{CurveCellOffset(Jet1A, 0, 2)});
    EXPECT_EQ(TickThenPlus(Jet2A, 3000, 0), std::vector<std::size_t>{CurveCellOffset(Jet2A, 0, 4)});
}

}  // namespace
}  // namespace torvana
