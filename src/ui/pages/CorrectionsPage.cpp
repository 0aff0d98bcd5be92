#include "ui/pages/CorrectionsPage.h"

#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "texts/LanguageTexts.h"
#include "ui/pages/PageCaptions.h"

namespace torvana {

namespace {

// Groups stand side by side, each as wide as its widest title needs; the
// coolant/air group and the after-start group share the right-hand column.
constexpr int GroupTop = 5;
constexpr int GroupGap = 10;
constexpr int TablesLeft = 5;
constexpr int TableGroupHeight = 380;
constexpr int TlakMinWidth = 200;
constexpr int RetardMinWidth = 230;
constexpr int RightGroupMinWidth = 260;
constexpr int VodaVzduchHeight = 250;
constexpr int SyticTop = GroupTop + VodaVzduchHeight + GroupGap;
constexpr int SyticHeight = 120;
constexpr int LeftColumn = 25;
constexpr int RightColumn = 110;
constexpr int ColumnCaptionTop = 20;
constexpr QSize ColumnCaptionSize{80, 32};  // two lines, ending above the first row
constexpr int TableTop = 54;
constexpr int TablePitch = 32;
constexpr int VodaLeft = 85;
constexpr int VzduchLeft = 165;
constexpr int TemperatureTop = 65;
constexpr int TemperaturePitch = 39;
constexpr int TemperatureCaptionTop = 40;
constexpr int TemperatureLabelLeft = 12;
constexpr int LabelBelowRow = 3;
// After-start rows: a caption line above each row of boxes.
constexpr int SyticLeft = 10;
constexpr int SyticPitch = 66;
constexpr int SyticTimeCaptionTop = 20;
constexpr int SyticTimeTop = 38;
constexpr int SyticCorrectionCaptionTop = 66;
constexpr int SyticCorrectionTop = 84;
constexpr int CaptionGap = 6;
constexpr int GroupInnerMargin = 5;
constexpr double SmallestCaptionPoints = 6.0;
constexpr double CaptionPointStep = 0.25;
constexpr int LabelValueIndent = 20;  // the fixed 0 s and 100 % stand under the numbers

int RightOf(const QWidget* group)
{
    return group->geometry().right() + 1 + GroupGap;
}

// The widest word of any translation: a wrapped caption cannot break it.
int WidestWord(const QLabel* label)
{
    int widest = 0;
    for (const QString& text : Translations(label, TextKind::Caption)) {
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
        }
    }
    return widest;
}

// Captions over a column, up to two lines, reaching at most to limit. A
// caption stays on one line where it fits, so it wraps only at its blanks;
// a word longer than the room gets a smaller font rather than being cut.
void MakeColumnCaption(QWidget* parent, const char* name, int left, int limit)
{
    QLabel* label = MakeLabel(parent, name, QPoint(left, ColumnCaptionTop));
    const int oneLine = label->width();  // the widest translation, unwrapped
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    const int room = limit - left;
    // Glyph widths do not scale evenly, so the font shrinks in small steps.
    while (WidestWord(label) > room && label->font().pointSizeF() > SmallestCaptionPoints) {
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() - CaptionPointStep);
        label->setFont(font);
    }
    label->setFixedSize(std::min(room, std::max({oneLine, WidestWord(label), ColumnCaptionSize.width()})),
                        ColumnCaptionSize.height());
}

// The captions of a two-column table group.
void MakeColumnCaptions(QWidget* group, const char* leftName, const char* rightName)
{
    MakeColumnCaption(group, leftName, LeftColumn, RightColumn - CaptionGap);
    MakeColumnCaption(group, rightName, RightColumn, group->width() - GroupInnerMargin);
}

// Returns the left edge of the next group.
int BuildTables(CorrectionsPageControls& page, QWidget* sheet, PageEvents& events)
{
    QWidget* tlak = MakeGroup(sheet, "GroupBoxTlak", QRect(TablesLeft, GroupTop, TlakMinWidth, TableGroupHeight));
    MakeColumnCaptions(tlak, "LabelTlakTlak", "LabelTlakKor");
    page.tlakTlak = MakeSpinColumn<PressurePoints>(tlak, "EditTlakTlak", "UpDownTlakTlak", LeftColumn,
                                                   TableTop, TablePitch, events);
    page.tlakKor = MakeSpinColumn<PressurePoints>(tlak, "EditTlakKor", "UpDownTlakKor", RightColumn,
                                                  TableTop, TablePitch, events);

    QWidget* retard =
        MakeGroup(sheet, "GroupBoxRetard", QRect(RightOf(tlak), GroupTop, RetardMinWidth, TableGroupHeight));
    MakeColumnCaptions(retard, "LabelRetardTemp", "LabelRetardRetard");
    page.retardTemp = MakeSpinColumn<RetardPoints>(retard, "EditRetardTemp", "UpDownRetardTemp",
                                                   LeftColumn, TableTop, TablePitch, events);
    page.retardRetard = MakeSpinColumn<RetardPoints>(retard, "EditRetardRetard", "UpDownRetardRetard",
                                                     RightColumn, TableTop, TablePitch, events);
    return RightOf(retard);
}

QWidget* BuildTemperatures(CorrectionsPageControls& page, QWidget* sheet, int left, PageEvents& events)
{
    QWidget* temperatures =
        MakeGroup(sheet, "GroupBoxVodaVzduch", QRect(left, GroupTop, RightGroupMinWidth, VodaVzduchHeight));
    const QLabel* vodaCaption = MakeLabel(temperatures, "LabelVoda2", QPoint(VodaLeft, TemperatureCaptionTop));
    // The air column moves right when the coolant caption needs the room.
    const int vzduchLeft = std::max(VzduchLeft, vodaCaption->geometry().right() + 1 + CaptionGap);
    const QLabel* vzduchCaption = MakeLabel(temperatures, "LabelVzduch2", QPoint(vzduchLeft, TemperatureCaptionTop));
    for (int i = 0; i < TemperaturePoints; ++i) {
        MakeLabel(temperatures, IndexedName("LabelVodaVzduchTemp", i),
                  QPoint(TemperatureLabelLeft, TemperatureTop + TemperaturePitch * i + LabelBelowRow));
    }
    page.voda = MakeSpinColumn<TemperaturePoints>(temperatures, "EditVoda", "UpDownVoda", VodaLeft,
                                                  TemperatureTop, TemperaturePitch, events);
    page.vzduch = MakeSpinColumn<TemperaturePoints>(temperatures, "EditVzduch", "UpDownVzduch",
                                                    vzduchLeft, TemperatureTop, TemperaturePitch, events);
    const int vzduchRight = std::max(vzduchCaption->geometry().right(), page.vzduch[0]->geometry().right()) + 1;
    temperatures->resize(std::max(temperatures->width(), vzduchRight + CaptionGap), temperatures->height());
    return temperatures;
}

QWidget* BuildChoke(CorrectionsPageControls& page, QWidget* sheet, int left, PageEvents& events)
{
    QWidget* sytic = MakeGroup(sheet, "GroupBoxSytic", QRect(left, SyticTop, RightGroupMinWidth, SyticHeight));
    MakeLabel(sytic, "LabelSyticCas", QPoint(SyticLeft, SyticTimeCaptionTop));
    MakeLabel(sytic, "LabelSyticKorekce", QPoint(SyticLeft, SyticCorrectionCaptionTop));
    const auto columnLeft = [](int point) { return SyticLeft + SyticPitch * point; };
    page.syticCas0 = MakeLabel(sytic, "LabelSyticCas0",
                               QPoint(columnLeft(0) + LabelValueIndent, SyticTimeTop + LabelBelowRow));
    page.syticKorekce4 = MakeLabel(sytic, "LabelSyticKorekce4",
                                   QPoint(columnLeft(ChokePoints) + LabelValueIndent,
                                          SyticCorrectionTop + LabelBelowRow));
    constexpr unsigned ExitOrClick = CommitOnExit | CommitOnClick;
    for (int i = 0; i < ChokePoints; ++i) {
        const QString time = QString::number(i + 1);
        const QString correction = QString::number(i);
        page.syticCas[i] = MakeCommittingSpinBox(sytic, "EditSyticCas" + time, "UpDownSyticCas" + time,
                                                 ExitOrClick, QPoint(columnLeft(i + 1), SyticTimeTop), events);
        page.syticKorekce[i] = MakeCommittingSpinBox(
            sytic, "EditSyticKorekce" + correction, "UpDownSyticKorekce" + correction, ExitOrClick,
            QPoint(columnLeft(i), SyticCorrectionTop), events);
    }
    int contentRight = 0;
    for (const QWidget* child : sytic->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        contentRight = std::max(contentRight, child->geometry().right() + 1);
    }
    sytic->resize(std::max(sytic->width(), contentRight + SyticLeft), sytic->height());
    return sytic;
}

}  // namespace

CorrectionsPageControls BuildCorrectionsPage(QWidget* sheet, PageEvents& events)
{
    CorrectionsPageControls page;
    const int right = BuildTables(page, sheet, events);
    QWidget* temperatures = BuildTemperatures(page, sheet, right, events);
    QWidget* sytic = BuildChoke(page, sheet, right, events);
    const int columnWidth = std::max(temperatures->width(), sytic->width());
    temperatures->resize(columnWidth, temperatures->height());
    sytic->resize(columnWidth, sytic->height());
    return page;
}

namespace {
template <std::size_t N>
void ShowColumn(const std::array<UpDownSpinBox*, N>& boxes, const std::array<int, N>& values)
{
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i]->Show(values[i]);
    }
}

template <std::size_t N>
std::array<int, N> ReadColumn(const std::array<UpDownSpinBox*, N>& boxes, const ControlReader& read)
{
    std::array<int, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = read.Number(boxes[i]);
    }
    return values;
}
}  // namespace

void ShowCorrectionsValues(const CorrectionsPageControls& page, const CorrectionsPageValues& values)
{
    ShowColumn(page.tlakTlak, values.tlakTlak);
    ShowColumn(page.tlakKor, values.tlakKor);
    ShowColumn(page.voda, values.voda);
    ShowColumn(page.vzduch, values.vzduch);
    ShowColumn(page.retardTemp, values.retardTemp);
    ShowColumn(page.retardRetard, values.retardRetard);
    ShowColumn(page.syticCas, values.syticCas);
    ShowColumn(page.syticKorekce, values.syticKorekce);
}

CorrectionsPageValues ReadCorrectionsValues(const CorrectionsPageControls& page, const ControlReader& read)
{
    CorrectionsPageValues values;
    values.tlakTlak = ReadColumn(page.tlakTlak, read);
    values.tlakKor = ReadColumn(page.tlakKor, read);
    values.voda = ReadColumn(page.voda, read);
    values.vzduch = ReadColumn(page.vzduch, read);
    values.retardTemp = ReadColumn(page.retardTemp, read);
    values.retardRetard = ReadColumn(page.retardRetard, read);
    values.syticCas = ReadColumn(page.syticCas, read);
    values.syticKorekce = ReadColumn(page.syticKorekce, read);
    return values;
}

}  // namespace torvana
