// The building blocks of the pages: spin box commits, radio groups, item
// lists, marking on the table pages, initial knock values, exact captions.

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/Tracking.h"
#include "ui/pages/EditorPages.h"
#include "ui/pages/PageCaptions.h"
#include "ui/pages/RadioGroup.h"
#include "ui/pages/UpDownSpinBox.h"

namespace torvana {
namespace {

struct CommitCount {
    explicit CommitCount(UpDownSpinBox* box)
    {
        QObject::connect(box, &UpDownSpinBox::CommitRequested, [this] { ++count; });
    }
    int count = 0;
};

void Press(QWidget* target)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

TEST(UpDownSpinBoxTest, CommitsOnlyOnItsOwnTriggers)
{
    QWidget form;
    auto* clickBox = new UpDownSpinBox("EditA", "UpDownA", CommitOnClick, &form);
    auto* exitBox = new UpDownSpinBox("EditB", "UpDownB", CommitOnExit, &form);
    new QLineEdit(&form);
    CommitCount clicks(clickBox);
    CommitCount exits(exitBox);

    Press(clickBox->findChild<QLineEdit*>());
    Press(exitBox->findChild<QLineEdit*>());
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(exits.count, 0);

    QFocusEvent userLeaves(QEvent::FocusOut, Qt::MouseFocusReason);
    QFocusEvent windowLeaves(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(clickBox, &userLeaves);
    QApplication::sendEvent(exitBox, &userLeaves);
    QApplication::sendEvent(exitBox, &windowLeaves);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(exits.count, 1);
}

TEST(UpDownSpinBoxTest, EnterAndStepsCommitOnceAndStopAtTheLimit)
{
    QWidget form;
    auto* box = new UpDownSpinBox("EditA", "UpDownA", CommitOnExit, &form);
    new QLineEdit(&form);
    box->SetRange(0, 100, 5);
    box->setValue(95);
    form.show();
    box->setFocus();
    CommitCount commits(box);

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    EXPECT_EQ(commits.count, 1);
    box->stepBy(1);
    EXPECT_EQ(box->value(), 100);
    EXPECT_EQ(commits.count, 2);
    box->stepBy(1);
    EXPECT_EQ(commits.count, 2);
}

TEST(UpDownSpinBoxTest, BothNamesLeadToTheBox)
{
    QWidget form;
    auto* box = new UpDownSpinBox("EditOmez1", "UpDownOmez1", CommitOnExit, &form);
    EXPECT_EQ(FindSpinBox(&form, "EditOmez1"), box);
    EXPECT_EQ(FindSpinBox(&form, "UpDownOmez1"), box);
    EXPECT_EQ(FindSpinBox(&form, "UpDownOmez2"), nullptr);
    box->SetArrowsShown(false);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->buttonSymbols(), QAbstractSpinBox::NoButtons);
}

TEST(RadioGroupTest, SelectionIsAnItemIndexThatSurvivesNewTexts)
{
    RadioGroup group("RadioGroupPolohaA", "Position of:", {"Beginning", "Centre", "End"}, nullptr);
    int clicked = 0;
    QObject::connect(&group, &RadioGroup::ItemClicked, [&] { ++clicked; });
    group.SetItemIndex(2);
    EXPECT_EQ(clicked, 0);
    group.SetItems({"Beginn", "Mitte", "Ende"});
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(group.findChild<QRadioButton*>("RadioGroupPolohaA[1]")->text(), "Mitte");
    group.findChild<QRadioButton*>("RadioGroupPolohaA[0]")->click();
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(group.ItemIndex(), 0);
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), -1);
}

class TablePagesTest : public testing::Test {
protected:
    TablePagesTest() : pages(new EditorPages(&tabs))
    {
        FillDefaultParameters(image);
        NormaliseImage(image);
    }

    QColor Base(const QString& name) { return pages->SpinBox(name)->palette().color(QPalette::Base); }
    QColor Face(const QString& name) { return tabs.findChild<QWidget*>(name)->palette().color(QPalette::Window); }

    QTabWidget tabs;
    EditorPages* pages;
    ParameterImage image{};
    const QColor lime{0, 255, 0};
};

TEST_F(TablePagesTest, KnockPageStartsWithTheDesignedValues)
{
    EXPECT_EQ(tabs.findChild<QComboBox*>("ComboBoxLevel[6]")->currentIndex(), 6);
    EXPECT_EQ(tabs.findChild<QComboBox*>("ComboBoxTimeConst[9]")->currentIndex(), 9);
    EXPECT_EQ(pages->SpinBox("EditKnockStart[4]")->value(), -40);
    EXPECT_EQ(pages->SpinBox("EditKnockEnd[4]")->value(), 24);
    EXPECT_EQ(pages->SpinBox("EditKnockAlarm[4]")->value(), 5000);
}

TEST_F(TablePagesTest, KnockMarkingTakesOneColumnPerCylinder)
{
    tabs.setCurrentIndex(PageIndex::Knock);
    OperatingPointMarks marks;
    marks.tables = MarkedTables::Knock;
    marks.knock.columns = {0, 4, 2};
    pages->PaintMarking(marks);
    EXPECT_EQ(Base("EditKnockRpm[0]"), lime);
    EXPECT_EQ(Base("EditKnockAlarm[9]"), lime);
    EXPECT_EQ(Base("EditKnockStart[12]"), lime);
    EXPECT_NE(Base("EditKnockRpm[5]"), lime);
    EXPECT_EQ(tabs.findChild<QComboBox*>("ComboBoxRefFrek[9]")->palette().color(QPalette::Button), lime);
    EXPECT_NE(tabs.findChild<QComboBox*>("ComboBoxRefFrek[8]")->palette().color(QPalette::Button), lime);
}

TEST_F(TablePagesTest, PositionAndServoMarkingMoveWithTheirColumn)
{
    tabs.setCurrentIndex(PageIndex::Poloha);
    OperatingPointMarks marks;
    marks.tables = MarkedTables::Position;
    marks.position = {3, 11};
    pages->PaintMarking(marks);
    EXPECT_EQ(Base("EditPolohaARpm[3]"), lime);
    EXPECT_EQ(Base("EditPolohaA[3]"), lime);
    EXPECT_EQ(Base("EditPolohaBRpm[11]"), lime);
    EXPECT_EQ(Base("EditPolohaB[11]"), lime);
    EXPECT_NE(Base("EditPolohaA[11]"), lime);
    marks.position = {4, 11};
    pages->PaintMarking(marks);
    EXPECT_NE(Base("EditPolohaARpm[3]"), lime);
    EXPECT_EQ(Base("EditPolohaARpm[4]"), lime);

    tabs.setCurrentIndex(PageIndex::Servo);
    marks.tables = MarkedTables::Servo;
    marks.servo.column = 14;
    pages->PaintMarking(marks);
    EXPECT_EQ(Base("EditServoRpm[14]"), lime);
    EXPECT_EQ(Base("EditServoNap[14]"), lime);
    EXPECT_NE(Base("EditServoNap[13]"), lime);
}

TEST_F(TablePagesTest, ChokeMarkingUsesTheFixedLabelsAtBothEnds)
{
    tabs.setCurrentIndex(PageIndex::Korekce);
    OperatingPointMarks marks;
    marks.tables = MarkedTables::Corrections;
    marks.corrections.choke = 0;
    marks.corrections.water = NoWaterAirBox;
    pages->PaintMarking(marks);
    EXPECT_EQ(Face("LabelSyticCas0"), lime);
    EXPECT_EQ(Base("EditSyticKorekce0"), lime);
    EXPECT_EQ(Base("EditTlakTlak[0]"), lime);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NE(Base(QStringLiteral("EditVoda[%1]").arg(i)), lime);
    }

    marks.corrections.choke = 4;
    pages->PaintMarking(marks);
    EXPECT_NE(Face("LabelSyticCas0"), lime);
    EXPECT_EQ(Base("EditSyticCas4"), lime);
    EXPECT_EQ(Face("LabelSyticKorekce4"), lime);
    EXPECT_NE(Base("EditSyticKorekce3"), lime);
}

TEST_F(TablePagesTest, NewItemListKeepsTheSelection)
{
    auto* bike = tabs.findChild<QComboBox*>("ComboBoxBike");
    EXPECT_EQ(bike->itemText(1), "6 injectors fuel  98 oct.");
    bike->setCurrentIndex(3);
    pages->SetItemList("ComboBoxBike", {"6 trysek benzin 100+ oct.", "6 trysek fuel  98 oct.",
                                        "3 trysek fuel 100+ oct.", "3 trysek fuel 98 oct."});
    EXPECT_EQ(bike->currentIndex(), 3);
    EXPECT_EQ(bike->currentText(), "3 trysek fuel 98 oct.");
}

TEST_F(TablePagesTest, ProgramAtOnceIsRedWhenTicked)
{
    pages->SetProgramAtOnce(true);
    EXPECT_TRUE(pages->ProgramAtOnceTicked());
    EXPECT_EQ(Face("CheckBoxProgHned"), QColor(Qt::red));
    pages->SetProgramAtOnce(false);
    EXPECT_NE(Face("CheckBoxProgHned"), QColor(Qt::red));
}

TEST(PageCaptionsTest, RunTimeCaptionsReadExactly)
{
    EXPECT_EQ(PageCaption("CurveRowLabel[0]"), "0%");
    EXPECT_EQ(PageCaption("CurveRowLabel[9]"), "100%");
    EXPECT_EQ(PageCaption("LabelKnockRow[4]"), "Knoch higher gain");
    EXPECT_EQ(PageCaption("LabelKnockRow[6]"), QString::fromUtf8("Start [°]"));
    EXPECT_EQ(PageCaption("CurveTabSheet[6]"), "Jet 1B");
    EXPECT_EQ(PageCaption("NoSuchControl"), "");
}

}  // namespace
}  // namespace torvana
