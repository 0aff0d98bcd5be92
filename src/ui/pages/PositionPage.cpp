#include "ui/pages/PositionPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/Hint.h"
#include "ui/pages/PageCaptions.h"
#include "ui/pages/RadioGroup.h"

namespace torvana {

namespace {

constexpr int GroupLeft = 5;
constexpr int GroupTop = 5;
constexpr QSize GroupSize{970, 165};
constexpr int GroupPitch = 175;
constexpr int RowLabelLeft = 8;
constexpr int RpmRowTop = 28;
constexpr int AngleRowTop = 60;
constexpr int LabelBelowRow = 3;  // row captions stand 3 below the edit tops
constexpr int RowEditHeight = 24;
constexpr QRect RadioGeometry{44, 92, 330, 60};
constexpr QPoint AllAt{400, 118};
constexpr QPoint MinusAt{470, 112};
constexpr QSize StepButtonSize{30, 28};
constexpr int PlusShift = 40;

// A row caption too wide for the room before the row wraps onto two lines,
// centred on its row.
void FitRowCaption(QLabel* label, int rowTop)
{
    const int room = SpinRowLeft - RowLabelLeft;
    if (label->width() <= room) {
        return;
    }
    label->setWordWrap(true);
    label->setFixedWidth(room);
    label->setFixedHeight(label->heightForWidth(room));
    label->move(RowLabelLeft, rowTop + (RowEditHeight - label->height()) / 2);
}

PositionTableControls BuildTable(QWidget* sheet, const char* suffix, int top, PositionTable table,
                                 PageEvents& events)
{
    const auto name = [suffix](const char* stem) { return QString(stem) + suffix; };
    PositionTableControls t;
    t.groupBox = new QGroupBox(PageCaption("GroupBoxPoloha" + QString(suffix)), sheet);
    t.groupBox->setObjectName(name("GroupBoxPoloha"));
    t.groupBox->setGeometry(QRect(QPoint(GroupLeft, top), GroupSize));
    QWidget* box = t.groupBox;

    const QString rowStem = "LabelPoloha" + QString(suffix);
    t.rpmLabel = MakeLabel(box, rowStem + "_1", QPoint(RowLabelLeft, RpmRowTop + LabelBelowRow));
    t.angleLabel = MakeLabel(box, rowStem + "_2", QPoint(RowLabelLeft, AngleRowTop + LabelBelowRow));
    FitRowCaption(t.rpmLabel, RpmRowTop);
    FitRowCaption(t.angleLabel, AngleRowTop);
    const QByteArray rpmEdit = name("EditPoloha").toLatin1() + "Rpm";
    const QByteArray rpmUpDown = name("UpDownPoloha").toLatin1() + "Rpm";
    t.rpm = MakeSpinRow(box, rpmEdit.constData(), rpmUpDown.constData(), RpmRowTop, events);
    const QByteArray angleEdit = name("EditPoloha").toLatin1();
    const QByteArray angleUpDown = name("UpDownPoloha").toLatin1();
    t.angle = MakeSpinRow(box, angleEdit.constData(), angleUpDown.constData(), AngleRowTop, events);

    const QString radioName = name("RadioGroupPoloha");
    t.reference = new RadioGroup(radioName, PageCaption(radioName),
                                 PageItems(radioName), box);
    t.reference->setGeometry(RadioGeometry);
    QObject::connect(t.reference, &RadioGroup::ItemClicked, &events,
                     [&events] { emit events.PositionRadioChanged(); });

    t.all = MakeCheckBox(box, name("CheckBoxAll_Poloha"), AllAt);
    t.minus = MakeButton(box, name("ButtonMinus_Poloha"), MinusAt, StepButtonSize);
    t.plus = MakeButton(box, name("ButtonPlus_Poloha"), MinusAt + QPoint(PlusShift, 0), StepButtonSize);
    ApplyHint(t.minus, QStringLiteral("Take off 20 mV"));
    ApplyHint(t.plus, QStringLiteral("Add 20 mV"));
    QObject::connect(t.minus, &QPushButton::clicked, &events,
                     [&events, table] { emit events.PositionStepClicked(table, false); });
    QObject::connect(t.plus, &QPushButton::clicked, &events,
                     [&events, table] { emit events.PositionStepClicked(table, true); });
    return t;
}

}  // namespace

PositionPageControls BuildPositionPage(QWidget* sheet, PageEvents& events)
{
    PositionPageControls page;
    page.a = BuildTable(sheet, "A", GroupTop, PositionTable::A, events);
    page.b = BuildTable(sheet, "B", GroupTop + GroupPitch, PositionTable::B, events);
    return page;
}

void ShowPositionValues(const PositionPageControls& page, const PositionPageValues& values)
{
    for (int i = 0; i < RowLength; ++i) {
        page.a.rpm[i]->Show(values.polohaARpm[i]);
        page.a.angle[i]->Show(values.polohaA[i]);
        page.b.rpm[i]->Show(values.polohaBRpm[i]);
        page.b.angle[i]->Show(values.polohaB[i]);
    }
    page.a.reference->SetItemIndex(values.radioPolohaA);
    page.b.reference->SetItemIndex(values.radioPolohaB);
}

PositionPageValues ReadPositionValues(const PositionPageControls& page, const ControlReader& read)
{
    PositionPageValues values;
    for (int i = 0; i < RowLength; ++i) {
        values.polohaARpm[i] = read.Number(page.a.rpm[i]);
        values.polohaA[i] = read.Number(page.a.angle[i]);
        values.polohaBRpm[i] = read.Number(page.b.rpm[i]);
        values.polohaB[i] = read.Number(page.b.angle[i]);
    }
    values.radioPolohaA = read.Item(page.a.reference);
    values.radioPolohaB = read.Item(page.b.reference);
    return values;
}

}  // namespace torvana
