#include "ui/pages/VariousPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/pages/PageCaptions.h"
#include "ui/pages/RadioGroup.h"

namespace torvana {

namespace {

constexpr QRect OtherGeometry{5, 5, 340, 245};
constexpr QRect ActivationGeometry{355, 5, 250, 110};
constexpr QRect TpsGeometry{355, 125, 250, 90};
constexpr QRect AkcelGeometry{615, 5, 250, 90};
constexpr QRect TempWarningGeometry{615, 105, 250, 55};
constexpr QRect StartJetGeometry{615, 170, 250, 55};
constexpr QRect VersionGeometry{5, 260, 340, 100};
constexpr int LabelLeft = 10;
constexpr int LabelBelowRow = 3;
constexpr int FirstRowTop = 25;
constexpr int RowPitch = 30;
constexpr int EditLeft = 170;
constexpr int BikeWidth = 205;
constexpr int BikeLeft = 125;
constexpr int ZakazCteniLeft = 170;
constexpr int TpsButtonLeft = 95;
constexpr QSize TpsButtonSize{90, 26};
constexpr int ButtonRaise = 2;  // buttons are taller than the edit beside them
constexpr int SmallGroupEditLeft = 10;
constexpr int SmallGroupUnitLeft = 75;
constexpr int VersionPitch = 22;
constexpr int CaptionGap = 6;  // between a caption and the control it names
constexpr int GroupGap = 10;

// Left edge for controls beside captions: the designed edge, or further
// right when a translation needs more room.
int ColumnAfter(const QWidget* caption, int designedLeft)
{
    return std::max(designedLeft, caption->geometry().right() + 1 + CaptionGap);
}

// Widens a group so its right-hand controls keep the designed margin.
void FitGroupWidth(QWidget* group, int controlsRight)
{
    group->resize(std::max(group->width(), controlsRight + LabelLeft), group->height());
}

// Keys on the closed variant list: Enter moves on and commits, as in an edit
// box. Stepping and type-ahead are swallowed, since a new variant offers to
// replace the whole set; the variant is chosen in the open list (F4, Alt+Down).
class VariantListKeys : public QObject {
public:
    VariantListKeys(QWidget* control, PageEvents& events) : QObject(control), events(events)
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* control = static_cast<QWidget*>(watched);
            if (auto* next = control->nextInFocusChain()) {
                next->setFocus(Qt::TabFocusReason);
            }
            emit events.EditCommitted();
            return true;
        }
        return Steps(*press);
    }

private:
    static bool Steps(const QKeyEvent& press)
    {
        switch (press.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            return !(press.modifiers() & Qt::AltModifier);
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        case Qt::Key_Space:
            return false;
        default:
            return !press.text().isEmpty() && press.text().front().isPrint();
        }
    }

    PageEvents& events;
};

// A group of a column right of another, moved on when that one has grown.
QGroupBox* MakeRightGroup(QWidget* sheet, const char* name, QRect geometry, int left)
{
    geometry.moveLeft(std::max(geometry.left(), left));
    return MakeGroup(sheet, name, geometry);
}

QCheckBox* MakeReleasingCheckBox(QWidget* parent, const char* name, QPoint position, PageEvents& events)
{
    auto* box = MakeCheckBox(parent, name, position);
    QObject::connect(box, &QCheckBox::clicked, &events, [&events] { emit events.CheckBoxReleased(); });
    return box;
}

int RowTop(int row) { return FirstRowTop + RowPitch * row; }

// Returns the left edge of the next column.
int BuildOther(VariousPageControls& page, QWidget* sheet, PageEvents& events)
{
    QWidget* box = MakeGroup(sheet, "GroupBoxOther", OtherGeometry);
    const QLabel* bikeLabel = MakeLabel(box, "LabelBike", QPoint(LabelLeft, RowTop(0) + LabelBelowRow));
    page.bike = new QComboBox(box);
    page.bike->setObjectName("ComboBoxBike");
    page.bike->addItems(PageItems("ComboBoxBike"));
    WheelNeedsFocus(page.bike);
    const int bikeLeft = ColumnAfter(bikeLabel, BikeLeft);
    page.bike->setGeometry(bikeLeft, RowTop(0), BikeLeft + BikeWidth - bikeLeft, page.bike->sizeHint().height());
    FitWidestItems(page.bike);
    FitGroupWidth(box, page.bike->geometry().right() + 1);
    QObject::connect(page.bike, &QComboBox::activated, &events,
                     [&events](int bike) { emit events.BikeChanged(bike); });
    new VariantListKeys(page.bike, events);

    int editLeft = EditLeft;
    for (int n = 0; n < LimiterCount; ++n) {
        const QLabel* label = MakeLabel(box, "LabelOmez" + QString::number(n + 1),
                                        QPoint(LabelLeft, RowTop(n + 1) + LabelBelowRow));
        editLeft = ColumnAfter(label, editLeft);
    }
    for (int n = 0; n < LimiterCount; ++n) {
        const QString number = QString::number(n + 1);
        page.limiters[n] = MakeCommittingSpinBox(box, "EditOmez" + number, "UpDownOmez" + number,
                                                 CommitOnExit, QPoint(editLeft, RowTop(n + 1)), events);
    }
    constexpr int SwitchRow = LimiterCount + 1;
    page.rpm2Krat = MakeReleasingCheckBox(box, "CheckBoxRpm2Krat", QPoint(LabelLeft, RowTop(SwitchRow)), events);
    page.zakazCteni = MakeCheckBox(
        box, "CheckBoxZakazCteni", QPoint(ColumnAfter(page.rpm2Krat, ZakazCteniLeft), RowTop(SwitchRow)));
    QObject::connect(page.zakazCteni, &QCheckBox::clicked, &events, [&events](bool checked) {
        emit events.ZakazCteniClicked(checked);
        emit events.CheckBoxReleased();
    });
    page.progHned = MakeReleasingCheckBox(box, "CheckBoxProgHned", QPoint(LabelLeft, RowTop(SwitchRow + 1)), events);
    return box->geometry().right() + 1 + GroupGap;
}

void BuildSwitchesAndSensors(VariousPageControls& page, QWidget* sheet, int left, PageEvents& events)
{
    QWidget* activation = MakeRightGroup(sheet, "GroupBoxActivation", ActivationGeometry, left);
    page.aktLimiter1 = MakeReleasingCheckBox(activation, "CheckBoxAktLimiter1", QPoint(LabelLeft, RowTop(0)), events);
    page.aktRpm = MakeReleasingCheckBox(activation, "CheckBoxAktRpm", QPoint(LabelLeft, RowTop(1)), events);
    page.aktTlakOleje = MakeReleasingCheckBox(activation, "CheckBoxAktTlakOleje", QPoint(LabelLeft, RowTop(2)), events);

    QWidget* tps = MakeRightGroup(sheet, "GroupBoxTps", TpsGeometry, left);
    constexpr unsigned ExitOrClick = CommitOnExit | CommitOnClick;
    page.tps0 = MakeCommittingSpinBox(tps, "EditTps0", "UpDownTps0", ExitOrClick,
                                      QPoint(SmallGroupEditLeft, RowTop(0)), events);
    page.tps100 = MakeCommittingSpinBox(tps, "EditTps100", "UpDownTps100", ExitOrClick,
                                        QPoint(SmallGroupEditLeft, RowTop(1)), events);
    page.tps0Button = MakeButton(tps, "ButtonTps0", QPoint(TpsButtonLeft, RowTop(0) - ButtonRaise), TpsButtonSize);
    page.tps100Button = MakeButton(tps, "ButtonTps100", QPoint(TpsButtonLeft, RowTop(1) - ButtonRaise), TpsButtonSize);
    QObject::connect(page.tps0Button, &QPushButton::clicked, &events, [&events] { emit events.Tps0Clicked(); });
    QObject::connect(page.tps100Button, &QPushButton::clicked, &events, [&events] { emit events.Tps100Clicked(); });

    const int rightColumn = std::max(activation->geometry().right(), tps->geometry().right()) + 1 + GroupGap;
    QWidget* akcel = MakeRightGroup(sheet, "GroupBoxAkcel", AkcelGeometry, rightColumn);
    constexpr int AkcelEditLeft = 160;
    const QLabel* prahLabel = MakeLabel(akcel, "LabelAkcelPrah", QPoint(LabelLeft, RowTop(0) + LabelBelowRow));
    const QLabel* jetLabel = MakeLabel(akcel, "LabelAkcelJet", QPoint(LabelLeft, RowTop(1) + LabelBelowRow));
    const int akcelEditLeft = ColumnAfter(jetLabel, ColumnAfter(prahLabel, AkcelEditLeft));
    page.akcelPrah = MakeCommittingSpinBox(akcel, "EditAkcelPrah", "UpDownAkcelPrah", ExitOrClick,
                                           QPoint(akcelEditLeft, RowTop(0)), events);
    page.akcelJet = MakeCommittingSpinBox(akcel, "EditAkcelJet", "UpDownAkcelJet", ExitOrClick,
                                          QPoint(akcelEditLeft, RowTop(1)), events);
    FitGroupWidth(akcel, page.akcelPrah->geometry().right() + 1);

    QWidget* warning = MakeRightGroup(sheet, "GroupBoxTempWarning", TempWarningGeometry, rightColumn);
    page.tempWarning = MakeCommittingSpinBox(warning, "EditTempWarning", "UpDownTempWarning", ExitOrClick,
                                             QPoint(SmallGroupEditLeft, RowTop(0)), events);
    MakeLabel(warning, "LabelTempWarning", QPoint(SmallGroupUnitLeft, RowTop(0) + LabelBelowRow));

    QWidget* startJet = MakeRightGroup(sheet, "GroupBoxStartJet", StartJetGeometry, rightColumn);
    page.startJet = MakeCommittingSpinBox(startJet, "EditStartJet", "UpDownStartJet", ExitOrClick,
                                          QPoint(SmallGroupEditLeft, RowTop(0)), events);
    MakeLabel(startJet, "LabelStartJet", QPoint(SmallGroupUnitLeft, RowTop(0) + LabelBelowRow));

    const int columnWidth = std::max({akcel->width(), warning->width(), startJet->width()});
    for (QWidget* group : {akcel, warning, startJet}) {
        group->resize(columnWidth, group->height());
    }
}

}  // namespace

VariousPageControls BuildVariousPage(QWidget* sheet, PageEvents& events)
{
    VariousPageControls page;
    const int middleLeft = BuildOther(page, sheet, events);
    BuildSwitchesAndSensors(page, sheet, middleLeft, events);
    QWidget* version = MakeGroup(sheet, "GroupBoxVerze", VersionGeometry);
    // As wide as the group above it.
    version->resize(std::max(version->width(), middleLeft - GroupGap - VersionGeometry.left()), version->height());
    for (int n = 0; n < VersionLabelCount; ++n) {
        page.versions[n] = MakeLabel(version, "LabelVerze" + QString::number(n + 1),
                                     QPoint(LabelLeft, FirstRowTop + VersionPitch * n));
        page.versions[n]->setFixedWidth(VersionGeometry.width() - 2 * LabelLeft);
    }
    return page;
}

void ShowVariousValues(const VariousPageControls& page, const VariousPageValues& values,
                       const HeaderTexts& header, RadioGroup* radioA, RadioGroup* radioB)
{
    page.versions[0]->setText(QString::fromStdString(header.versionText));
    page.versions[1]->setText(QString::fromStdString(header.dateText));
    page.versions[2]->setText(QString::fromStdString(header.timeText));
    SetBackground(page.progHned, page.progHned->isChecked() ? Colour::Red : Colour::Normal);
    page.zakazCteni->setChecked(values.zakazCteni);
    SetBackground(page.zakazCteni, values.zakazCteni ? Colour::Red : Colour::Normal);
    page.rpm2Krat->setChecked(values.rpm2Krat);
    page.aktLimiter1->setChecked(values.aktLimiter1);
    page.aktRpm->setChecked(values.aktRpm);
    page.aktTlakOleje->setChecked(values.aktTlakOleje);
    page.bike->setCurrentIndex(values.bike);
    for (int n = 0; n < LimiterCount; ++n) {
        page.limiters[n]->Show(values.omez[n]);
    }
    page.tps0->Show(values.tps0);
    page.tps100->Show(values.tps100);
    page.akcelPrah->Show(values.akcelPrah);
    page.akcelJet->Show(values.akcelJet);
    page.startJet->Show(values.startJet);
    page.tempWarning->Show(values.tempWarning);
    radioA->SetItemIndex(values.radioPolohaA);
    radioB->SetItemIndex(values.radioPolohaB);
}

VariousPageValues ReadVariousValues(const VariousPageControls& page, const RadioGroup* radioA,
                                    const RadioGroup* radioB, const ControlReader& read)
{
    VariousPageValues values;
    values.bike = read.Item(page.bike);
    for (int n = 0; n < LimiterCount; ++n) {
        values.omez[n] = read.Number(page.limiters[n]);
    }
    values.zakazCteni = read.Tick(page.zakazCteni);
    values.rpm2Krat = read.Tick(page.rpm2Krat);
    values.aktLimiter1 = read.Tick(page.aktLimiter1);
    values.aktRpm = read.Tick(page.aktRpm);
    values.aktTlakOleje = read.Tick(page.aktTlakOleje);
    values.tps0 = read.Number(page.tps0);
    values.tps100 = read.Number(page.tps100);
    values.akcelPrah = read.Number(page.akcelPrah);
    values.akcelJet = read.Number(page.akcelJet);
    values.startJet = read.Number(page.startJet);
    values.tempWarning = read.Number(page.tempWarning);
    values.radioPolohaA = read.Item(radioA);
    values.radioPolohaB = read.Item(radioB);
    return values;
}

}  // namespace torvana
