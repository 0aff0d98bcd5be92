#include "ui/binding/CurvePageBinding.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

constexpr int Ign1 = 0, Ign2 = 1, Ign3 = 2, Jet1A = 3, Jet2A = 4, Jet1B = 6, Jet2B = 7, Jet3B = 8;
constexpr int Row = 2, Column = 5;

using Flags = std::array<std::uint8_t, CurveCount>;

class CurvePageBindingTest : public ::testing::Test {
protected:
    CurvePageBindingTest()
    {
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(i % 40 + 10);  // inside every control range
    }

    std::uint8_t& Cell(int t, int r = Row, int c = Column) { return image[CurveCellOffset(t, r, c)]; }
    std::uint8_t& Axis(int t, int c) { return image[CurveAxisOffset(t) + c]; }

    // What the user does on page t: the page is filled, one control changes,
    // the page is written.
    template <typename Edit>
    void EditPage(int t, Edit edit)
    {
        CurvePageValues values = FillCurvePage(image, t, flags);
        edit(values);
        WriteCurvePage(values, t, image, flags);
    }

    ParameterImage image{};
    Flags flags{};
};

TEST_F(CurvePageBindingTest, CoupledFirstTableMovesFollowersByTheDifference)
{
    image[Offset::IgnMode] = ModeCoupled;
    Cell(Ign1) = 30;
    Cell(Ign2) = 12;
    Cell(Ign3) = 40;
    EditPage(Ign1, [](CurvePageValues& v) { v.cell[Row][Column] = 33; });
    EXPECT_EQ(Cell(Ign1), 33);
    EXPECT_EQ(Cell(Ign2), 15);
    EXPECT_EQ(Cell(Ign3), 43);
}

TEST_F(CurvePageBindingTest, CoupledDifferenceIsLimitedToAByte)
{
    image[Offset::IgnMode] = ModeCoupled;
    Cell(Ign1) = 30;
    Cell(Ign2) = 10;
    Cell(Ign3) = 40;
    EditPage(Ign1, [](CurvePageValues& v) { v.cell[Row][Column] = 0; });
    EXPECT_EQ(Cell(Ign2), 0);
    EXPECT_EQ(Cell(Ign3), 10);

    image[Offset::JetMode] = ModeCoupled;
    Cell(Jet1A) = 100;
    Cell(Jet2A) = 220;
    EditPage(Jet1A, [](CurvePageValues& v) { v.cell[Row][Column] = 12500; });
    EXPECT_EQ(Cell(Jet1A), 250);
    EXPECT_EQ(Cell(Jet2A), 255);
}

TEST_F(CurvePageBindingTest, CoupledLeavesFollowersOfUnchangedBytesAlone)
{
    image[Offset::IgnMode] = ModeCoupled;
    const ParameterImage before = image;
    EditPage(Ign1, [](CurvePageValues&) {});
    EXPECT_EQ(image, before);
}

TEST_F(CurvePageBindingTest, CoupledAxisBreakpointMovesFollowers)
{
    image[Offset::IgnMode] = ModeCoupled;
    Axis(Ign1, 3) = 80;
    Axis(Ign2, 3) = 84;
    Axis(Ign3, 3) = 90;
    EditPage(Ign1, [](CurvePageValues& v) {
        ASSERT_EQ(v.rpm[3], 4000);
        v.rpm[3] = 4500;
    });
    EXPECT_EQ(Axis(Ign1, 3) * 50, 4500);
    EXPECT_EQ(Axis(Ign2, 3) * 50, 4700);
    EXPECT_EQ(Axis(Ign3, 3) * 50, 5000);
}

TEST_F(CurvePageBindingTest, FollowerPageWritesOnlyItsOwnTable)
{
    image[Offset::IgnMode] = ModeCoupled;
    ParameterImage expected = image;
    EditPage(Ign2, [](CurvePageValues& v) { v.cell[Row][Column] = 55; v.rpm[0] = 9000; });
    expected[CurveCellOffset(Ign2, Row, Column)] = 55;
    expected[CurveAxisOffset(Ign2)] = 180;
    EXPECT_EQ(image, expected);

    image[Offset::JetMode] = ModeCommon;
    expected = image;
    EditPage(Jet2B, [](CurvePageValues& v) { v.cell[0][0] = 500; });
    expected[CurveCellOffset(Jet2B, 0, 0)] = 10;
    EXPECT_EQ(image, expected);
}

TEST_F(CurvePageBindingTest, CommonModeCopiesTheFirstTableOfItsGroupOnly)
{
    image[Offset::JetMode] = ModeCommon;
    const ParameterImage before = image;
    EditPage(Jet1B, [](CurvePageValues& v) { v.cell[9][14] = 2500; });
    for (int t : {Jet2B, Jet3B}) {
        for (int c = 0; c < CurveColumns; ++c)
            EXPECT_EQ(Axis(t, c), Axis(Jet1B, c)) << t << ' ' << c;
        for (int r = 0; r < CurveRows; ++r)
            for (int c = 0; c < CurveColumns; ++c)
                ASSERT_EQ(Cell(t, r, c), Cell(Jet1B, r, c)) << t << ' ' << r << ' ' << c;
    }
    EXPECT_EQ(Cell(Jet3B, 9, 14), 50);
    for (std::size_t o = CurveAxisOffset(Ign1); o < CurveAxisOffset(Jet1B); ++o)
        ASSERT_EQ(image[o], before[o]) << o;
    for (std::size_t o = CurveTableOffset(Ign1); o < CurveTableOffset(Jet1B); ++o)
        ASSERT_EQ(image[o], before[o]) << o;
}

TEST_F(CurvePageBindingTest, EachGroupFollowsItsOwnMode)
{
    image[Offset::IgnMode] = ModeCommon;
    image[Offset::JetMode] = ModeSeparate;
    const std::uint8_t jet2A = Cell(Jet2A);
    EditPage(Jet1A, [](CurvePageValues& v) { v.cell[Row][Column] = 5000; });
    EXPECT_EQ(Cell(Jet2A), jet2A);
}

TEST_F(CurvePageBindingTest, CellsUseDegreesOrFiftyMicroseconds)
{
    Cell(Ign3) = 35;
    Cell(Jet1A) = 150;
    EXPECT_EQ(FillCurvePage(image, Ign3, flags).cell[Row][Column], 35);
    EXPECT_EQ(FillCurvePage(image, Jet1A, flags).cell[Row][Column], 7500);

    EditPage(Jet2A, [](CurvePageValues& v) { v.cell[Row][Column] = 7500; });
    EXPECT_EQ(Cell(Jet2A), 150);
    EditPage(Ign3, [](CurvePageValues& v) { v.cell[Row][Column] = 35; });
    EXPECT_EQ(Cell(Ign3), 35);
}

TEST_F(CurvePageBindingTest, WriteTruncatesToTheStepAndKeepsTheControlRange)
{
    EditPage(Ign1, [](CurvePageValues& v) {
        v.rpm[0] = 1234;
        v.rpm[1] = 100;
        v.cell[0][0] = 99;
    });
    EXPECT_EQ(Axis(Ign1, 0), 24);
    EXPECT_EQ(Axis(Ign1, 1), 6);
    EXPECT_EQ(Cell(Ign1, 0, 0), 60);
}

TEST_F(CurvePageBindingTest, AllTickTravelsWithItsPage)
{
    flags[Jet3B] = 1;
    EXPECT_TRUE(FillCurvePage(image, Jet3B, flags).all);
    EXPECT_FALSE(FillCurvePage(image, Jet2B, flags).all);
    EditPage(Jet2B, [](CurvePageValues& v) { v.all = true; });
    EditPage(Jet3B, [](CurvePageValues& v) { v.all = false; });
    EXPECT_EQ(flags, (Flags{0, 0, 0, 0, 0, 0, 0, 1, 0}));
}

TEST_F(CurvePageBindingTest, TableOutsideTheCurvesIsIgnored)
{
    const ParameterImage before = image;
    WriteCurvePage(FillCurvePage(image, Ign1, flags), CurveCount, image, flags);
    WriteCurvePage(FillCurvePage(image, Ign1, flags), -1, image, flags);
    EXPECT_EQ(image, before);
    EXPECT_EQ(FillCurvePage(image, CurveCount, flags).rpm[0], 0);
}

}  // namespace
}  // namespace torvana
