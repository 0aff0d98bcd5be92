#include "ui/pages/EditorPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "link/Tracking.h"
#include "ui/binding/PageBinding.h"
#include "ui/pages/CorrectionsPage.h"
#include "ui/pages/CurveGrid.h"
#include "ui/pages/KnockPage.h"
#include "ui/pages/MarkingPainter.h"
#include "ui/pages/PageCaptions.h"
#include "ui/pages/PageWidgets.h"
#include "ui/pages/PositionPage.h"
#include "ui/pages/RadioGroup.h"
#include "ui/pages/ServoPage.h"
#include "ui/pages/VariousPage.h"
#include "ui/tools/DisplayState.h"

namespace torvana {

namespace {

QWidget* AddSheet(QTabWidget* pageControl, const QString& name, int index = -1)
{
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    pageControl->insertTab(index, sheet, PageCaption(name));
    return sheet;
}

}  // namespace

EditorPages::EditorPages(QTabWidget* pageControl)
    : PageEvents(pageControl), pageControl(pageControl), painter(std::make_unique<MarkingPainter>())
{
    QWidget* poloha = AddSheet(pageControl, "TabSheet_Poloha");
    QWidget* servo = AddSheet(pageControl, "TabSheet_Servo");
    QWidget* ruzne = AddSheet(pageControl, "TabSheet_Ruzne");
    QWidget* korekce = AddSheet(pageControl, "TabSheet_Korekce");

    // The knock page goes in front of TabSheet_Ruzne, the curve pages in front of all.
    QWidget* knock = AddSheet(pageControl, "KnockTabSheet", pageControl->indexOf(ruzne));
    knockPage = std::make_unique<KnockPageControls>(BuildKnockPage(knock, *this));
    for (int t = 0; t < CurveCount; ++t) {
        curveSheets[t] = AddSheet(pageControl, IndexedName("CurveTabSheet", t), t);
    }
    const int active = ActivePageIndex();
    curveGrid = std::make_unique<CurveGridControls>(
        BuildCurveGrid(curveSheets[active <= PageIndex::LastCurve ? active : 0], *this));
    SetCurveCellRange(*curveGrid, active <= PageIndex::LastCurve ? active : 0);

    positionPage = std::make_unique<PositionPageControls>(BuildPositionPage(poloha, *this));
    servoPage = std::make_unique<ServoPageControls>(BuildServoPage(servo, *this));
    variousPage = std::make_unique<VariousPageControls>(BuildVariousPage(ruzne, *this));
    correctionsPage = std::make_unique<CorrectionsPageControls>(BuildCorrectionsPage(korekce, *this));

    connect(pageControl, &QTabWidget::currentChanged, this, &PageEvents::PageChanged);
}

EditorPages::~EditorPages() = default;

int EditorPages::ActivePageIndex() const
{
    return pageControl->currentIndex();
}

void EditorPages::FillActivePage(const ParameterImage& image, const PageContext& context)
{
    // The controls are stale from here on: a commit raised while the fill
    // moves pages or focus must not write them back.
    filledPage.reset();
    int active = ActivePageIndex();
    if (const std::optional<int> first = torvana::UpdateDisplayState(image, active).moveToPage) {
        // The follower's tab is about to be hidden: go to its group's first
        // page, as a mode choice does, before the tab bar picks any other.
        const QSignalBlocker blocker(pageControl);
        pageControl->setCurrentIndex(*first);
        active = *first;
    }
    if (active >= 0 && active <= PageIndex::LastCurve) {
        FillCurvePage(image, active, context.pageAllFlags);
    } else if (active == PageIndex::Poloha) {
        ShowPositionValues(*positionPage, torvana::FillPositionPage(image));
    } else if (active == PageIndex::Servo) {
        ShowServoValues(*servoPage, torvana::FillServoPage(image));
    } else if (active == PageIndex::Knock) {
        ShowKnockValues(*knockPage, torvana::FillKnockPage(image));
    } else if (active == PageIndex::Ruzne) {
        ShowVariousValues(*variousPage, torvana::FillVariousPage(image), context.header,
                          positionPage->a.reference, positionPage->b.reference);
    } else if (active == PageIndex::Korekce) {
        ShowCorrectionsValues(*correctionsPage, torvana::FillCorrectionsPage(image));
    }
    filledPage = active;
    UpdatePageDisplayState(image, active);
}

void EditorPages::RefillActivePage(const ParameterImage& image, const PageContext& context)
{
    auto* typing = qobject_cast<UpDownSpinBox*>(QApplication::focusWidget());
    const int page = ActivePageIndex();
    const std::optional<QString> typed = typing ? typing->TypedText() : std::nullopt;
    FillActivePage(image, context);
    if (typed && page == ActivePageIndex() && !typing->isReadOnly() && typing->isVisible()) {
        typing->KeepTyped(*typed);
    }
}

void EditorPages::WriteActivePage(ParameterImage& image, CurvePageFlags& pageAllFlags) const
{
    if (!filledPage) {
        return;
    }
    const int active = *filledPage;
    if (active >= 0 && active <= PageIndex::LastCurve) {
        WriteCurvePage(image, active, pageAllFlags);
    } else if (active == PageIndex::Poloha) {
        torvana::WritePositionPage(ReadPositionValues(*positionPage), image);
    } else if (active == PageIndex::Servo) {
        torvana::WriteServoPage(ReadServoValues(*servoPage), image);
        servoPage->groupBox->setVisible(image[Offset::ServoEnable] != 0);
    } else if (active == PageIndex::Knock) {
        torvana::WriteKnockPage(ReadKnockValues(*knockPage), image);
    } else if (active == PageIndex::Ruzne) {
        torvana::WriteVariousPage(
            ReadVariousValues(*variousPage, positionPage->a.reference, positionPage->b.reference), image);
    } else if (active == PageIndex::Korekce) {
        torvana::WriteCorrectionsPage(ReadCorrectionsValues(*correctionsPage), image);
    }
}

void EditorPages::FillCurvePage(const ParameterImage& image, int curve, const CurvePageFlags& flags)
{
    MoveCurveGrid(*curveGrid, curveSheets[curve]);
    SetCurveCellRange(*curveGrid, curve);
    const CurvePageValues values = torvana::FillCurvePage(image, curve, flags);
    for (int c = 0; c < CurveColumns; ++c) {
        curveGrid->rpmEdits[c]->setValue(values.rpm[c]);
    }
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            curveGrid->cellEdits[r][c]->setValue(values.cell[r][c]);
        }
    }
    curveGrid->pageAllCheckBox->setChecked(values.all);
}

void EditorPages::WriteCurvePage(ParameterImage& image, int curve, CurvePageFlags& flags) const
{
    CurvePageValues values;
    for (int c = 0; c < CurveColumns; ++c) {
        values.rpm[c] = curveGrid->rpmEdits[c]->value();
    }
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            values.cell[r][c] = curveGrid->cellEdits[r][c]->value();
        }
    }
    values.all = curveGrid->pageAllCheckBox->isChecked();
    torvana::WriteCurvePage(values, curve, image, flags);
}

void EditorPages::PaintMarking(const OperatingPointMarks& marks)
{
    MarkingPainter& paint = *painter;
    switch (marks.tables) {
    case MarkedTables::None:
        return;
    case MarkedTables::Curve:
        for (int c = 0; c < CurveColumns; ++c) {
            paint.Paint(curveGrid->rpmEdits[c], marks.curve.RpmEditMarked(c));
        }
        for (int r = 0; r < CurveRows; ++r) {
            paint.Paint(curveGrid->rowLabels[r], marks.curve.RowLabelMarked(r));
            for (int c = 0; c < CurveColumns; ++c) {
                paint.Paint(curveGrid->cellEdits[r][c], marks.curve.CellMarked(r, c));
            }
        }
        return;
    case MarkedTables::Position:
        for (int j = 0; j < RowLength; ++j) {
            paint.Paint(positionPage->a.rpm[j], j == marks.position.columnA);
            paint.Paint(positionPage->a.angle[j], j == marks.position.columnA);
            paint.Paint(positionPage->b.rpm[j], j == marks.position.columnB);
            paint.Paint(positionPage->b.angle[j], j == marks.position.columnB);
        }
        return;
    case MarkedTables::Servo:
        for (int j = 0; j < RowLength; ++j) {
            paint.Paint(servoPage->rpm[j], j == marks.servo.column);
            paint.Paint(servoPage->voltage[j], j == marks.servo.column);
        }
        return;
    case MarkedTables::Knock:
        for (int i = 0; i < KnockIndexCount; ++i) {
            const bool marked = i % KnockPoints == marks.knock.columns[i / KnockPoints];
            for (QWidget* control : {static_cast<QWidget*>(knockPage->rpm[i]),
                                     static_cast<QWidget*>(knockPage->knockFrek[i]),
                                     static_cast<QWidget*>(knockPage->refFrek[i]),
                                     static_cast<QWidget*>(knockPage->level[i]),
                                     static_cast<QWidget*>(knockPage->timeConst[i]),
                                     static_cast<QWidget*>(knockPage->start[i]),
                                     static_cast<QWidget*>(knockPage->end[i]),
                                     static_cast<QWidget*>(knockPage->alarm[i])}) {
                paint.Paint(control, marked);
            }
        }
        return;
    case MarkedTables::Corrections: {
        const CorrectionMarks& m = marks.corrections;
        const CorrectionsPageControls& page = *correctionsPage;
        for (int i = 0; i < PressurePoints; ++i) {
            paint.Paint(page.tlakTlak[i], i == m.pressure);
            paint.Paint(page.tlakKor[i], i == m.pressure);
        }
        for (int i = 0; i < TemperaturePoints; ++i) {
            paint.Paint(page.voda[i], i == m.water);
            paint.Paint(page.vzduch[i], i == m.air);
        }
        for (int i = 0; i < RetardPoints; ++i) {
            paint.Paint(page.retardTemp[i], i == m.airTable);
            paint.Paint(page.retardRetard[i], i == m.airTable);
        }
        paint.Paint(page.syticCas0, m.choke == 0);
        for (int i = 0; i < ChokePoints; ++i) {
            paint.Paint(page.syticCas[i], m.choke == i + 1);
            paint.Paint(page.syticKorekce[i], m.choke == i);
        }
        paint.Paint(page.syticKorekce4, m.choke == ChokePoints);
        return;
    }
    }
}

void EditorPages::UpdatePageDisplayState(const ParameterImage& image, int activePageIndex)
{
    ApplyDisplayState(UpdateDisplayState(image, activePageIndex));
}

void EditorPages::ApplyDisplayState(const DisplayState& state)
{
    for (int t = 0; t < CurveCount; ++t) {
        pageControl->setTabVisible(t, state.curveTabVisible[t]);
    }
    servoPage->groupBox->setVisible(state.servoVisible);

    CurveGridControls& grid = *curveGrid;
    grid.couplingLabel->setVisible(state.couplingLabelVisible);
    grid.couplingLabel->setText(QString::fromUtf8(state.couplingLabelText.data(),
                                                  static_cast<int>(state.couplingLabelText.size())));
    SetBackground(grid.couplingLabel, state.couplingLabelColour);
    grid.couplingLabel->adjustSize();

    // A follower's grid is read-only, not disabled: its values stay readable.
    const bool tools = state.curveToolsVisible;
    const bool editable = state.curveGroupEnabled;
    for (auto* edit : grid.rpmEdits) {
        edit->SetArrowsShown(tools);
        edit->setReadOnly(!editable);
    }
    for (const auto& row : grid.cellEdits) {
        for (auto* cell : row) {
            cell->SetArrowsShown(tools);
            cell->setReadOnly(!editable);
        }
    }
    for (auto* spin : grid.spinButtons) {
        spin->setVisible(tools);
    }
    grid.minusButton->setVisible(tools);
    grid.plusButton->setVisible(tools);
    grid.pageAllCheckBox->setVisible(tools);
}

void EditorPages::SetItemList(const QString& target, const QStringList& items)
{
    if (auto* combo = pageControl->findChild<QComboBox*>(target)) {
        const int selected = combo->currentIndex();
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(selected);
    } else if (auto* radio = pageControl->findChild<RadioGroup*>(target)) {
        radio->SetItems(items);
    }
}

bool EditorPages::ProgramAtOnceTicked() const
{
    return variousPage->progHned->isChecked();
}

void EditorPages::SetProgramAtOnce(bool ticked)
{
    variousPage->progHned->setChecked(ticked);
    SetBackground(variousPage->progHned, ticked ? Colour::Red : Colour::Normal);
}

QSpinBox* EditorPages::SpinBox(const QString& editOrUpDownName) const
{
    return FindSpinBox(pageControl, editOrUpDownName);
}

}  // namespace torvana
