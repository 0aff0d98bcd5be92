#include "link/Tracking.h"

#include "MonitorFrameBuilder.h"
#include "link/MonitorDecoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvana {
namespace {

// Engine-speed breakpoints 20, 40, 60 ... (1000, 2000, 3000 rpm ...).
void FillAxis(ParameterImage& image, std::size_t offset, int first, int pitch, int count = AxisLength)
{
    for (int i = 0; i < count; ++i) {
        image[offset + i] = static_cast<std::uint8_t>(std::min(first + pitch * i, MaxRpmStep));
    }
}

LiveValues Running(int rpm, int tps = 0)
{
    LiveValues live;
    live.LiveRpm = static_cast<std::uint16_t>(rpm);
    live.LiveTpsPercent = static_cast<std::uint8_t>(tps);
    return live;
}

TEST(TrackingSearch, UpperTieSelectsTheUpperBreakpointHalfWay)
{
    const std::vector<int> axis = {90, 110, 130, 150};
    EXPECT_EQ(UpperTieSearch(axis, 120), 2);
    EXPECT_EQ(LowerTieSearch(axis, 120), 1);
    EXPECT_EQ(UpperTieSearch(axis, 119), 1);
    EXPECT_EQ(UpperTieSearch(axis, 0), 0);
    EXPECT_EQ(UpperTieSearch(axis, 255), 3);
    EXPECT_EQ(UpperTieSearch({}, 5), 0);
    EXPECT_EQ(LowerTieSearch({}, 5), 0);
}

TEST(TrackingSearch, StrictCountDiffersOnlyOnRepeatedBreakpoints)
{
    const std::vector<int> axis = {100, 100, 120};
    EXPECT_EQ(LowerTieSearch(axis, 100, TieCount::AtOrBelow), 1);
    EXPECT_EQ(LowerTieSearch(axis, 100, TieCount::StrictlyBelow), 0);
    EXPECT_EQ(LowerTieSearch(axis, 111, TieCount::StrictlyBelow), 2);
}

TEST(TrackingSearch, RpmStepIsFiftyRpmLimitedTo255)
{
    EXPECT_EQ(RpmStep(0), 0);
    EXPECT_EQ(RpmStep(1490), 29);
    EXPECT_EQ(RpmStep(1500), 30);
    EXPECT_EQ(RpmStep(12750), 255);
    EXPECT_EQ(RpmStep(13500), 255);
    EXPECT_EQ(RpmStep(65535), 255);
}

class CurveTracking : public ::testing::Test {
protected:
    static constexpr int Page = 4;  // Jet 2A
    void SetUp() override
    {
        image.fill(0);
        FillAxis(image, CurveAxisOffset(Page), 20, 20);
        FillAxis(image, CurveAxisOffset(0), 100, 10);  // a different curve must not be used
    }
    OperatingPointMarks Track(const LiveValues& live) { return TrackOperatingPoint(Page, image, live, indices); }

    ParameterImage image{};
    TrackedIndices indices;
};

TEST_F(CurveTracking, ColumnFromTheActiveCurvesAxis)
{
    EXPECT_EQ(Track(Running(1490)).curve.column, 0);
    EXPECT_EQ(Track(Running(1500)).curve.column, 0);
    EXPECT_EQ(Track(Running(1550)).curve.column, 1);
    EXPECT_EQ(indices.CurveColumn, 1);
    EXPECT_EQ(Track(Running(500)).curve.column, 0);
    EXPECT_EQ(Track(Running(13500)).curve.column, CurveColumns - 1);
    EXPECT_EQ(Track(Running(13500)).tables, MarkedTables::Curve);
}

TEST_F(CurveTracking, RowFromTheThrottleAxis)
{
    EXPECT_EQ(Track(Running(3000, 3)).curve.row, 1);
    EXPECT_EQ(Track(Running(3000, 4)).curve.row, 2);
    EXPECT_EQ(Track(Running(3000, 70)).curve.row, 7);
    EXPECT_EQ(Track(Running(3000, 100)).curve.row, 9);
    EXPECT_EQ(Track(Running(3000, 101)).curve.row, 9);
    EXPECT_EQ(indices.CurveRow, 9);
}

TEST_F(CurveTracking, MarksTheCellInUse)
{
    const CurveMarks marks = Track(Running(2000, 30)).curve;
    EXPECT_TRUE(marks.RpmEditMarked(1));
    EXPECT_FALSE(marks.RpmEditMarked(0));
    EXPECT_TRUE(marks.RowLabelMarked(5));
    EXPECT_FALSE(marks.RowLabelMarked(4));
    EXPECT_TRUE(marks.CellMarked(5, 1));
    EXPECT_FALSE(marks.CellMarked(5, 2));
    EXPECT_FALSE(marks.CellMarked(4, 1));
}

TEST_F(CurveTracking, StoppedEngineMarksOnlyTheRowLabel)
{
    const CurveMarks marks = Track(Running(0, 20)).curve;
    EXPECT_FALSE(marks.column.has_value());
    EXPECT_TRUE(marks.RowLabelMarked(4));
    for (int c = 0; c < CurveColumns; ++c) {
        EXPECT_FALSE(marks.RpmEditMarked(c));
        for (int r = 0; r < CurveRows; ++r) {
            EXPECT_FALSE(marks.CellMarked(r, c));
        }
    }
    EXPECT_EQ(indices.CurveColumn, 0);
    EXPECT_EQ(indices.CurveRow, 4);
}

TEST(TableTracking, ServoAndPositionColumnsEvenWithTheEngineStopped)
{
    ParameterImage image{};
    FillAxis(image, Offset::RpmServo, 20, 20);
    FillAxis(image, Offset::PositionARpm, 10, 10);
    FillAxis(image, Offset::PositionBRpm, 40, 10);
    TrackedIndices indices;

    const OperatingPointMarks servo = TrackOperatingPoint(TrackedPageIndex::Servo, image, Running(2000), indices);
    EXPECT_EQ(servo.tables, MarkedTables::Servo);
    EXPECT_EQ(servo.servo.column, 1);
    EXPECT_EQ(indices.ServoColumn, 1);

    const OperatingPointMarks position =
        TrackOperatingPoint(TrackedPageIndex::Poloha, image, Running(2000), indices);
    EXPECT_EQ(position.tables, MarkedTables::Position);
    EXPECT_EQ(position.position.columnA, 3);
    EXPECT_EQ(position.position.columnB, 0);
    EXPECT_EQ(indices.PositionAColumn, 3);
    EXPECT_EQ(indices.ServoColumn, 1);

    EXPECT_EQ(TrackOperatingPoint(TrackedPageIndex::Servo, image, Running(0), indices).servo.column, 0);
}

TEST(TableTracking, KnockSectionsUseUpperTiesAndLeaveTheLastInServoColumn)
{
    ParameterImage image{};
    FillAxis(image, KnockOffset(KnockArray::Rpm, 0), 20, 20, KnockPoints);
    FillAxis(image, KnockOffset(KnockArray::Rpm, KnockPoints), 60, 20, KnockPoints);
    FillAxis(image, KnockOffset(KnockArray::Rpm, 2 * KnockPoints), 100, 30, KnockPoints);
    TrackedIndices indices;
    indices.CurveColumn = 7;

    const OperatingPointMarks marks = TrackOperatingPoint(TrackedPageIndex::Knock, image, Running(1500), indices);
    EXPECT_EQ(marks.tables, MarkedTables::Knock);
    EXPECT_EQ(marks.knock.columns, (std::array<int, KnockCylinders>{1, 0, 0}));  // step 30, half-way 20..40
    EXPECT_EQ(indices.ServoColumn, 0);

    // Step 160 is exactly a breakpoint of section 3 (100, 130, 160 ...).
    const OperatingPointMarks fast = TrackOperatingPoint(TrackedPageIndex::Knock, image, Running(8000), indices);
    EXPECT_EQ(fast.knock.columns, (std::array<int, KnockCylinders>{4, 4, 2}));
    EXPECT_EQ(indices.ServoColumn, 2);
    EXPECT_EQ(indices.CurveColumn, 7);
}

class CorrectionTracking : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 10; ++i) {
            image[Offset::DruckAxis + i] = static_cast<std::uint8_t>(20 + 10 * i);   // 20..110 kPa
            image[Offset::RetardTemp + i] = static_cast<std::uint8_t>(90 + 20 * i);  // 90, 110, 130 ...
        }
        const std::array<std::uint8_t, 4> choke = {10, 20, 30, 40};  // 100..400 start-time units
        std::copy(choke.begin(), choke.end(), image.begin() + Offset::ChokeTime);
    }
    CorrectionMarks Track(const LiveValues& live)
    {
        const OperatingPointMarks marks = TrackOperatingPoint(TrackedPageIndex::Korekce, image, live, indices);
        EXPECT_EQ(marks.tables, MarkedTables::Corrections);
        return marks.corrections;
    }
    ParameterImage image{};
    TrackedIndices indices;
};

TEST_F(CorrectionTracking, PressureBreakpointsInTenthsOfKiloPascal)
{
    LiveValues live;
    live.LivePressure = 987;
    EXPECT_EQ(Track(live).pressure, 8);  // 98.7 kPa nearest 100
    live.LivePressure = 250;
    EXPECT_EQ(Track(live).pressure, 0);  // 25.0 kPa half-way 20..30
    live.LivePressure = 2000;
    EXPECT_EQ(Track(live).pressure, 9);
}

TEST_F(CorrectionTracking, PressureCountsOnlyBreakpointsStrictlyBelow)
{
    image[Offset::DruckAxis] = 10;
    image[Offset::DruckAxis + 1] = 10;
    LiveValues live;
    live.LivePressure = 100;
    EXPECT_EQ(Track(live).pressure, 0);
}

TEST_F(CorrectionTracking, WaterAndAirBoxesFromFixedThresholds)
{
    LiveValues live;
    live.LiveWaterTemp = 150;
    live.LiveAirTemp = 104;
    CorrectionMarks marks = Track(live);
    EXPECT_EQ(marks.water, 2);
    EXPECT_EQ(marks.air, 0);

    live.LiveWaterTemp = 225;
    live.LiveAirTemp = 105;
    marks = Track(live);
    EXPECT_EQ(marks.water, NoWaterAirBox);
    EXPECT_EQ(marks.air, 1);
}

TEST_F(CorrectionTracking, WaterSensorErrorMarksTheEightyDegreeBox)
{
    LiveValues live;
    MonitorView view;
    const UnitFrame frame = MonitorFrameBuilder().Byte(MonitorField::WaterTemp, 0).Sealed();
    ASSERT_TRUE(DecodeMonitorFrame(frame.data(), false, false, live, view));
    EXPECT_EQ(Track(live).water, 3);
    EXPECT_EQ(Track(live).air, 0);  // the failed air sensor stays 0
}

TEST_F(CorrectionTracking, AirTemperatureTableTiesGoUp)
{
    LiveValues live;
    live.LiveAirTemp = 120;
    EXPECT_EQ(Track(live).airTable, 2);
    live.LiveAirTemp = 119;
    EXPECT_EQ(Track(live).airTable, 1);
}

TEST_F(CorrectionTracking, ChokePointFromStartTime)
{
    LiveValues live;
    const std::vector<std::pair<int, int>> cases = {
        {0, 0}, {50, 0}, {51, 1}, {149, 1}, {150, 2}, {350, 4}, {60000, 4}};
    for (const auto& [startTime, point] : cases) {
        live.LiveStartTime = static_cast<std::uint16_t>(startTime);
        EXPECT_EQ(Track(live).choke, point) << "start time " << startTime;
    }
}

TEST(PagesWithoutTracking, LeaveEveryIndexUnchanged)
{
    ParameterImage image{};
    FillAxis(image, Offset::RpmServo, 20, 20);
    TrackedIndices indices{3, 4, 5, 6, 7};
    for (int page : {TrackedPageIndex::Ruzne, -1, TrackedPageIndex::Korekce + 1}) {
        const OperatingPointMarks marks = TrackOperatingPoint(page, image, Running(9000, 50), indices);
        EXPECT_EQ(marks.tables, MarkedTables::None);
    }
    TrackOperatingPoint(TrackedPageIndex::Korekce, image, Running(9000, 50), indices);
    EXPECT_EQ(indices.CurveColumn, 3);
    EXPECT_EQ(indices.CurveRow, 4);
    EXPECT_EQ(indices.PositionAColumn, 5);
    EXPECT_EQ(indices.PositionBColumn, 6);
    EXPECT_EQ(indices.ServoColumn, 7);
}

}  // namespace
}  // namespace torvana
