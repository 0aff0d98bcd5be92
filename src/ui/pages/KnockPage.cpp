#include "ui/pages/KnockPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "core/KnockLists.h"
#include "ui/pages/PageEvents.h"
#include "ui/pages/PageRanges.h"
#include "ui/pages/PageWidgets.h"
#include "ui/pages/StylePalette.h"

namespace torvana {

namespace {

constexpr int FirstColumnLeft = 90;
constexpr int ColumnPitch = 57;
constexpr int GroupGap = 15;
constexpr int RowLabelLeft = 7;
constexpr QSize RowLabelSize{82, 34};  // two lines where a caption is long
constexpr int RowLabelRaise = 7;       // centres the two lines on the row
constexpr int CompactFontSize = 8;
constexpr int ListFontSize = 7;  // fits "19.98" and "0.889" into 54 pixels
constexpr int ComboWidth = 54;
constexpr int ComboVisibleLines = 32;
constexpr int GainShift = 15;  // the tick boxes stand right of the column edge
constexpr int GainWidth = 40;
constexpr int CylinderLabelTop = 20;
constexpr int CylinderLabelShift = 114;
constexpr int BevelWidth = 5;
constexpr int BevelTop = 15;
constexpr int BevelBottomGap = 25;
constexpr std::array<int, KnockBevelCount> BevelColumns = {5, 10};
constexpr std::array<int, KnockBevelCount> BevelGaps = {12, 13};
constexpr int StartInitial = -40;
constexpr int EndInitialOffset = 20;
constexpr int AlarmInitial = 5000;

enum Row { RpmRow, KnockFrekRow, RefFrekRow, LevelRow, GainRow, TimeConstRow, StartRow, EndRow, AlarmRow };
constexpr std::array<int, KnockRowCount> RowTops = {40, 80, 120, 160, 195, 230, 270, 310, 350};

// Keeps the bevels reaching down to the bottom of the group box.
class BevelHeightKeeper : public QObject {
public:
    BevelHeightKeeper(QGroupBox* groupBox, std::array<QFrame*, KnockBevelCount> bevels)
        : QObject(groupBox), bevels(bevels)
    {
        groupBox->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            const int height = static_cast<QWidget*>(watched)->height() - BevelTop - BevelBottomGap;
            for (auto* bevel : bevels) {
                bevel->setFixedHeight(std::max(0, height));
            }
        }
        return false;
    }

private:
    std::array<QFrame*, KnockBevelCount> bevels;
};

template <std::size_t N>
QComboBox* MakeCombo(QWidget* parent, const QString& name, QPoint position,
                     const std::array<const char*, N>& items, PageEvents& events)
{
    auto* combo = new PageComboBox(parent);
    combo->setObjectName(name);
    // One insertion for the whole list: item by item, the knock page's
    // lists took a sixth of the window's start.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(N));
    for (const char* item : items) {
        texts.append(QString::fromLatin1(item));
    }
    combo->addItems(texts);
    combo->setMaxVisibleItems(ComboVisibleLines);
    QFont font = combo->font();
    font.setPointSize(ListFontSize);
    combo->setFont(font);
    combo->move(position);
    combo->setFixedWidth(ComboWidth);
    WheelNeedsFocus(combo);
    QObject::connect(combo, &QComboBox::activated, &events,
                     [&events] { emit events.EditCommitted(); });
    return combo;
}

UpDownSpinBox* MakeKnockSpin(QWidget* parent, const char* edit, const char* upDown, int column,
                             int top, PageEvents& events)
{
    auto* box = MakeSpinBox(parent, IndexedName(edit, column), IndexedName(upDown, column),
                            CommitOnClick, QPoint(KnockColumnLeft(column), top), NarrowEditWidth);
    ApplyRange(box, RangeFor(IndexedName(upDown, column)));
    QObject::connect(box, &UpDownSpinBox::CommitRequested, &events,
                     [&events] { emit events.EditCommitted(); });
    return box;
}

}  // namespace

int KnockColumnLeft(int column)
{
    return FirstColumnLeft + ColumnPitch * column + GroupGap * (column / KnockPoints);
}

KnockPageControls BuildKnockPage(QWidget* sheet, PageEvents& events)
{
    KnockPageControls knock;
    knock.groupBox = new QGroupBox(sheet);
    knock.groupBox->setObjectName("GroupBoxKnock");
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(knock.groupBox);
    QWidget* box = knock.groupBox;

    QFont compact = box->font();
    compact.setPointSize(CompactFontSize);
    box->setFont(compact);
    for (int row = 0; row < KnockRowCount; ++row) {
        QLabel* label = MakeLabel(box, IndexedName("LabelKnockRow", row),
                                  QPoint(RowLabelLeft, RowTops[row] - RowLabelRaise));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFixedSize(RowLabelSize);
        knock.rowLabels[row] = label;
    }
    for (int c = 0; c < KnockIndexCount; ++c) {
        const int left = KnockColumnLeft(c);
        knock.rpm[c] = MakeKnockSpin(box, "EditKnockRpm", "UpDownKnockRpm", c, RowTops[RpmRow], events);
        knock.knockFrek[c] = MakeCombo(box, IndexedName("ComboBoxKnockFrek", c),
                                       QPoint(left, RowTops[KnockFrekRow]), KnockFrequencyList(), events);
        knock.refFrek[c] = MakeCombo(box, IndexedName("ComboBoxRefFrek", c),
                                     QPoint(left, RowTops[RefFrekRow]), KnockFrequencyList(), events);
        knock.level[c] = MakeCombo(box, IndexedName("ComboBoxLevel", c),
                                   QPoint(left, RowTops[LevelRow]), KnockGainList(), events);
        knock.level[c]->setCurrentIndex(c);

        auto* gain = new QCheckBox(box);
        gain->setObjectName(IndexedName("CheckBoxKnockGain", c));
        gain->move(left + GainShift, RowTops[GainRow]);
        gain->setFixedWidth(GainWidth);
        QObject::connect(gain, &QCheckBox::clicked, &events,
                         [&events] { emit events.CheckBoxReleased(); });
        knock.higherGain[c] = gain;

        knock.timeConst[c] = MakeCombo(box, IndexedName("ComboBoxTimeConst", c),
                                       QPoint(left, RowTops[TimeConstRow]), KnockTimeConstantList(), events);
        knock.timeConst[c]->setCurrentIndex(c);

        knock.start[c] = MakeKnockSpin(box, "EditKnockStart", "UpDownKnockStart", c, RowTops[StartRow], events);
        knock.start[c]->setValue(StartInitial);
        knock.end[c] = MakeKnockSpin(box, "EditKnockEnd", "UpDownKnockEnd", c, RowTops[EndRow], events);
        knock.end[c]->setValue(c + EndInitialOffset);
        knock.alarm[c] = MakeKnockSpin(box, "EditKnockAlarm", "UpDownKnockAlarm", c, RowTops[AlarmRow], events);
        knock.alarm[c]->setValue(AlarmInitial);
    }
    for (int n = 0; n < KnockCylinders; ++n) {
        knock.cylinderLabels[n] =
            MakeLabel(box, IndexedName("LabelKnockCylinder", n),
                      QPoint(KnockColumnLeft(KnockPoints * n) + CylinderLabelShift, CylinderLabelTop));
    }
    for (int b = 0; b < KnockBevelCount; ++b) {
        auto* bevel = new QFrame(box);
        bevel->setObjectName(IndexedName("BevelKnock", b));
        bevel->setFrameStyle(QFrame::Box | QFrame::Raised);
        bevel->setLineWidth(1);
        bevel->setGeometry(KnockColumnLeft(BevelColumns[b]) - BevelGaps[b], BevelTop, BevelWidth, 0);
        bevel->setFixedWidth(BevelWidth);
        knock.bevels[b] = bevel;
    }
    new BevelHeightKeeper(knock.groupBox, knock.bevels);
    return knock;
}

void ShowKnockValues(const KnockPageControls& page, const KnockPageValues& values)
{
    for (int i = 0; i < KnockIndexCount; ++i) {
        page.rpm[i]->Show(values.rpm[i]);
        page.knockFrek[i]->setCurrentIndex(values.knockFrek[i]);
        page.refFrek[i]->setCurrentIndex(values.refFrek[i]);
        page.level[i]->setCurrentIndex(values.level[i]);
        page.higherGain[i]->setChecked(values.higherGain[i]);
        page.timeConst[i]->setCurrentIndex(values.timeConst[i]);
        page.start[i]->Show(values.start[i]);
        page.end[i]->Show(values.end[i]);
        page.alarm[i]->Show(values.alarm[i]);
    }
}

KnockPageValues ReadKnockValues(const KnockPageControls& page, const ControlReader& read)
{
    KnockPageValues values;
    for (int i = 0; i < KnockIndexCount; ++i) {
        values.rpm[i] = read.Number(page.rpm[i]);
        values.knockFrek[i] = read.Item(page.knockFrek[i]);
        values.refFrek[i] = read.Item(page.refFrek[i]);
        values.level[i] = read.Item(page.level[i]);
        values.higherGain[i] = read.Tick(page.higherGain[i]);
        values.timeConst[i] = read.Item(page.timeConst[i]);
        values.start[i] = read.Number(page.start[i]);
        values.end[i] = read.Number(page.end[i]);
        values.alarm[i] = read.Number(page.alarm[i]);
    }
    return values;
}

}  // namespace torvana
