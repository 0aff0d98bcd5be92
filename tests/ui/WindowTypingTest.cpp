// What keys and the wheel do to the edit boxes: typed values outside a range
// become its ends, the wheel needs the focus, coupled followers stay readable.

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QWheelEvent>
#include <vector>

#include "WindowFixture.h"
#include "ui/pages/EditorPages.h"
#include "ui/pages/UpDownSpinBox.h"

namespace torvana {
namespace {

constexpr int IgnPage = 0;
constexpr int Ign2Page = 1;
constexpr int JetPage = 3;
constexpr int KnockPage = 11;
constexpr int VariousPage = 12;
constexpr int CorrectionsPage = 13;
constexpr int WheelNotch = 120;

void Key(QWidget* target, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

// Replaces the box's text key by key, then Enter.
void TypeAndEnter(QAbstractSpinBox* box, int number)
{
    box->findChild<QLineEdit*>()->selectAll();
    for (const QChar ch : QString::number(number)) {
        Key(box, ch == u'-' ? Qt::Key_Minus : Qt::Key_0 + ch.digitValue(), QString(ch));
    }
    Key(box, Qt::Key_Return, "\r");
}

// A wheel sent by hand reaches only its target (a real one over the text
// goes on to the box), so it is sent to the box itself.
void Wheel(QWidget* target)
{
    const QPointF inside(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(inside, target->mapToGlobal(inside), QPoint(), QPoint(0, WheelNotch), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

class TypingTest : public WindowTest {
protected:
    TFormHlav& Show(int page)
    {
        if (!window) {
            Start().show();
            window->activateWindow();
            QApplication::processEvents();
        }
        window->Controls().pageControl1->setCurrentIndex(page);
        return *window;
    }
};

// Every box of every page, both cell ranges: one step past either end. The
// pages stand alone here, so no refill or normalisation follows the Enter.
TEST(TypedLimitsTest, TypedValuesOutsideTheRangeBecomeItsEnds)
{
    QTabWidget tabs;
    EditorPages pages(&tabs);
    ParameterImage image{};
    for (const int page : {IgnPage, JetPage}) {
        tabs.setCurrentIndex(page);
        pages.FillActivePage(image, PageContext{});
        for (auto* box : tabs.findChildren<UpDownSpinBox*>()) {
            const int middle = (box->minimum() + box->maximum()) / 2;
            for (const int end : {box->maximum(), box->minimum()}) {
                box->setValue(middle);
                TypeAndEnter(box, end == box->maximum() ? end + box->singleStep() : end - box->singleStep());
                EXPECT_EQ(box->value(), end) << box->objectName().toStdString();
                EXPECT_EQ(box->text().toStdString(), std::to_string(end)) << box->objectName().toStdString();
            }
        }
    }
}

TEST_F(TypingTest, ALimitedValueIsWhatReachesTheImage)
{
    struct Case {
        int page;
        const char* edit;
        int typed;
        std::size_t offset;
        int stored;
    };
    const std::vector<Case> cases = {
        {IgnPage, "CurveCellEdit[2][4]", 75, CurveCellOffset(IgnPage, 2, 4), 60},
        {JetPage, "CurveCellEdit[2][4]", 13000, CurveCellOffset(JetPage, 2, 4), 250},
        {VariousPage, "EditTempWarning", 115, Offset::TempWarning, 110},
        {CorrectionsPage, "EditVoda[0]", 5, Offset::WaterTemp, 10},
    };
    for (const Case& c : cases) {
        TFormHlav& w = Show(c.page);
        TypeAndEnter(w.Pages().SpinBox(c.edit), c.typed);
        EXPECT_EQ(w.Image()[c.offset], c.stored) << c.edit;
    }
}

TEST_F(TypingTest, TheWheelChangesOnlyTheControlWithTheFocus)
{
    TFormHlav& w = Show(IgnPage);
    QSpinBox* cell = w.Pages().SpinBox("CurveCellEdit[2][4]");
    const ParameterImage before = w.Image();
    // A wheel over a control never gives it the focus.
    EXPECT_EQ(cell->focusPolicy(), Qt::StrongFocus);
    Wheel(cell);
    EXPECT_TRUE(w.Image() == before);

    Show(VariousPage);
    auto* bike = w.findChild<QComboBox*>("ComboBoxBike");
    EXPECT_EQ(bike->focusPolicy(), Qt::StrongFocus);
    Wheel(bike);
    EXPECT_TRUE(sink.asked.empty());
    EXPECT_EQ(bike->currentIndex(), before[Offset::Bike]);

    Show(KnockPage);
    auto* level = w.findChild<QComboBox*>("ComboBoxLevel[3]");
    const int item = level->currentIndex();
    Wheel(level);
    EXPECT_EQ(level->currentIndex(), item);
    EXPECT_TRUE(w.Image() == before);

    Show(IgnPage);
    cell->setFocus();
    ASSERT_TRUE(cell->hasFocus());
    const int value = cell->value();
    Wheel(cell);
    EXPECT_EQ(cell->value(), value + 1);
    EXPECT_EQ(w.Image()[CurveCellOffset(IgnPage, 2, 4)], value + 1);
}

TEST_F(TypingTest, CoupledFollowersAreReadOnlyInTheNormalTextColour)
{
    TFormHlav& w = Show(IgnPage);
    w.ModeMenuClick(CouplingMenu::Ign123, ModeCoupled);
    Show(Ign2Page);
    QSpinBox* cell = w.Pages().SpinBox("CurveCellEdit[2][4]");
    auto* text = cell->findChild<QLineEdit*>();
    const QPalette::ColorGroup group = text->isEnabled() ? QPalette::Active : QPalette::Disabled;
    EXPECT_EQ(text->palette().color(group, QPalette::Text), QApplication::palette().color(QPalette::Active, QPalette::Text));
    EXPECT_TRUE(cell->isReadOnly());
    EXPECT_EQ(cell->buttonSymbols(), QAbstractSpinBox::NoButtons);

    const ParameterImage before = w.Image();
    const int value = cell->value();
    cell->setFocus();
    Key(cell, Qt::Key_Up);
    Wheel(cell);
    TypeAndEnter(cell, value + 1);
    EXPECT_EQ(cell->value(), value);
    EXPECT_TRUE(w.Image() == before);
}

}  // namespace
}  // namespace torvana
