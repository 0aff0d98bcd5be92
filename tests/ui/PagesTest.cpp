// The editor pages on a bare tab control: page order, the shared curve grid,
// knock geometry, fill and write through the controls, marking, display state.

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/Tracking.h"
#include "ui/pages/EditorPages.h"

namespace torvana {
namespace {

class PagesTest : public testing::Test {
protected:
    PagesTest() : pages(new EditorPages(&tabs))
    {
        FillDefaultParameters(image);
        NormaliseImage(image);
    }

    void Show(int page)
    {
        tabs.setCurrentIndex(page);
        pages->FillActivePage(image, context);
    }

    ParameterImage Written()
    {
        ParameterImage copy = image;
        pages->WriteActivePage(copy, context.pageAllFlags);
        return copy;
    }

    QSpinBox* Spin(const QString& name) { return pages->SpinBox(name); }

    QTabWidget tabs;
    EditorPages* pages;
    ParameterImage image{};
    PageContext context;
};

TEST_F(PagesTest, FourteenPagesInDesignOrder)
{
    const QStringList expected = {
        "CurveTabSheet[0]", "CurveTabSheet[1]", "CurveTabSheet[2]", "CurveTabSheet[3]",
        "CurveTabSheet[4]", "CurveTabSheet[5]", "CurveTabSheet[6]", "CurveTabSheet[7]",
        "CurveTabSheet[8]", "TabSheet_Poloha",  "TabSheet_Servo",   "KnockTabSheet",
        "TabSheet_Ruzne",   "TabSheet_Korekce"};
    ASSERT_EQ(tabs.count(), expected.size());
    for (int i = 0; i < tabs.count(); ++i) {
        EXPECT_EQ(tabs.widget(i)->objectName(), expected[i]) << i;
    }
    EXPECT_EQ(tabs.tabText(0), "Ign 1");
    EXPECT_EQ(tabs.tabText(8), "Jet 3B");
    EXPECT_EQ(tabs.tabText(PageIndex::Knock), "Knock");
}

TEST_F(PagesTest, InjectionPageShowsTheSharedGridInStepsOfFifty)
{
    image[CurveCellOffset(4, 2, 5)] = 150;
    Show(4);
    auto* grid = tabs.findChild<QGroupBox*>("CurveGroupBox");
    EXPECT_EQ(grid->parent(), tabs.widget(4));
    QSpinBox* cell = Spin("CurveCellUpDown[2][5]");
    EXPECT_EQ(cell->singleStep(), 50);
    EXPECT_EQ(cell->maximum(), 12500);
    EXPECT_EQ(cell->value(), 7500);
    EXPECT_EQ(Written()[CurveCellOffset(4, 2, 5)], 150);

    image[CurveCellOffset(0, 2, 5)] = 35;
    Show(0);
    EXPECT_EQ(grid->parent(), tabs.widget(0));
    EXPECT_EQ(cell->singleStep(), 1);
    EXPECT_EQ(cell->maximum(), 60);
    EXPECT_EQ(cell->value(), 35);
}

TEST_F(PagesTest, KnockGroupsStandApartAndWindowsHaveTheirBounds)
{
    const int pitch = Spin("EditKnockRpm[4]")->x() - Spin("EditKnockRpm[3]")->x();
    EXPECT_EQ(pitch, 57);
    EXPECT_EQ(Spin("EditKnockRpm[5]")->x() - Spin("EditKnockRpm[4]")->x(), pitch + 15);
    EXPECT_EQ(Spin("EditKnockRpm[0]")->x(), 90);
    for (int c : {0, 7, 14}) {
        QSpinBox* start = Spin(QStringLiteral("UpDownKnockStart[%1]").arg(c));
        QSpinBox* end = Spin(QStringLiteral("UpDownKnockEnd[%1]").arg(c));
        EXPECT_EQ(start->minimum(), -60);
        EXPECT_EQ(start->maximum(), 79);
        EXPECT_EQ(end->minimum(), -59);
        EXPECT_EQ(end->maximum(), 80);
    }
    EXPECT_EQ(tabs.findChild<QComboBox*>("ComboBoxKnockFrek[0]")->count(), 64);
    EXPECT_EQ(tabs.findChild<QComboBox*>("ComboBoxTimeConst[0]")->count(), 32);
}

TEST_F(PagesTest, EveryPageWritesBackWhatItWasFilledWith)
{
    for (int page = 0; page < tabs.count(); ++page) {
        Show(page);
        EXPECT_EQ(Written(), image) << "page " << page;
    }
}

TEST_F(PagesTest, FillShowsDisplayUnitsAndWriteStoresBytes)
{
    image[Offset::Tps100] = 240;
    image[Offset::ActRpm] = 1;
    image[Offset::NoReading] = 1;
    Show(PageIndex::Ruzne);
    EXPECT_EQ(Spin("EditTps100")->value(), 4900);
    EXPECT_FALSE(tabs.findChild<QCheckBox*>("CheckBoxAktRpm")->isChecked());
    auto* zakaz = tabs.findChild<QCheckBox*>("CheckBoxZakazCteni");
    EXPECT_TRUE(zakaz->isChecked());
    EXPECT_EQ(zakaz->palette().color(QPalette::Window), QColor(Qt::red));
    Spin("EditTps100")->setValue(2500);
    tabs.findChild<QCheckBox*>("CheckBoxAktRpm")->setChecked(true);
    const ParameterImage written = Written();
    EXPECT_EQ(written[Offset::Tps100], 0);
    EXPECT_EQ(written[Offset::ActRpm], 0);

    image[KnockOffset(KnockArray::Start, 3)] = 40;
    Show(PageIndex::Knock);
    EXPECT_EQ(Spin("EditKnockStart[3]")->value(), -60);

    Show(PageIndex::Korekce);
    Spin("UpDownSyticKorekce0")->setValue(300);
    Spin("UpDownRetardRetard[0]")->setValue(-5);
    EXPECT_EQ(Written()[Offset::ChokeCorrection], 200);
    EXPECT_EQ(Written()[Offset::RetardValue], 95);
}

TEST_F(PagesTest, OutOfRangeCorrectionIsKeptUntilItsBoxIsEdited)
{
    image[Offset::DruckCorrection] = 5;
    Show(PageIndex::Korekce);
    EXPECT_EQ(Spin("EditTlakKor[0]")->value(), 10);
    EXPECT_EQ(Written()[Offset::DruckCorrection], 5);
    Spin("EditTlakKor[0]")->setValue(12);
    EXPECT_EQ(Written()[Offset::DruckCorrection], 12);
}

TEST_F(PagesTest, TypedValueIsTruncatedToTheStep)
{
    Show(PageIndex::Ruzne);
    Spin("EditOmez1")->setValue(1234);
    EXPECT_EQ(Written()[Offset::Limiter], 24);
}

TEST_F(PagesTest, CurvePageKeepsItsAllTick)
{
    context.pageAllFlags[3] = 1;
    Show(3);
    auto* all = tabs.findChild<QCheckBox*>("CurvePageAllCheckBox");
    EXPECT_TRUE(all->isChecked());
    all->setChecked(false);
    Written();
    EXPECT_EQ(context.pageAllFlags[3], 0);
}

// A colour set behind the painter's back shows whether it repaints a control.
void Stain(QWidget* control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, Qt::magenta);
    control->setPalette(palette);
}

TEST_F(PagesTest, MarkingRepaintsOnlyControlsWhoseColourChanges)
{
    Show(0);
    OperatingPointMarks marks;
    marks.tables = MarkedTables::Curve;
    marks.curve.row = 2;
    marks.curve.column = 5;
    pages->PaintMarking(marks);
    const QColor lime(0, 255, 0);
    EXPECT_EQ(Spin("CurveCellEdit[2][5]")->palette().color(QPalette::Base), lime);
    EXPECT_EQ(Spin("CurveRpmEdit[5]")->palette().color(QPalette::Base), lime);
    EXPECT_EQ(tabs.findChild<QLabel*>("CurveRowLabel[2]")->palette().color(QPalette::Window), lime);

    Stain(Spin("CurveCellEdit[0][0]"));
    Stain(Spin("CurveCellEdit[2][5]"));
    pages->PaintMarking(marks);
    EXPECT_EQ(Spin("CurveCellEdit[0][0]")->palette().color(QPalette::Base), QColor(Qt::magenta));
    EXPECT_EQ(Spin("CurveCellEdit[2][5]")->palette().color(QPalette::Base), QColor(Qt::magenta));

    marks.curve.row = 3;
    pages->PaintMarking(marks);
    EXPECT_NE(Spin("CurveCellEdit[2][5]")->palette().color(QPalette::Base), lime);
    EXPECT_NE(Spin("CurveCellEdit[2][5]")->palette().color(QPalette::Base), QColor(Qt::magenta));
    EXPECT_EQ(Spin("CurveCellEdit[3][5]")->palette().color(QPalette::Base), lime);
    EXPECT_EQ(Spin("CurveCellEdit[0][0]")->palette().color(QPalette::Base), QColor(Qt::magenta));

    marks.curve.column.reset();
    pages->PaintMarking(marks);
    EXPECT_NE(Spin("CurveCellEdit[3][5]")->palette().color(QPalette::Base), lime);
    EXPECT_NE(Spin("CurveRpmEdit[5]")->palette().color(QPalette::Base), lime);
    EXPECT_EQ(tabs.findChild<QLabel*>("CurveRowLabel[3]")->palette().color(QPalette::Window), lime);
}

TEST_F(PagesTest, CouplingModesShapeTheGridAndTabs)
{
    image[Offset::IgnMode] = ModeCoupled;
    Show(1);
    auto* grid = tabs.findChild<QGroupBox*>("CurveGroupBox");
    auto* label = tabs.findChild<QLabel*>("CouplingLabel");
    EXPECT_TRUE(Spin("CurveCellEdit[0][0]")->isReadOnly());
    EXPECT_EQ(Spin("CurveCellEdit[0][0]")->buttonSymbols(), QAbstractSpinBox::NoButtons);
    EXPECT_TRUE(tabs.findChild<QWidget*>("CurvePlusButton")->isHidden());
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), "  1->2->3  ");

    image[Offset::IgnMode] = ModeCommon;
    Show(0);
    EXPECT_TRUE(grid->isEnabled());
    EXPECT_FALSE(Spin("CurveCellEdit[0][0]")->isReadOnly());
    EXPECT_EQ(Spin("CurveCellEdit[0][0]")->buttonSymbols(), QAbstractSpinBox::UpDownArrows);
    EXPECT_EQ(label->text(), "  1=2=3  ");
    EXPECT_FALSE(tabs.isTabVisible(1));
    EXPECT_FALSE(tabs.isTabVisible(2));
    EXPECT_TRUE(tabs.isTabVisible(4));

    image[Offset::IgnMode] = ModeSeparate;
    Show(0);
    EXPECT_TRUE(label->isHidden());
}

TEST_F(PagesTest, ServoGroupFollowsTheEnableByte)
{
    image[Offset::ServoEnable] = 0;
    Show(PageIndex::Servo);
    auto* group = tabs.findChild<QGroupBox*>("GroupBoxServo");
    EXPECT_TRUE(group->isHidden());
    tabs.findChild<QCheckBox*>("CheckBoxServoEnable")->setChecked(true);
    ParameterImage written = Written();
    EXPECT_EQ(written[Offset::ServoEnable], 1);
    EXPECT_FALSE(group->isHidden());
}

TEST_F(PagesTest, ControlsReportWhatTheUserDid)
{
    Show(0);
    QStringList seen;
    QObject::connect(pages, &PageEvents::EditCommitted, [&] { seen << "commit"; });
    QObject::connect(pages, &PageEvents::CurveColumnStepped,
                     [&](int column, bool up) { seen << QStringLiteral("column %1 %2").arg(column).arg(up); });
    QObject::connect(pages, &PageEvents::ZakazCteniClicked,
                     [&](bool checked) { seen << QStringLiteral("zakaz %1").arg(checked); });
    QObject::connect(pages, &PageEvents::CheckBoxReleased, [&] { seen << "released"; });
    QObject::connect(pages, &PageEvents::PageChanged,
                     [&](int page) { seen << QStringLiteral("page %1").arg(page); });

    Spin("CurveCellUpDown[1][1]")->stepBy(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(Spin("CurveCellEdit[1][1]"), &enter);
    tabs.findChild<QWidget*>("CurveSpinButton[3]")->findChild<QToolButton*>("Down")->click();
    tabs.findChild<QCheckBox*>("CheckBoxZakazCteni")->click();
    tabs.setCurrentIndex(PageIndex::Knock);
    EXPECT_EQ(seen, QStringList({"commit", "commit", "column 3 0", "zakaz 1", "released", "page 11"}));
}

TEST_F(PagesTest, EveryDesignNameIsFound)
{
    const QStringList names = {
        "CurveGroupBox", "CurveRpmLabel", "CurveTpsLabel", "CurveRowLabel[9]", "CurveMinusButton",
        "CurvePlusButton", "CurvePageAllCheckBox", "CouplingLabel", "CurveSpinButton[14]",
        "GroupBoxKnock", "LabelKnockRow[8]", "ComboBoxRefFrek[14]", "ComboBoxLevel[0]",
        "CheckBoxKnockGain[14]", "LabelKnockCylinder[2]", "BevelKnock[1]", "GroupBoxPolohaA",
        "GroupBoxPolohaB", "LabelPolohaA_1", "LabelPolohaB_2", "RadioGroupPolohaA",
        "RadioGroupPolohaB", "CheckBoxAll_PolohaA", "ButtonMinus_PolohaB", "ButtonPlus_PolohaA",
        "GroupBoxServo", "LabelServoRpm", "LabelServoNap", "CheckBoxServoEnable",
        "CheckBoxAll_Servo", "ButtonMinus_Servo", "ButtonPlus_Servo", "CheckBoxPowerOut3Inv",
        "ComboBoxBike", "CheckBoxZakazCteni", "CheckBoxRpm2Krat", "CheckBoxAktLimiter1",
        "CheckBoxAktRpm", "CheckBoxAktTlakOleje", "ButtonTps0", "ButtonTps100", "LabelVerze3",
        "CheckBoxProgHned", "GroupBoxTlak", "GroupBoxRetard", "GroupBoxVodaVzduch",
        "GroupBoxSytic", "LabelSyticCas0", "LabelSyticKorekce4", "LabelTlakTlak", "LabelTlakKor",
        "LabelRetardTemp", "LabelRetardRetard"};
    for (const QString& name : names) {
        EXPECT_NE(tabs.findChild<QObject*>(name), nullptr) << name.toStdString();
    }
    const QStringList pairs = {
        "CurveRpm[14]", "CurveCell[9][14]", "KnockRpm[0]", "KnockStart[14]", "KnockEnd[3]",
        "KnockAlarm[7]", "PolohaARpm[14]", "PolohaA[0]", "PolohaBRpm[3]", "PolohaB[14]",
        "ServoRpm[0]", "ServoNap[14]", "ServoHyster", "PowerOut1a", "PowerOut3b", "Omez1",
        "Omez3", "Tps0", "Tps100", "AkcelPrah", "AkcelJet", "StartJet", "TempWarning",
        "TlakTlak[9]", "TlakKor[0]", "RetardTemp[9]", "RetardRetard[0]", "Voda[4]", "Vzduch[0]",
        "SyticCas1", "SyticCas4", "SyticKorekce0", "SyticKorekce3"};
    for (const QString& pair : pairs) {
        const bool curve = pair.startsWith("Curve");
        const QString stem = curve ? pair.mid(5) : pair;
        const QString base = stem.left(stem.indexOf('[') < 0 ? stem.size() : stem.indexOf('['));
        const QString index = stem.mid(base.size());
        const QString edit = curve ? "Curve" + base + "Edit" + index : "Edit" + pair;
        const QString upDown = curve ? "Curve" + base + "UpDown" + index : "UpDown" + pair;
        QSpinBox* box = Spin(edit);
        ASSERT_NE(box, nullptr) << edit.toStdString();
        EXPECT_EQ(box->objectName(), edit);
        EXPECT_EQ(Spin(upDown), box) << upDown.toStdString();
        EXPECT_NE(tabs.findChild<QObject*>(upDown), nullptr) << upDown.toStdString();
    }
}

}  // namespace
}  // namespace torvana
