#include "ui/MonitorArea.h"

#include "texts/MessageTable.h"
#include "ui/Painting.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <utility>

namespace torvana {

namespace {

constexpr int ColumnLeft = 10;
constexpr int ColumnPitch = 192;
constexpr int ColumnWidth = 186;
constexpr int RowTop = 14;
constexpr int RowPitch = 19;
constexpr int LabelHeight = 17;
constexpr int GaugedRowPitch = 40;  // a label with its gauge under it
constexpr int GaugeOffset = 18;
constexpr int GaugeHeight = 12;
// The lime, red and blue scale bars under the lambda gauge.
constexpr std::size_t LambdaRow = 1;
constexpr int ScaleBarGap = 1;
constexpr int ScaleBarHeight = 5;
constexpr int ScaleBarCount = 3;
constexpr int BadgeLeft = 4 * ColumnPitch + ColumnLeft;
// Above the last rows, where the number of programmings may reach over.
constexpr int BadgeTop = 52;
constexpr int BadgeWidth = 180;
constexpr int BadgeHeight = 96;

// Where a label sits and what it shows before the first frame.
struct Placement {
    MonitorLabel label;
    int column;
    int row;
    const char* caption;
};

constexpr std::array<Placement, MonitorLabelCount - MonitorGaugeCount> Placements = {{
    {MonitorLabel::LabelMon_Ign1, 1, 0, "ADVANCE 1="},
    {MonitorLabel::LabelMon_Ign2, 1, 1, "ADVANCE 2 ="},
    {MonitorLabel::LabelMon_Ign3, 1, 2, "ADVANCE 3="},
    {MonitorLabel::LabelMon_Jet1A, 1, 3, "INJ. TIME 1A="},
    {MonitorLabel::LabelMon_Jet1B, 1, 4, "INJ. TIME 1B="},
    {MonitorLabel::LabelMon_Jet2A, 1, 5, "INJ. TIME 2A="},
    {MonitorLabel::LabelMon_Jet2B, 1, 6, "INJ. TIME 2B="},
    {MonitorLabel::LabelMon_Jet3A, 1, 7, "INJ. TIME 3A="},
    {MonitorLabel::LabelMon_Jet3B, 1, 8, "INJ. TIME 3B="},
    {MonitorLabel::LabelMon_PolohaA, 1, 9, "POSITION A="},
    {MonitorLabel::LabelMon_PolohaB, 1, 10, "POSITION B="},
    {MonitorLabel::LabelTlak, 2, 0, "AP="},
    {MonitorLabel::LabelVzduch, 2, 1, "AT="},
    {MonitorLabel::LabelNapeti, 2, 2, "U="},
    {MonitorLabel::LabelKorVoda, 2, 3, "TW correction="},
    {MonitorLabel::LabelKorVzduch, 2, 4, "AT correction="},
    {MonitorLabel::LabelKorTlak, 2, 5, "AP correction="},
    {MonitorLabel::LabelKorSytic, 2, 6, "Starting corr.="},
    {MonitorLabel::LabelKorNapeti, 2, 7, "U correction="},
    {MonitorLabel::LabelServoPoz, 2, 8, "Servo desired="},
    {MonitorLabel::LabelServoMer, 2, 9, "Servo measured="},
    {MonitorLabel::LabelLimiter1, 3, 0, "Start limiter"},
    {MonitorLabel::LabelTacho_Lambda, 3, 1, "Tacho/Lambda"},
    {MonitorLabel::LabelTlakOleje, 3, 2, "Oil Pressure"},
    {MonitorLabel::LabelKnockMon1, 3, 3, "Knock Level 1"},
    {MonitorLabel::LabelKnockMon2, 3, 4, "Knock Level 2"},
    {MonitorLabel::LabelKnockMon3, 3, 5, "Knock Level 3"},
    {MonitorLabel::LabelPowerOut1, 3, 6, "Power Output 1"},
    {MonitorLabel::LabelPowerOut2, 3, 7, "Power Output 2"},
    {MonitorLabel::LabelPowerOut3, 3, 8, "Power Output 3"},
    {MonitorLabel::LabelPocetProgramovani, 3, 9, "Number of Programing="},
    {MonitorLabel::LabelTest1, 4, 1, "Test1="},
    {MonitorLabel::LabelTest2, 4, 2, "Test2="},
    {MonitorLabel::LabelTest3, 4, 3, "Test3="},
    {MonitorLabel::LabelTest4, 4, 4, "Test4="},
    {MonitorLabel::LabelTest5, 4, 5, "Test5="},
    {MonitorLabel::LabelTest6, 4, 6, "Test6="},
    {MonitorLabel::LabelTest7, 4, 7, "Test7="},
    {MonitorLabel::LabelTest8, 4, 8, "Test8="},
}};

// Column 0: the labels with a bar gauge under them.
struct GaugedPlacement {
    MonitorLabel label;
    MonitorGauge gauge;
    const char* caption;
};

constexpr std::array<GaugedPlacement, MonitorGaugeCount> GaugedPlacements = {{
    {MonitorLabel::LabelRpm, MonitorGauge::CGaugeRpm, "RPM ="},
    {MonitorLabel::LabelLambda, MonitorGauge::CGaugeLambda, "LAMBDA="},
    {MonitorLabel::LabelTpsMon, MonitorGauge::CGaugeTps, "TP="},
    {MonitorLabel::LabelMaxInjProcent, MonitorGauge::CGaugeDuty, "INJ. DUTY ="},
    {MonitorLabel::LabelVoda, MonitorGauge::CGaugeVoda, "TW="},
}};

void AddLambdaScaleBars(QWidget* parent, QRect gauge)
{
    static constexpr std::array<std::pair<const char*, Qt::GlobalColor>, ScaleBarCount> bars = {{
        {"Label1", Qt::green}, {"Label2", Qt::red}, {"Label3", Qt::blue}}};
    const int width = gauge.width() / ScaleBarCount;
    for (int i = 0; i < ScaleBarCount; ++i) {
        auto* bar = new QLabel(parent);
        bar->setObjectName(QLatin1String(bars[static_cast<std::size_t>(i)].first));
        bar->setGeometry(gauge.left() + width * i, gauge.bottom() + 1 + ScaleBarGap, width, ScaleBarHeight);
        SetBackground(bar, QColor(bars[static_cast<std::size_t>(i)].second));
    }
}

QLabel* NewLabel(QWidget* parent, MonitorLabel label, const char* caption, QRect geometry)
{
    auto* widget = new QLabel(QString::fromUtf8(caption), parent);
    widget->setObjectName(QString::fromUtf8(MonitorLabelName(label).data(),
                                            static_cast<qsizetype>(MonitorLabelName(label).size())));
    widget->setGeometry(geometry);
    return widget;
}

// While no unit answers, the number of programmings reads the user's
// language's prefix and "---"; the label grows right into the free last
// column for the longest of them.
void FitProgrammingCount(QLabel* label)
{
    const QString shown = label->text();
    int widest = label->width();
    for (int language = 0; language < LanguageCount; ++language) {
        MessageTable texts;
        SetMessageTexts(texts, language);
        label->setText(QString::fromStdString(texts.TextNumberOfProgramming + NumberOfProgrammingUnknown));
        widest = std::max(widest, label->sizeHint().width());
    }
    label->setText(shown);
    label->resize(widest, label->height());
}

}  // namespace

MonitorArea::MonitorArea(QWidget* parent)
{
    for (std::size_t i = 0; i < GaugedPlacements.size(); ++i) {
        const GaugedPlacement& p = GaugedPlacements[i];
        const int top = RowTop + GaugedRowPitch * static_cast<int>(i);
        labels[static_cast<std::size_t>(p.label)] =
            NewLabel(parent, p.label, p.caption, QRect(ColumnLeft, top, ColumnWidth, LabelHeight));
        auto* gauge = new QProgressBar(parent);
        const std::string_view name = MonitorGaugeName(p.gauge);
        gauge->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        gauge->setRange(GaugeMinimum, GaugeMaximum);
        gauge->setValue(GaugeMinimum);
        gauge->setTextVisible(false);
        gauge->setGeometry(ColumnLeft, top + GaugeOffset, ColumnWidth - ColumnLeft, GaugeHeight);
        gauges[static_cast<std::size_t>(p.gauge)] = gauge;
        if (i == LambdaRow) {
            AddLambdaScaleBars(parent, gauge->geometry());
        }
    }
    for (const Placement& p : Placements) {
        const QRect geometry(ColumnLeft + ColumnPitch * p.column, RowTop + RowPitch * p.row, ColumnWidth,
                             LabelHeight);
        labels[static_cast<std::size_t>(p.label)] = NewLabel(parent, p.label, p.caption, geometry);
    }
    FitProgrammingCount(labels[static_cast<std::size_t>(MonitorLabel::LabelPocetProgramovani)]);
    extMonitor = new QCheckBox(QStringLiteral("Extended Monitor"), parent);
    extMonitor->setObjectName(QStringLiteral("CheckBoxExtMonitor"));
    extMonitor->setGeometry(ColumnLeft + ColumnPitch * 4, RowTop, ColumnWidth, LabelHeight + 2);

    auto* badge = new QLabel(parent);
    badge->setObjectName(QStringLiteral("ImageLogo2"));
    badge->setPixmap(QPixmap(QStringLiteral(":/images/LogoBadge.jpg"))
                         .scaled(BadgeWidth, BadgeHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    badge->setAlignment(Qt::AlignCenter);
    badge->setGeometry(BadgeLeft, BadgeTop, BadgeWidth, BadgeHeight);
}

void MonitorArea::Apply(const MonitorView& view)
{
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const LabelState& state = view.labels[i];
        QLabel* label = labels[i];
        if (state.text) {
            label->setText(QString::fromStdString(*state.text));
        }
        if (state.colour) {
            SetBackground(label, ToQColor(*state.colour));
        }
        if (state.visible) {
            label->setVisible(*state.visible);
        }
    }
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        QProgressBar* gauge = gauges[i];
        if (gauge->value() != view.gauges[i].progress) {
            // A progress bar paints and flushes the whole window at once on a
            // new value; one queued update with the labels' is enough.
            gauge->setUpdatesEnabled(false);
            gauge->setValue(view.gauges[i].progress);
            gauge->setUpdatesEnabled(true);
        }
        if (view.gauges[i].barColour) {
            SetBarColour(gauge, ToQColor(*view.gauges[i].barColour));
        }
    }
}

}  // namespace torvana
