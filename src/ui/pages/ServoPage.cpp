#include "ui/pages/ServoPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/Hint.h"
#include "ui/pages/PageCaptions.h"

namespace torvana {

namespace {

constexpr QRect ServoGroupGeometry{5, 5, 970, 135};
constexpr int RowLabelLeft = 8;
constexpr int RpmRowTop = 28;
constexpr int VoltageRowTop = 60;
constexpr int LabelBelowRow = 3;
constexpr QPoint AllAt{44, 100};
constexpr QPoint MinusAt{110, 94};
constexpr QSize StepButtonSize{30, 28};
constexpr int PlusShift = 40;
constexpr QPoint EnableAt{10, 152};
constexpr QPoint HysterLabelAt{160, 153};
constexpr QPoint HysterAt{310, 150};
constexpr QRect PowerOutGeometry{5, 185, 420, 150};
constexpr QPoint PowerOutHeaderAt{90, 22};
constexpr int PowerOutColumnPitch = 110;
constexpr int PowerOutRowTop = 45;
constexpr int PowerOutRowPitch = 32;
constexpr int PowerOutLabelLeft = 10;
constexpr int ReversedShift = 20;

void ConnectRelease(QCheckBox* box, PageEvents& events)
{
    QObject::connect(box, &QCheckBox::clicked, &events, [&events] { emit events.CheckBoxReleased(); });
}

void BuildPowerOutputs(ServoPageControls& page, QWidget* sheet, PageEvents& events)
{
    page.powerOutGroup = new QGroupBox(PageCaption("GroupBoxPowerOut"), sheet);
    page.powerOutGroup->setObjectName("GroupBoxPowerOut");
    page.powerOutGroup->setGeometry(PowerOutGeometry);
    QWidget* box = page.powerOutGroup;
    const std::array<const char*, 3> headers = {"LabelPowerOutLevel1", "LabelPowerOutLevel2",
                                                "LabelPowerOutInv"};
    for (int h = 0; h < static_cast<int>(headers.size()); ++h) {
        MakeLabel(box, headers[h], PowerOutHeaderAt + QPoint(PowerOutColumnPitch * h, 0));
    }
    for (int n = 0; n < PowerOutputCount; ++n) {
        const int top = PowerOutRowTop + PowerOutRowPitch * n;
        const QString number = QString::number(n + 1);
        MakeLabel(box, IndexedName("LabelPowerOutRow", n), QPoint(PowerOutLabelLeft, top + LabelBelowRow));
        page.level1[n] = MakeCommittingSpinBox(box, "EditPowerOut" + number + "a",
                                               "UpDownPowerOut" + number + "a", CommitOnExit,
                                               QPoint(PowerOutHeaderAt.x(), top), events);
        page.level2[n] = MakeCommittingSpinBox(
            box, "EditPowerOut" + number + "b", "UpDownPowerOut" + number + "b", CommitOnExit,
            QPoint(PowerOutHeaderAt.x() + PowerOutColumnPitch, top), events);
        page.reversed[n] = MakeCheckBox(
            box, "CheckBoxPowerOut" + number + "Inv",
            QPoint(PowerOutHeaderAt.x() + 2 * PowerOutColumnPitch + ReversedShift, top + LabelBelowRow));
        ConnectRelease(page.reversed[n], events);
    }
}

}  // namespace

ServoPageControls BuildServoPage(QWidget* sheet, PageEvents& events)
{
    ServoPageControls page;
    page.groupBox = new QGroupBox(PageCaption("GroupBoxServo"), sheet);
    page.groupBox->setObjectName("GroupBoxServo");
    page.groupBox->setGeometry(ServoGroupGeometry);
    QWidget* box = page.groupBox;
    page.rpmLabel = MakeLabel(box, "LabelServoRpm", QPoint(RowLabelLeft, RpmRowTop + LabelBelowRow));
    page.voltageLabel = MakeLabel(box, "LabelServoNap", QPoint(RowLabelLeft, VoltageRowTop + LabelBelowRow));
    page.rpm = MakeSpinRow(box, "EditServoRpm", "UpDownServoRpm", RpmRowTop, events);
    page.voltage = MakeSpinRow(box, "EditServoNap", "UpDownServoNap", VoltageRowTop, events);

    page.all = MakeCheckBox(box, "CheckBoxAll_Servo", AllAt);
    page.minus = MakeButton(box, "ButtonMinus_Servo", MinusAt, StepButtonSize);
    page.plus = MakeButton(box, "ButtonPlus_Servo", MinusAt + QPoint(PlusShift, 0), StepButtonSize);
    ApplyHint(page.minus, QStringLiteral("Take off 20 mV"));
    ApplyHint(page.plus, QStringLiteral("Add 20 mV"));
    QObject::connect(page.minus, &QPushButton::clicked, &events, [&events] { emit events.ServoStepClicked(false); });
    QObject::connect(page.plus, &QPushButton::clicked, &events, [&events] { emit events.ServoStepClicked(true); });

    page.enable = MakeCheckBox(sheet, "CheckBoxServoEnable", EnableAt);
    ConnectRelease(page.enable, events);
    page.hysterLabel = MakeLabel(sheet, "LabelServoHyster", HysterLabelAt);
    page.hyster = MakeCommittingSpinBox(sheet, "EditServoHyster", "UpDownServoHyster",
                                        CommitOnExit, HysterAt, events);
    BuildPowerOutputs(page, sheet, events);
    return page;
}

void ShowServoValues(const ServoPageControls& page, const ServoPageValues& values)
{
    for (int i = 0; i < RowLength; ++i) {
        page.rpm[i]->Show(values.servoRpm[i]);
        page.voltage[i]->Show(values.servoNap[i]);
    }
    page.hyster->Show(values.servoHyster);
    page.enable->setChecked(values.servoEnable);
    for (int n = 0; n < PowerOutputCount; ++n) {
        page.level1[n]->Show(values.powerOutA[n]);
        page.level2[n]->Show(values.powerOutB[n]);
        page.reversed[n]->setChecked(values.powerOutInv[n]);
    }
}

ServoPageValues ReadServoValues(const ServoPageControls& page, const ControlReader& read)
{
    ServoPageValues values;
    for (int i = 0; i < RowLength; ++i) {
        values.servoRpm[i] = read.Number(page.rpm[i]);
        values.servoNap[i] = read.Number(page.voltage[i]);
    }
    values.servoHyster = read.Number(page.hyster);
    values.servoEnable = read.Tick(page.enable);
    for (int n = 0; n < PowerOutputCount; ++n) {
        values.powerOutA[n] = read.Number(page.level1[n]);
        values.powerOutB[n] = read.Number(page.level2[n]);
        values.powerOutInv[n] = read.Tick(page.reversed[n]);
    }
    return values;
}

}  // namespace torvana
