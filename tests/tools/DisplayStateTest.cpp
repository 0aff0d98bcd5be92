#include "ui/tools/DisplayState.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

constexpr int Ign1 = 0, Ign2 = 1, Ign3 = 2, Jet1A = 3, Jet2A = 4, Jet1B = 6, Jet2B = 7, Jet3B = 8;
constexpr int Poloha = 9;
using Checks = std::array<bool, ModeMenuItems>;

DisplayState State(std::uint8_t ignMode, std::uint8_t jetMode, int page, std::uint8_t servoEnable = 0)
{
    ParameterImage image{};
    image[Offset::IgnMode] = ignMode;
    image[Offset::JetMode] = jetMode;
    image[Offset::ServoEnable] = servoEnable;
    return UpdateDisplayState(image, page);
}

TEST(DisplayStateTest, MenusAndTabsFollowTheModeBytes)
{
    const DisplayState a = State(ModeSeparate, ModeCommon, Ign1);
    EXPECT_EQ(a.ign123Checked, (Checks{true, false, false}));
    EXPECT_EQ(a.jet123Checked, (Checks{false, false, true}));
    EXPECT_EQ(a.curveTabVisible, (std::array<bool, CurveCount>{1, 1, 1, 1, 0, 0, 1, 0, 0}));
    const DisplayState b = State(ModeCommon, ModeCoupled, Poloha, 1);
    EXPECT_EQ(b.jet123Checked, (Checks{false, true, false}));
    EXPECT_EQ(b.curveTabVisible, (std::array<bool, CurveCount>{1, 0, 0, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(b.servoVisible);
    EXPECT_FALSE(a.servoVisible);
}

TEST(DisplayStateTest, CoupledFollowerIsReadOnlyAndTheLabelNamesTheGoverningMode)
{
    const DisplayState follower = State(ModeCoupled, ModeSeparate, Ign2);
    EXPECT_FALSE(follower.curveGroupEnabled || follower.curveToolsVisible);
    EXPECT_TRUE(follower.couplingLabelVisible);
    EXPECT_EQ(follower.couplingLabelText, "  1->2->3  ");
    EXPECT_EQ(follower.couplingLabelColour, Colour::Yellow);

    const DisplayState first = State(ModeCoupled, ModeSeparate, Ign1);
    EXPECT_TRUE(first.curveGroupEnabled && first.curveToolsVisible && first.couplingLabelVisible);
    const DisplayState jet = State(ModeCoupled, ModeSeparate, Jet2A);
    EXPECT_TRUE(jet.curveGroupEnabled && jet.curveToolsVisible);
    EXPECT_FALSE(jet.couplingLabelVisible);
    EXPECT_FALSE(State(ModeSeparate, ModeCoupled, Jet3B).curveToolsVisible);

    const DisplayState same = State(ModeSeparate, ModeCommon, Jet1B);
    EXPECT_TRUE(same.couplingLabelVisible && same.curveToolsVisible);
    EXPECT_EQ(same.couplingLabelText, "  1=2=3  ");
    EXPECT_EQ(same.couplingLabelColour, Colour::Aqua);
}

TEST(DisplayStateTest, AModeByteOutsideTheMenusCouplesNothingAndShowsNothing)
{
    constexpr std::uint8_t Unknown = 5;  // from a hand-edited file; the normalisation keeps it
    const DisplayState state = State(Unknown, Unknown, Ign3);
    EXPECT_EQ(state.ign123Checked, Checks{});
    EXPECT_FALSE(state.couplingLabelVisible);
    EXPECT_TRUE(state.curveToolsVisible && state.curveTabVisible[Ign3]);
}

TEST(DisplayStateTest, AHiddenActivePageGivesWayToTheFirstPageOfItsGroup)
{
    EXPECT_EQ(State(ModeCommon, ModeSeparate, Ign3).moveToPage, Ign1);
    EXPECT_EQ(State(ModeSeparate, ModeCommon, Jet2B).moveToPage, Jet1B);
    EXPECT_EQ(State(ModeSeparate, ModeCommon, Jet2A).moveToPage, Jet1A);
    EXPECT_FALSE(State(ModeCommon, ModeCommon, Ign1).moveToPage);
    EXPECT_FALSE(State(ModeCoupled, ModeCoupled, Ign2).moveToPage);
    EXPECT_FALSE(State(ModeCommon, ModeCommon, Poloha).moveToPage);
}

}  // namespace
}  // namespace torvana
