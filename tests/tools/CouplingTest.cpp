#include "ui/tools/Coupling.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace torvana {
namespace {

constexpr int Ign1 = 0, Ign2 = 1, Ign3 = 2, Jet1A = 3, Jet2A = 4, Jet3A = 5, Jet1B = 6, Jet2B = 7, Jet3B = 8;
constexpr int Various = 12;

class CouplingTest : public ::testing::Test {
protected:
    CouplingTest()
    {
        // Every axis and table differs from every other.
        for (std::size_t i = Offset::CurveAxes; i < Offset::KnockBlock; ++i)
            image[i] = static_cast<std::uint8_t>(i * 7 % 251);
        original = image;
    }
    bool Equal(std::size_t a, std::size_t b, std::size_t length, const ParameterImage& other) const
    {
        return std::equal(image.begin() + a, image.begin() + a + length, other.begin() + b);
    }
    bool SameAxis(int t, int u) const { return Equal(CurveAxisOffset(t), CurveAxisOffset(u), AxisLength, image); }
    bool SameTable(int t, int u) const { return Equal(CurveTableOffset(t), CurveTableOffset(u), CurveCells, image); }
    bool Untouched(int t) const
    {
        return Equal(CurveAxisOffset(t), CurveAxisOffset(t), AxisLength, original) &&
               Equal(CurveTableOffset(t), CurveTableOffset(t), CurveCells, original);
    }

    ParameterImage image{};
    ParameterImage original{};
};

TEST_F(CouplingTest, CoupledCopiesTheFirstAxesAndRefillsOnlyAChangedFollowerPage)
{
    const ModeChange ign = ChooseCouplingMode(image, CouplingMenu::Ign123, ModeCoupled, Ign1);
    EXPECT_EQ(image[Offset::IgnMode], ModeCoupled);
    EXPECT_TRUE(SameAxis(Ign1, Ign2) && SameAxis(Ign1, Ign3));
    EXPECT_TRUE(Equal(CurveTableOffset(Ign2), CurveTableOffset(Ign2), 2 * CurveCells, original));
    EXPECT_TRUE(ign.changed);
    EXPECT_FALSE(ign.switchTo || ign.fillActivePage || ign.programOnChange);
    EXPECT_EQ(image[Offset::JetMode], 0);
    for (int t = Jet1A; t <= Jet3B; ++t)
        EXPECT_TRUE(Untouched(t)) << t;

    // A follower page showing its old axis is refilled, or the next page
    // write would store the old axis back.
    const ModeChange jet = ChooseCouplingMode(image, CouplingMenu::Jet123, ModeCoupled, Jet3B);
    EXPECT_TRUE(SameAxis(Jet1A, Jet2A) && SameAxis(Jet1A, Jet3A) && SameAxis(Jet1B, Jet2B) && SameAxis(Jet1B, Jet3B));
    EXPECT_FALSE(SameAxis(Jet1A, Jet1B) || SameTable(Jet1B, Jet2B));
    EXPECT_TRUE(jet.fillActivePage);
    EXPECT_FALSE(jet.programOnChange);
    EXPECT_FALSE(ChooseCouplingMode(image, CouplingMenu::Jet123, ModeCoupled, Jet3B).fillActivePage);
    EXPECT_FALSE(ChooseCouplingMode(image, CouplingMenu::Jet123, ModeCoupled, Ign2).changed);
}

TEST_F(CouplingTest, SameCopiesAxesAndTablesAndLeavesTheFollowerPages)
{
    const ModeChange ign = ChooseCouplingMode(image, CouplingMenu::Ign123, ModeCommon, Ign3);
    EXPECT_TRUE(SameAxis(Ign1, Ign2) && SameTable(Ign1, Ign2) && SameAxis(Ign1, Ign3) && SameTable(Ign1, Ign3));
    EXPECT_TRUE(Untouched(Ign1) && Untouched(Jet2A));
    ASSERT_TRUE(ign.switchTo);
    EXPECT_EQ(ign.switchTo->ActivePageIndex, Ign1);
    EXPECT_EQ(ign.switchTo->ActiveTableBase, CurveTableOffset(Ign1));
    EXPECT_TRUE(ign.fillActivePage && ign.programOnChange);

    const std::pair<int, int> switches[] = {{Jet2A, Jet1A}, {Jet3A, Jet1A}, {Jet2B, Jet1B}, {Jet3B, Jet1B},
                                            {Jet1A, -1},    {Jet1B, -1},    {Ign2, -1},     {Various, -1}};
    for (const auto& [from, to] : switches) {
        ParameterImage fresh = original;
        const ModeChange jet = ChooseCouplingMode(fresh, CouplingMenu::Jet123, ModeCommon, from);
        EXPECT_EQ(jet.switchTo ? jet.switchTo->ActivePageIndex : -1, to) << from;
    }
    ChooseCouplingMode(image, CouplingMenu::Jet123, ModeCommon, Various);
    EXPECT_TRUE(SameTable(Jet1A, Jet3A) && SameTable(Jet1B, Jet2B) && SameAxis(Jet1B, Jet3B));
    EXPECT_FALSE(SameTable(Jet1A, Jet1B));
}

TEST_F(CouplingTest, NormalSetsOnlyTheModeByte)
{
    ChooseCouplingMode(image, CouplingMenu::Ign123, ModeCommon, Ign1);
    ParameterImage expected = image;
    expected[Offset::IgnMode] = ModeSeparate;
    const ModeChange change = ChooseCouplingMode(image, CouplingMenu::Ign123, ModeSeparate, Ign1);
    EXPECT_EQ(image, expected);
    EXPECT_FALSE(change.switchTo || change.fillActivePage || change.programOnChange);
}

}  // namespace
}  // namespace torvana
