// Every caption of the window keeps the room its text needs, in width and in
// the height of its tallest glyph, in each language and in each state in
// which it is shown; no caption lies on a neighbouring control.

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QStatusBar>
#include <QTabWidget>

#include "texts/MessageTable.h"
#include "ui/MonitorArea.h"
#include "ui/history/HistoryWiring.h"
#include "ui/pages/UpDownSpinBox.h"

#include <cstdlib>
#include <set>
#include <utility>

namespace torvana {
namespace {

bool IsCaption(const QWidget* control)
{
    return qobject_cast<const QLabel*>(control) != nullptr ||
           qobject_cast<const QAbstractButton*>(control) != nullptr;
}

// Captions and the groups that carry titles must not lie on anything.
bool MustStandClear(const QWidget* control)
{
    return IsCaption(control) || qobject_cast<const QGroupBox*>(control) != nullptr;
}

QString CaptionText(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    return static_cast<const QAbstractButton*>(control)->text();
}

// The faint antialiased fringe of a glyph may pass the edge; a stroke may not.
constexpr double InkFringe = 0.25;

// The ink of the text, drawn as the control draws it, stays inside the
// control: an accent above a capital must not be cut.
void ExpectGlyphsInside(const QWidget* control, const QString& text, const QString& where)
{
    const QFontMetricsF metrics(control->font());
    const QRectF ink = metrics.tightBoundingRect(QString(text).remove(u'&'));
    const auto* label = qobject_cast<const QLabel*>(control);
    const QRect area = label ? label->contentsRect() : control->rect();
    const Qt::Alignment alignment = label ? label->alignment() : Qt::AlignVCenter;
    double top = area.top() + (area.height() - metrics.height()) / 2;
    if (alignment & Qt::AlignTop) {
        top = area.top();
    } else if (alignment & Qt::AlignBottom) {
        top = area.bottom() + 1 - metrics.height();
    }
    const double baseline = top + metrics.ascent();
    EXPECT_GE(baseline + ink.top(), -InkFringe) << where.toStdString() << " loses the top of its glyphs";
    EXPECT_LE(baseline + ink.bottom(), control->height() + InkFringe) << where.toStdString() << " loses the foot of its glyphs";
}

// Where a caption is narrower, or shorter for wrapped text, than it needs.
void ExpectUnclipped(const QWidget* control, int language)
{
    const QString where = control->objectName() + " \"" + CaptionText(control) + "\" in language " +
                          QString::number(language);
    const auto* label = qobject_cast<const QLabel*>(control);
    // A caption that only fits in a smaller font is as good as cut.
    EXPECT_GE(control->font().pointSizeF(), control->parentWidget()->font().pointSizeF()) << where.toStdString();
    if (label && label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << where.toStdString();
        for (const QString& word : label->text().split(u' ', Qt::SkipEmptyParts)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(word), label->contentsRect().width())
                << where.toStdString();
        }
        return;
    }
    ExpectGlyphsInside(control, CaptionText(control), where);
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        // A push button's hint has a style minimum beyond what its text needs.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int textWidth = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
        EXPECT_GE(contents.width(), textWidth) << where.toStdString();
        return;
    }
    EXPECT_GE(control->width(), control->sizeHint().width()) << where.toStdString();
}

// Whichever item is chosen, the closed list shows it whole.
void ExpectItemsShownWhole(const QComboBox* combo, int language)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i) {
        EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(i)), field.width())
            << combo->objectName().toStdString() << " \"" << combo->itemText(i).toStdString() << "\" in language "
            << language;
    }
}

void ExpectNoOverlap(const QWidget* parent, const QWidget* scope, int language)
{
    std::vector<const QWidget*> children;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(scope) && !child->isWindow()) {
            children.push_back(child);
        }
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            if (!MustStandClear(children[i]) && !MustStandClear(children[j])) {
                continue;
            }
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << children[i]->objectName().toStdString() << " and "
                << children[j]->objectName().toStdString() << " in language " << language;
        }
    }
}

// Checks every visible caption below scope and every family of siblings.
int CheckArea(const QWidget* scope, int language)
{
    int captions = 0;
    ExpectNoOverlap(scope, scope, language);
    for (const QWidget* control : scope->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(scope)) {
            continue;
        }
        ExpectNoOverlap(control, scope, language);
        // A group cuts off whatever reaches past its edge.
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString() << " leaves " << control->parentWidget()->objectName().toStdString()
            << " in language " << language;
        if (IsCaption(control) && !CaptionText(control).isEmpty()) {
            ExpectUnclipped(control, language);
            ++captions;
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
            ExpectItemsShownWhole(combo, language);
        }
        if (const auto* group = qobject_cast<const QGroupBox*>(control); group && !group->title().isEmpty()) {
            EXPECT_GE(group->width(), group->minimumSizeHint().width())
                << group->objectName().toStdString() << " \"" << group->title().toStdString() << "\" in language "
                << language;
            ++captions;
        }
    }
    return captions;
}

class LanguageLayoutTest : public WindowTest, public testing::WithParamInterface<int> {};

TEST_P(LanguageLayoutTest, PagesAndToolBarShowEveryCaptionWhole)
{
    const int language = GetParam();
    TFormHlav& w = Start();
    w.MenuLanguageClick(language);
    ASSERT_EQ(w.LanguageIndex(), language);

    w.show();  // shown pages lay out their radio groups

    EXPECT_GT(CheckArea(w.Controls().groupBoxToolBar, language), 0);
    // The curve pages share one grid, so only some pages hold captions.
    QTabWidget* tabs = w.Controls().pageControl1;
    int captions = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        captions += CheckArea(tabs->widget(page), language);
    }
    EXPECT_GT(captions, 0);
}

TEST_P(LanguageLayoutTest, PageNamesFitInOneRowOfTabs)
{
    TFormHlav& w = Start();
    w.MenuLanguageClick(GetParam());
    QTabWidget* tabs = w.Controls().pageControl1;
    // The widest row: every curve page shown, as when no curves are coupled.
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setTabVisible(page, true);
    }
    w.show();  // a hidden tab bar keeps the sizes of its first texts
    EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width());
}

TEST_P(LanguageLayoutTest, WindowKeepsItsDesignedSize)
{
    TFormHlav& w = Start();
    const QSize designed = w.size();
    w.MenuLanguageClick(GetParam());
    EXPECT_EQ(w.size(), designed);
    EXPECT_EQ(designed, QSize(1010, 788));
}

// Ticks until the red label reports that no unit answers.
constexpr int NoConnectionTicks = 20;
// Ticks for several monitor frames of the simulated unit.
constexpr int MonitorTicks = 40;
constexpr int TransferCheckPitch = 7;  // ticks between looks during a transfer

// The tool bar and the live values while no unit answers: the red
// connection label, the number of programmings with "---", and the status
// line through each transfer to its error.
TEST_P(LanguageLayoutTest, NoConnectionStateShowsEveryCaptionWhole)
{
    const int language = GetParam();
    ports.refuse = true;
    TFormHlav& w = Start();
    w.show();
    Tick(NoConnectionTicks);
    w.MenuLanguageClick(language);
    ASSERT_TRUE(w.Controls().labelSpojeni->isVisible());
    CheckArea(w.Controls().groupBoxToolBar, language);
    CheckArea(w.Controls().monitorParent, language);
    for (const auto start : {&TFormHlav::MenuProgramClick, &TFormHlav::MenuVerifyClick, &TFormHlav::MenuReadClick}) {
        (w.*start)();
        Tick();
        CheckArea(w.Controls().groupBoxToolBar, language);
        ASSERT_TRUE(TickUntilIdle());
        ASSERT_TRUE(w.Controls().labelHlaseni->isVisible());
        CheckArea(w.Controls().groupBoxToolBar, language);
    }
}

// The live values of a running unit, and the status line through a Program
// with the unit's store progress.
TEST_P(LanguageLayoutTest, ConnectedStateShowsEveryCaptionWhole)
{
    const int language = GetParam();
    TFormHlav& w = Start();
    w.MenuLanguageClick(language);
    w.show();
    Tick(MonitorTicks);
    ASSERT_FALSE(w.Controls().labelSpojeni->isVisible());
    CheckArea(w.Controls().monitorParent, language);
    w.MenuProgramClick();
    for (int tick = 0; tick < MonitorTicks * TransferCheckPitch; tick += TransferCheckPitch) {
        Tick(TransferCheckPitch);
        CheckArea(w.Controls().groupBoxToolBar, language);
    }
}

// The live values in their longer forms: Extended Monitor with the sensor
// voltages and the servo's two values, with a working and a failed coolant
// sensor.
TEST_P(LanguageLayoutTest, ExtendedMonitorShowsEveryCaptionWhole)
{
    const int language = GetParam();
    for (const bool coolantFailed : {false, true}) {
        SimulatorOptions options;
        options.faults.coolantSensorFailed = coolantFailed;
        unit = UnitSimulator(options);
        TFormHlav& w = Start();
        w.Image()[Offset::ServoEnable] = 1;
        w.MenuLanguageClick(language);
        w.show();
        w.Monitor().ExtMonitor()->click();
        Tick(MonitorTicks);
        ASSERT_TRUE(w.Monitor().Label(MonitorLabel::LabelServoPoz)->isVisible());
        ASSERT_EQ(w.Monitor().Label(MonitorLabel::LabelVoda)->text().contains("ERROR"), coolantFailed);
        CheckArea(w.Controls().monitorParent, language);
        window.reset();
    }
}

// The restore-point and Compare windows, filled.
TEST_P(LanguageLayoutTest, HistoryWindowsShowEveryCaptionWhole)
{
    const int language = GetParam();
    TFormHlav& w = Start();
    w.MenuLanguageClick(language);
    w.show();
    w.ComboBoxBikeChange(2);  // keeps a restore point of the set before
    w.History().ShowRestorePoints();
    auto* restorePoints = w.findChild<QWidget*>("TFormRestorePoints");
    ASSERT_NE(restorePoints, nullptr);
    EXPECT_GT(CheckArea(restorePoints, language), 0);

    const QString other = Dir() + "/other.ign";
    w.Image()[Offset::Limiter] = 150;
    dialogs.saveAnswer = other;
    w.MenuSaveClick();
    w.Image()[Offset::Limiter] = 160;
    dialogs.openAnswer = other;
    w.findChild<QAction*>("MenuCompare")->trigger();
    auto* compare = w.findChild<QWidget*>("TFormCompare");
    ASSERT_NE(compare, nullptr);
    EXPECT_GT(CheckArea(compare, language), 0);
}

// The lambda analysis window, its summary filled.
TEST_P(LanguageLayoutTest, AnalysisWindowShowsEveryCaptionWhole)
{
    const int language = GetParam();
    TFormHlav& w = Start();
    w.MenuLanguageClick(language);
    w.show();
    w.findChild<QAction*>("MenuLambdaAnalysis")->trigger();
    auto* analysis = w.findChild<QWidget*>("FormLambda");
    ASSERT_NE(analysis, nullptr);
    EXPECT_GT(CheckArea(analysis, language), 0);
}

// Under the mouse, every control with a hint shows its long part in the
// status bar.
TEST_P(LanguageLayoutTest, EveryHintReachesTheStatusBar)
{
    TFormHlav& w = Start();
    w.MenuLanguageClick(GetParam());
    w.show();
    QTabWidget* tabs = w.Controls().pageControl1;
    int hinted = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        for (QWidget* control : w.findChildren<QWidget*>()) {
            if (control->toolTip().isEmpty() || !control->isVisible()) {
                continue;
            }
            w.Controls().statusBar1->clearMessage();
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(control, &enter);
            EXPECT_FALSE(w.Controls().statusBar1->currentMessage().isEmpty())
                << control->objectName().toStdString() << " in language " << GetParam();
            ++hinted;
        }
    }
    EXPECT_GT(hinted, 0);
}

// Left and right ink columns of image, as seen against its top-left pixel.
std::pair<int, int> InkColumns(const QImage& image)
{
    constexpr int InkContrast = 96;  // grey levels; leaves out the faint fringes
    const int background = qGray(image.pixel(0, 0));
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - background) > InkContrast) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// The width of text's ink drawn whole in the edit's font and colours.
int WholeInkWidth(const QLineEdit* edit, const QString& text)
{
    QImage image(edit->fontMetrics().horizontalAdvance(text) * 2, edit->height(), QImage::Format_RGB32);
    image.fill(edit->palette().base().color());
    QPainter painter(&image);
    painter.setFont(edit->font());
    painter.setPen(edit->palette().text().color());
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    const auto [left, right] = InkColumns(image);
    return right - left;
}

// Both ends of every box's range read whole, as the box draws them: a number
// wider than the room beside the arrows loses a digit (12500 read as 1250).
TEST_P(LanguageLayoutTest, EveryRangeEndReadsWholeInItsBox)
{
    constexpr int SubpixelSlack = 1;
    TFormHlav& w = Start();
    w.MenuLanguageClick(GetParam());
    w.show();
    QTabWidget* tabs = w.Controls().pageControl1;
    std::set<std::pair<const QObject*, int>> checked;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        for (UpDownSpinBox* box : tabs->widget(page)->findChildren<UpDownSpinBox*>()) {
            const QSignalBlocker quiet(box);
            for (const int end : {box->minimum(), box->maximum()}) {
                if (!checked.insert({box, end}).second) {
                    continue;
                }
                box->setValue(end);
                QLineEdit* edit = box->findChild<QLineEdit*>();
                const auto [left, right] = InkColumns(edit->grab().toImage());
                EXPECT_GE(right - left + SubpixelSlack, WholeInkWidth(edit, edit->text()))
                    << box->objectName().toStdString() << " shows " << end << " cut on page " << page
                    << " in language " << GetParam();
            }
        }
    }
    EXPECT_GT(checked.size(), 0U);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageLayoutTest, testing::Range(0, LanguageCount));

}  // namespace
}  // namespace torvana
