#include "ui/pages/EditorPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QScopedValueRollback>
#include <QTabWidget>

#include "link/Tracking.h"
#include "ui/binding/PageBinding.h"
#include "ui/pages/ChangeMarks.h"
#include "ui/pages/ControlReader.h"
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
#include "ui/tools/Coupling.h"
#include "ui/tools/DisplayState.h"
#include "ui/views/HeatScale.h"

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
    : PageEvents(pageControl), pageControl(pageControl), painter(std::make_unique<MarkingPainter>()),
      changeMarks(std::make_unique<ChangeMarks>())
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
    TrackChanges();
}

void EditorPages::TrackChanges()
{
    // A value set by anything but a fill, or a user's touch that may leave
    // the value as it was (typing the limit over a limited value).
    const auto record = [this](const QObject* control) {
        return [this, control] {
            if (!filling) {
                changed.insert(control);
            }
        };
    };
    for (auto* box : pageControl->findChildren<UpDownSpinBox*>()) {
        connect(box, &QSpinBox::valueChanged, this, record(box));
        connect(box->findChild<QLineEdit*>(), &QLineEdit::textEdited, this, record(box));
    }
    for (auto* list : pageControl->findChildren<QComboBox*>()) {
        connect(list, &QComboBox::currentIndexChanged, this, record(list));
        connect(list, &QComboBox::activated, this, record(list));
    }
    for (auto* box : pageControl->findChildren<QCheckBox*>()) {
        connect(box, &QCheckBox::toggled, this, record(box));
    }
    for (auto* group : pageControl->findChildren<RadioGroup*>()) {
        connect(group, &RadioGroup::ItemClicked, this, record(group));
    }
}

EditorPages::~EditorPages() = default;

int EditorPages::ActivePageIndex() const
{
    return pageControl->currentIndex();
}

void EditorPages::FillActivePage(const ParameterImage& image, const PageContext& context)
{
    const QScopedValueRollback<bool> fill(filling, true);
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
    changed.clear();
    MarkLimitedValues(context.limitedHint);
    UpdatePageDisplayState(image, active);
    if (active >= 0 && active <= PageIndex::LastCurve) {
        PaintHeat(image, active);
    }
    MarkChanges(image, context.pageAllFlags);
}

void EditorPages::RefillActivePage(const ParameterImage& image, const PageContext& context)
{
    auto* typing = qobject_cast<UpDownSpinBox*>(QApplication::focusWidget());
    const int page = ActivePageIndex();
    const std::optional<QString> typed = typing ? typing->TypedText() : std::nullopt;
    FillActivePage(image, context);
    if (typed && page == ActivePageIndex() && !typing->isReadOnly() && typing->isVisible()) {
        typing->KeepTyped(*typed);
        changed.insert(typing);
    }
}

void EditorPages::MarkLimitedValues(const std::string& hint)
{
    QWidget* sheet = pageControl->currentWidget();
    if (sheet == nullptr) {
        return;
    }
    const QString text = QString::fromStdString(hint);
    for (auto* box : sheet->findChildren<UpDownSpinBox*>()) {
        const std::optional<int> stored = box->LimitedFrom();
        painter->SetLimited(box, stored.has_value());
        box->setToolTip(stored ? text.arg(*stored) : QString());
    }
}

void EditorPages::WriteActivePage(ParameterImage& image, CurvePageFlags& pageAllFlags) const
{
    if (!filledPage) {
        return;
    }
    const int active = *filledPage;
    const ChangedReader edits(changed);
    if (active >= 0 && active <= PageIndex::LastCurve) {
        WriteCurvePage(image, active, pageAllFlags);
    } else if (active == PageIndex::Poloha) {
        const PositionPageValues mask = ReadPositionValues(*positionPage, edits);
        torvana::WritePositionPage(ReadPositionValues(*positionPage), image, &mask);
    } else if (active == PageIndex::Servo) {
        const ServoPageValues mask = ReadServoValues(*servoPage, edits);
        torvana::WriteServoPage(ReadServoValues(*servoPage), image, &mask);
        servoPage->groupBox->setVisible(image[Offset::ServoEnable] != 0);
    } else if (active == PageIndex::Knock) {
        const KnockPageValues mask = ReadKnockValues(*knockPage, edits);
        torvana::WriteKnockPage(ReadKnockValues(*knockPage), image, &mask);
    } else if (active == PageIndex::Ruzne) {
        RadioGroup* a = positionPage->a.reference;
        RadioGroup* b = positionPage->b.reference;
        const VariousPageValues mask = ReadVariousValues(*variousPage, a, b, edits);
        torvana::WriteVariousPage(ReadVariousValues(*variousPage, a, b), image, &mask);
    } else if (active == PageIndex::Korekce) {
        const CorrectionsPageValues mask = ReadCorrectionsValues(*correctionsPage, edits);
        torvana::WriteCorrectionsPage(ReadCorrectionsValues(*correctionsPage), image, &mask);
    }
}

void EditorPages::FillCurvePage(const ParameterImage& image, int curve, const CurvePageFlags& flags)
{
    MoveCurveGrid(*curveGrid, curveSheets[curve]);
    SetCurveCellRange(*curveGrid, curve);
    const CurvePageValues values = torvana::FillCurvePage(image, curve, flags);
    for (int c = 0; c < CurveColumns; ++c) {
        curveGrid->rpmEdits[c]->Show(values.rpm[c]);
    }
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            curveGrid->cellEdits[r][c]->Show(values.cell[r][c]);
        }
    }
    curveGrid->pageAllCheckBox->setChecked(values.all);
}

CurvePageValues EditorPages::ReadCurveValues(const ControlReader& reader) const
{
    CurvePageValues values;
    for (int c = 0; c < CurveColumns; ++c) {
        values.rpm[c] = reader.Number(curveGrid->rpmEdits[c]);
    }
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            values.cell[r][c] = reader.Number(curveGrid->cellEdits[r][c]);
        }
    }
    values.all = reader.Tick(curveGrid->pageAllCheckBox);
    return values;
}

void EditorPages::WriteCurvePage(ParameterImage& image, int curve, CurvePageFlags& flags) const
{
    const CurvePageValues mask = ReadCurveValues(ChangedReader(changed));
    torvana::WriteCurvePage(ReadCurveValues(ValueReader()), curve, image, flags, &mask);
}

void EditorPages::SetChangeReference(std::optional<EditorState> reference, const ParameterImage& image,
                                     const CurvePageFlags& flags)
{
    changeReference = std::move(reference);
    MarkChanges(image, flags);
}

std::vector<const QWidget*> EditorPages::ChangeMarked() const
{
    return changeMarks->Marked();
}

void EditorPages::MarkChanges(const ParameterImage& image, const CurvePageFlags& flags)
{
    const EditorState current{image, flags};
    if (!changeReference || !filledPage || current == *changeReference) {
        changeMarks->ClearAll();
        return;
    }
    QWidget* sheet = pageControl->widget(*filledPage);
    std::vector<QWidget*> controls;
    for (auto* box : sheet->findChildren<UpDownSpinBox*>()) {
        controls.push_back(box);
    }
    for (auto* list : sheet->findChildren<QComboBox*>()) {
        controls.push_back(list);
    }
    for (auto* box : sheet->findChildren<QCheckBox*>()) {
        controls.push_back(box);
    }
    for (auto* group : sheet->findChildren<RadioGroup*>()) {
        controls.push_back(group);
    }
    const EditorState& reference = *changeReference;
    changeMarks->Mark(controls, FilledPageStore(current, reference), reference);
}

PageStore EditorPages::FilledPageStore(const EditorState& current, const EditorState& reference) const
{
    const int active = *filledPage;
    // Each page's values of both sets, converted once for all its controls.
    const auto store = [](auto read, auto fill, auto write) {
        return PageStore([read, write, a = fill(true), b = fill(false)](bool fromCurrent, const ControlReader& edits,
                                                                       EditorState& into) {
            const auto mask = read(edits);
            write(fromCurrent ? a : b, into, mask);
        });
    };
    const auto image = [&](bool fromCurrent) -> const ParameterImage& {
        return fromCurrent ? current.image : reference.image;
    };
    if (active >= 0 && active <= PageIndex::LastCurve) {
        return store([this](const ControlReader& edits) { return ReadCurveValues(edits); },
                     [&](bool c) { return torvana::FillCurvePage(image(c), active, c ? current.flags : reference.flags); },
                     [active](const CurvePageValues& v, EditorState& into, const CurvePageValues& mask) {
                         torvana::WriteCurvePage(v, active, into.image, into.flags, &mask);
                     });
    }
    if (active == PageIndex::Poloha) {
        return store([this](const ControlReader& edits) { return ReadPositionValues(*positionPage, edits); },
                     [&](bool c) { return FillPositionPage(image(c)); },
                     [](const PositionPageValues& v, EditorState& into, const PositionPageValues& mask) {
                         WritePositionPage(v, into.image, &mask);
                     });
    }
    if (active == PageIndex::Servo) {
        return store([this](const ControlReader& edits) { return ReadServoValues(*servoPage, edits); },
                     [&](bool c) { return FillServoPage(image(c)); },
                     [](const ServoPageValues& v, EditorState& into, const ServoPageValues& mask) {
                         WriteServoPage(v, into.image, &mask);
                     });
    }
    if (active == PageIndex::Knock) {
        return store([this](const ControlReader& edits) { return ReadKnockValues(*knockPage, edits); },
                     [&](bool c) { return FillKnockPage(image(c)); },
                     [](const KnockPageValues& v, EditorState& into, const KnockPageValues& mask) {
                         WriteKnockPage(v, into.image, &mask);
                     });
    }
    if (active == PageIndex::Ruzne) {
        return store(
            [this](const ControlReader& edits) {
                return ReadVariousValues(*variousPage, positionPage->a.reference, positionPage->b.reference, edits);
            },
            [&](bool c) { return FillVariousPage(image(c)); },
            [](const VariousPageValues& v, EditorState& into, const VariousPageValues& mask) {
                WriteVariousPage(v, into.image, &mask);
            });
    }
    return store([this](const ControlReader& edits) { return ReadCorrectionsValues(*correctionsPage, edits); },
                 [&](bool c) { return FillCorrectionsPage(image(c)); },
                 [](const CorrectionsPageValues& v, EditorState& into, const CorrectionsPageValues& mask) {
                     WriteCorrectionsPage(v, into.image, &mask);
                 });
}

void EditorPages::ShowHeatMap(bool shown, const ParameterImage& image)
{
    heatMap = shown;
    PaintCellShades(image);
}

void EditorPages::SetCellShades(CellShades shades, const ParameterImage& image)
{
    cellShades = std::move(shades);
    PaintCellShades(image);
}

void EditorPages::PaintCellShades(const ParameterImage& image)
{
    const int active = ActivePageIndex();
    if (active >= 0 && active <= PageIndex::LastCurve) {
        PaintHeat(image, active);
    }
}

void EditorPages::PaintHeat(const ParameterImage& image, int curve)
{
    const bool plain = SlaveView(image, curve) || (!heatMap && !cellShades);
    const HeatDomain domain = HeatDomainFor(image, curve);
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            std::optional<QColor> colour;
            if (!plain && cellShades) {
                colour = cellShades(curve, r, c);
            } else if (!plain) {
                const HeatRgb rgb = HeatColour(HeatLevel(image[CurveCellOffset(curve, r, c)], domain));
                colour = QColor(rgb.red, rgb.green, rgb.blue);
            }
            painter->SetHeat(curveGrid->cellEdits[r][c], colour);
        }
    }
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
    const QScopedValueRollback<bool> newTexts(filling, true);
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
