#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

namespace torvana {
namespace {

TEST_F(WindowTest, SameForIgnitionLeavesIgn3ForIgn1AndHidesTheFollowers)
{
    TFormHlav& w = Start();
    QTabWidget* tabs = w.Controls().pageControl1;
    tabs->setCurrentIndex(2);
    w.Image()[CurveCellOffset(0, 4, 4)] = 23;
    w.ModeMenuClick(CouplingMenu::Ign123, ModeCommon);
    EXPECT_EQ(w.Image()[Offset::IgnMode], ModeCommon);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(w.Pages().ActivePageIndex(), 0);
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_FALSE(tabs->isTabVisible(2));
    EXPECT_EQ(w.Image()[CurveCellOffset(2, 4, 4)], 23);
    EXPECT_TRUE(w.Controls().ignMode[2]->isChecked());
    EXPECT_FALSE(w.Controls().ignMode[0]->isChecked());

    w.ModeMenuClick(CouplingMenu::Ign123, ModeSeparate);
    EXPECT_TRUE(w.Controls().ignMode[0]->isChecked());
    EXPECT_TRUE(tabs->isTabVisible(1));
}

TEST_F(WindowTest, MinusWithTheEngineStoppedChangesNothing)
{
    ports.refuse = true;  // no monitor frames: LiveRpm stays 0
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(0);
    const ParameterImage before = w.Image();
    w.MenuToolsClick(StepDirection::Down);
    EXPECT_EQ(w.Image(), before);
}

TEST_F(WindowTest, PlusWhileTheEngineRunsRaisesTheCellInUse)
{
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(3);
    Tick(30);
    ASSERT_GT(w.Live().LiveRpm, 0);
    const ParameterImage before = w.Image();
    w.MenuToolsClick(StepDirection::Up);
    int raised = 0;
    for (std::size_t i = CurveTableOffset(3); i < CurveTableOffset(4); ++i) {
        raised += w.Image()[i] == before[i] + 1 ? 1 : 0;
    }
    EXPECT_EQ(raised, 1);
}

}  // namespace
}  // namespace torvana

namespace torvana {
namespace {

TEST_F(WindowTest, PositionButtonsStepTheWholeTableWhenAllIsTicked)
{
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(9);
    auto* all = w.findChild<QCheckBox*>("CheckBoxAll_PolohaA");
    ASSERT_NE(all, nullptr);
    all->setChecked(true);
    const ParameterImage before = w.Image();
    emit w.Pages().PositionStepClicked(PositionTable::A, true);
    for (std::size_t i = Offset::PositionA; i < Offset::PositionA + AxisLength; ++i) {
        EXPECT_EQ(w.Image()[i], std::min(240, before[i] + 1)) << "offset " << i;
    }
    EXPECT_TRUE(std::equal(before.begin() + Offset::PositionB, before.begin() + Offset::PositionB + AxisLength,
                           w.Image().begin() + Offset::PositionB));
}

}  // namespace
}  // namespace torvana
