#include "ui/tools/CurveTools.h"
#include "ui/tools/MinusPlusTool.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

constexpr int Ign1 = 0, Ign2 = 1, Ign3 = 2, Jet1A = 3, Jet2A = 4, Jet3A = 5;
constexpr int Row = 4, Column = 6;

class CurveToolsTest : public ::testing::Test {
protected:
    CurveToolsTest()
    {
        for (int t = 0; t < CurveCount; ++t)
            for (int k = 0; k < CurveCells; ++k)
                image[CurveTableOffset(t) + k] = IsIgnitionCurve(t) ? 30 : 100;
        inputs.liveRpm = 3000;
        inputs.indices.CurveRow = Row;
        inputs.indices.CurveColumn = Column;
    }
    std::uint8_t& Cell(int t, int r = Row, int c = Column) { return image[CurveCellOffset(t, r, c)]; }
    EditResult Tool(int page, StepDirection direction)
    {
        inputs.page = ActivePageFor(page);
        return MinusPlusTool(image, direction, inputs);
    }

    ParameterImage image{};
    ToolInputs inputs;
};

TEST_F(CurveToolsTest, EachTableKindStopsAtItsOwnLimits)
{
    Cell(Ign1) = 59;
    EXPECT_EQ(Tool(Ign1, StepDirection::Up), (EditResult{true, true}));
    EXPECT_EQ(Tool(Ign1, StepDirection::Up), (EditResult{true, false}));  // 60 degrees
    EXPECT_EQ(Cell(Ign1), 60);
    Cell(Jet1A) = 60;
    Tool(Jet1A, StepDirection::Up);
    EXPECT_EQ(Cell(Jet1A), 61);
    Cell(Jet1A) = 250;
    EXPECT_EQ(Tool(Jet1A, StepDirection::Up), (EditResult{true, false}));  // 12500 us
    Cell(Ign3) = 0;
    EXPECT_EQ(Tool(Ign3, StepDirection::Down), (EditResult{true, false}));
    EXPECT_EQ(Cell(Ign3), 0);
}

TEST_F(CurveToolsTest, StoppedEngineAndPagesWithoutToolsChangeNothing)
{
    inputs.liveRpm = 0;
    const ParameterImage before = image;
    EXPECT_EQ(Tool(Ign1, StepDirection::Down), EditResult{});  // no refresh either
    inputs.pageAllFlags.fill(1);
    for (const int page : {TrackedPageIndex::Knock, TrackedPageIndex::Ruzne, TrackedPageIndex::Korekce})
        EXPECT_EQ(Tool(page, StepDirection::Up), EditResult{}) << page;
    EXPECT_EQ(image, before);

    // "All" and the column buttons act with the engine stopped.
    Tool(Ign1, StepDirection::Down);
    EXPECT_EQ(Cell(Ign1, 0, 0), 29);
    EXPECT_EQ(Cell(Ign1, CurveRows - 1, CurveColumns - 1), 29);
    StepColumn(image, ActivePageFor(Jet2A), StepDirection::Up, Column);
    for (int r = 0; r < CurveRows; ++r) {
        EXPECT_EQ(Cell(Jet2A, r, Column), 101) << r;
        EXPECT_EQ(Cell(Jet2A, r, Column + 1), 100) << r;
    }
}

TEST_F(CurveToolsTest, CoupledFollowersTakeTheSameStepEachStoppingAtItsOwnLimit)
{
    image[Offset::IgnMode] = ModeCoupled;
    inputs.pageAllFlags[Ign1] = 1;
    Cell(Ign1) = 60;
    Cell(Ign2) = 59;
    Cell(Ign3) = 10;
    Tool(Ign1, StepDirection::Up);
    EXPECT_EQ(Cell(Ign1), 60);
    EXPECT_EQ(Cell(Ign2), 60);
    EXPECT_EQ(Cell(Ign3), 11);
    EXPECT_EQ(Cell(Ign2, 0, 0), 31);
    EXPECT_EQ(Cell(Jet2A), 100);  // JetMode is Normal

    image[Offset::JetMode] = ModeCoupled;
    Cell(Jet2A, 0, Column) = 0;
    StepColumn(image, ActivePageFor(Jet1A), StepDirection::Down, Column);
    EXPECT_EQ(Cell(Jet1A, 0, Column), 99);
    EXPECT_EQ(Cell(Jet2A, 0, Column), 0);
    EXPECT_EQ(Cell(Jet3A, 9, Column), 99);
}

TEST_F(CurveToolsTest, SameModeCopiesOnlyTheSteppedCells)
{
    image[Offset::IgnMode] = ModeCommon;
    Cell(Ign2) = 5;
    Cell(Ign3, 0, 0) = 5;
    Tool(Ign1, StepDirection::Up);
    EXPECT_EQ(Cell(Ign2), 31);
    EXPECT_EQ(Cell(Ign3), 31);
    EXPECT_EQ(Cell(Ign3, 0, 0), 5);
    // A first table at its limit still hands its value on.
    Cell(Ign1) = 60;
    EXPECT_EQ(Tool(Ign1, StepDirection::Up), (EditResult{true, true}));
    EXPECT_EQ(Cell(Ign2), 60);
}

TEST_F(CurveToolsTest, FollowerPageStepsOnlyItsOwnTableInEveryMode)
{
    for (const std::uint8_t mode : {ModeSeparate, ModeCoupled, ModeCommon}) {
        image[Offset::IgnMode] = image[Offset::JetMode] = mode;
        ParameterImage expected = image;
        --expected[CurveCellOffset(Ign2, Row, Column)];
        ++expected[CurveCellOffset(Jet3A, Row, Column)];
        Tool(Ign2, StepDirection::Down);
        Tool(Jet3A, StepDirection::Up);
        EXPECT_EQ(image, expected) << int(mode);
    }
}

}  // namespace
}  // namespace torvana
