#include "WindowFixture.h"

#include <QApplication>
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

}  // namespace
}  // namespace torvana
