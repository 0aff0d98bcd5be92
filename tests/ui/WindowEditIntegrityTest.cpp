#include "WindowFixture.h"

#include "core/Normalise.h"
#include "core/ParameterFile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace torvana {
namespace {

constexpr int Ign1 = 0;
constexpr int Ign2 = 1;

class EditIntegrityTest : public WindowTest {
protected:
    TFormHlav& Shown()
    {
        TFormHlav& w = Start();
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    void ClickTab(int index)
    {
        QTabBar* bar = window->Controls().pageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Focus the box and type over its text, as a user does.
    void TypeInto(const QString& name, const QString& digits)
    {
        QSpinBox* box = window->Pages().SpinBox(name);
        ASSERT_NE(box, nullptr);
        box->setFocus(Qt::MouseFocusReason);
        box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, digits);
    }
};

// A box that commits on exit, left by a click on another tab, writes its own
// page and nothing of the page the click leads to.
TEST_F(EditIntegrityTest, TabClickCommitsTheEditedPageOnly)
{
    for (const bool curveGridFilledBefore : {true, false}) {
        SCOPED_TRACE(curveGridFilledBefore ? "from Ign 1" : "starting on the various page");
        TFormHlav& w = Shown();
        w.Controls().pageControl1->setCurrentIndex(curveGridFilledBefore ? Ign1 : PageIndex::Ruzne);
        w.Image()[CurveCellOffset(Ign1, 3, 3)] = w.Image()[CurveCellOffset(Ign2, 3, 3)] + 7;
        ClickTab(PageIndex::Ruzne);
        ASSERT_EQ(w.Pages().ActivePageIndex(), PageIndex::Ruzne);
        ParameterImage expected = w.Image();
        expected[Offset::Limiter] = 7000 / 50;

        TypeInto("EditOmez1", "7000");
        ClickTab(Ign2);
        EXPECT_EQ(w.Pages().ActivePageIndex(), Ign2);
        EXPECT_EQ(w.Image(), expected);
        EXPECT_EQ(w.Pages().SpinBox("CurveCellEdit[3][3]")->value(), expected[CurveCellOffset(Ign2, 3, 3)]);
        window.reset();
    }
}

// "1 = 2 = 3" arriving from a file or the unit while a follower is shown
// lands on the first page of that follower's group.
TEST_F(EditIntegrityTest, SameModeFromOpenOrReadLandsOnTheGroupsFirstPage)
{
    struct Case {
        bool read;
        std::size_t modeOffset;
        int shown;
        int first;
    };
    for (const Case c : {Case{false, Offset::IgnMode, 2, Ign1}, Case{true, Offset::JetMode, 7, 6},
                         Case{true, Offset::IgnMode, 1, Ign1}, Case{false, Offset::JetMode, 5, 3}}) {
        SCOPED_TRACE(testing::Message() << "page " << c.shown << (c.read ? " read" : " open"));
        TFormHlav& w = Start();
        ParameterImage incoming = w.Image();
        incoming[c.modeOffset] = ModeCommon;
        incoming[CurveCellOffset(c.first, 0, 0)] = 5;
        NormaliseImage(incoming);
        w.Controls().pageControl1->setCurrentIndex(c.shown);
        if (c.read) {
            unit.Preload(incoming);
            w.MenuReadClick();
            ASSERT_TRUE(TickUntilIdle());
        } else {
            dialogs.openAnswer = Dir() + "/same.ign";
            ASSERT_EQ(SaveParameterFile(dialogs.openAnswer.toStdString(), incoming, {}), "");
            w.MenuOpenClick();
        }
        EXPECT_EQ(w.Pages().ActivePageIndex(), c.first);
        EXPECT_EQ(w.Pages().SpinBox("CurveCellEdit[0][0]")->value(), 5 * (c.first == Ign1 ? 1 : 50));
        window.reset();
    }
}

// Only a different variant chosen from the open list offers the defaults.
TEST_F(EditIntegrityTest, EngineVariantAsksOnlyWhenChangedInTheList)
{
    TFormHlav& w = Shown();
    ClickTab(PageIndex::Ruzne);
    auto* bike = w.findChild<QComboBox*>("ComboBoxBike");
    ASSERT_NE(bike, nullptr);
    const ParameterImage before = w.Image();
    const int selected = bike->currentIndex();
    bike->setFocus(Qt::TabFocusReason);
    for (const auto key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_PageUp}) {
        QTest::keyClick(bike, key);
    }
    QTest::keyClicks(bike, "x");
    bike->showPopup();
    QTest::keyClick(bike->view(), Qt::Key_Return);
    EXPECT_TRUE(sink.asked.empty());
    EXPECT_EQ(bike->currentIndex(), selected);
    EXPECT_EQ(w.Image(), before);

    bike->showPopup();
    QTest::keyClick(bike->view(), Qt::Key_Down);
    QTest::keyClick(bike->view(), Qt::Key_Return);
    EXPECT_EQ(sink.asked.size(), 1u);
    EXPECT_EQ(w.Image()[Offset::Bike], selected + 1);
}

// "Program at once": the refills of the transfer that an edit started keep
// what is being typed in another box, and Enter then commits it.
TEST_F(EditIntegrityTest, TypingSurvivesTheRefillsOfAProgramAtOnce)
{
    TFormHlav& w = Shown();
    w.Pages().SetProgramAtOnce(true);
    ClickTab(Ign1);
    TypeInto("CurveCellEdit[0][0]", "12");
    QTest::keyClick(w.Pages().SpinBox("CurveCellEdit[0][0]"), Qt::Key_Return);
    ASSERT_EQ(w.Link().Mode(), TransferProgram);

    QSpinBox* typing = w.Pages().SpinBox("CurveCellEdit[1][1]");
    TypeInto("CurveCellEdit[1][1]", "42");
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(typing->text(), "42");
    QTest::keyClick(typing, Qt::Key_Return);
    EXPECT_EQ(w.Image()[CurveCellOffset(Ign1, 1, 1)], 42);
    EXPECT_EQ(w.Image()[CurveCellOffset(Ign1, 0, 0)], 12);
}

}  // namespace
}  // namespace torvana
