#include "ui/binding/UpDownRange.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

TEST(UpDownRangeTest, NamedControlsHaveTheirRanges)
{
    EXPECT_EQ(FindUpDownRange("UpDownOmez3"), (UpDownRange{900, 12500, 50, true}));
    EXPECT_EQ(FindUpDownRange("UpDownTps100"), (UpDownRange{2500, 4900, 10, true}));
    EXPECT_EQ(FindUpDownRange("UpDownKnockStart", 14), (UpDownRange{-60, 79, 1, false}));
    EXPECT_EQ(FindUpDownRange("UpDownKnockEnd", 0), (UpDownRange{-59, 80, 1, false}));
    EXPECT_EQ(FindUpDownRange("UpDownSyticKorekce3"), (UpDownRange{100, 350, 1, false}));
    EXPECT_EQ(FindUpDownRange("UpDownServoNap", 7), (UpDownRange{20, 4980, 20, true}));
    EXPECT_EQ(FindUpDownRange("CurveRpmUpDown", 14), Ranges::EngineSpeed);
}

TEST(UpDownRangeTest, ThousandsStepFollowsTheRangeExceptForTheHysteresis)
{
    EXPECT_FALSE(FindUpDownRange("UpDownServoHyster")->thousandsStep);
    EXPECT_TRUE(FindUpDownRange("UpDownAkcelPrah")->thousandsStep);
    EXPECT_TRUE(FindUpDownRange("UpDownPowerOut2b")->thousandsStep);
    EXPECT_FALSE(FindUpDownRange("UpDownPolohaA", 3)->thousandsStep);
    EXPECT_FALSE(FindUpDownRange("UpDownTempWarning")->thousandsStep);
}

TEST(UpDownRangeTest, AxisBoundsRiseWithTheIndex)
{
    EXPECT_EQ(FindUpDownRange("UpDownTlakTlak", 0), (UpDownRange{10, 241, 1, false}));
    EXPECT_EQ(FindUpDownRange("UpDownTlakTlak", 9), (UpDownRange{19, 250, 1, false}));
    EXPECT_EQ(FindUpDownRange("UpDownRetardTemp", 0), (UpDownRange{-10, 101, 1, false}));
    EXPECT_EQ(FindUpDownRange("UpDownRetardTemp", 9), (UpDownRange{-1, 110, 1, false}));
}

TEST(UpDownRangeTest, UnknownNamesAndIndicesHaveNoRange)
{
    EXPECT_EQ(FindUpDownRange("UpDownNothing"), std::nullopt);
    EXPECT_EQ(FindUpDownRange("UpDownVoda", 5), std::nullopt);
    EXPECT_EQ(FindUpDownRange("UpDownKnockRpm", -1), std::nullopt);
    EXPECT_EQ(FindUpDownRange("UpDownOmez1", 1), std::nullopt);
    EXPECT_EQ(FindUpDownRange("CurveCellUpDown"), std::nullopt);
}

TEST(UpDownRangeTest, CurveCellsFollowTheTableKind)
{
    EXPECT_EQ(CurveCellRange(2), (UpDownRange{0, 60, 1, false}));
    EXPECT_EQ(CurveCellRange(3), (UpDownRange{0, 12500, 50, true}));
    EXPECT_EQ(CurveCellRange(8), CurveCellRange(3));
}

TEST(UpDownRangeTest, ClampKeepsThePositionInsideTheRange)
{
    EXPECT_EQ(ClampToRange(-61, Ranges::KnockStart), -60);
    EXPECT_EQ(ClampToRange(80, Ranges::KnockStart), 79);
    EXPECT_EQ(ClampToRange(1234, Ranges::EngineSpeed), 1234);
    EXPECT_EQ(ClampToRange(5, Ranges::Correction), 10);
}

}  // namespace
}  // namespace torvana
