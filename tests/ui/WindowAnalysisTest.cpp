// The lambda analysis in the window: a recorded log of an engine whose
// Jet 1A cells are off is analysed through the window's button, and "Apply
// all confident" changes the table, its coupled followers with it, as one
// undo step through the edit path; live frames accumulate as the log does.

#include "WindowFixture.h"

#include "FuelledEngine.h"
#include "MonitorEncoder.h"
#include "analysis/CellWeights.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/MonitorLogRow.h"
#include "log/LogCsv.h"
#include "ui/analysis/AnalysisWindow.h"
#include "ui/analysis/AnalysisWiring.h"
#include "ui/history/HistoryWiring.h"
#include "ui/log/LogWiring.h"
#include "ui/pages/CurveGrid.h"
#include "ui/views/TablePlotDock.h"
#include "ui/views/ViewMenus.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <fstream>
#include <qcustomplot.h>

namespace torvana {
namespace {

constexpr int Jet1A = 3;
constexpr int FollowerTables = 2;  // Jet 2A and 3A follow 1A when coupled
constexpr std::uint64_t LogMs = 30 * 60000;
constexpr std::uint64_t FrameMs = 330;
constexpr double FuelError = 0.08;
constexpr int LeastSuggestedCells = 20;
constexpr int LiveTicks = 8 * 60000 / TickMilliseconds;
constexpr int EngineTicks = 60;
constexpr int FrameWaitMs = 4;
const QColor Lime(0, 255, 0);

std::string WriteEngineLog(const ParameterImage& image, const QString& folder)
{
    FuelledEngineSetup setup;
    setup.fuelError = RandomFuelError(setup.seed, FuelError);
    const FuelledEngine engine(setup, image);
    const std::string path = (folder + "/run.csv").toStdString();
    std::ofstream file(path);
    file << LogCsvHeader();
    for (std::uint64_t t = 0; t < LogMs; t += FrameMs) {
        LogRow row = MonitorLogRow(EncodeMonitorFrame(engine.At(t, image), UnitCounters{}).data());
        row.timeMs = static_cast<std::int64_t>(t);
        file << LogCsvRow(row);
    }
    return path;
}

// The texts of the suggestion grid cell by cell, then their tooltips.
QStringList GridTexts(const AnalysisWindow& view)
{
    const auto* grid = view.findChild<QTableWidget*>("AnalysisSuggestionGrid");
    QStringList texts;
    QStringList tips;
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            texts << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
            tips << (grid->item(r, c) ? grid->item(r, c)->toolTip() : QString());
        }
    }
    return texts + tips;
}

int Suggested(const QStringList& texts)
{
    return static_cast<int>(std::count_if(texts.begin(), texts.end(), [](const QString& text) {
        return !text.isEmpty() && text != QStringLiteral("·");
    }));
}

AnalysisWindow& OpenAnalysis(TFormHlav& w)
{
    w.findChild<QAction*>("MenuLambdaAnalysis")->trigger();
    return w.Analysis().Window();
}

// Opens the View menu from the menu bar and clicks the item.
void ClickViewItem(TFormHlav& w, const char* item)
{
    QMenuBar* bar = w.menuBar();
    auto* view = w.findChild<QMenu*>(QStringLiteral("MenuView"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view->menuAction()).center());
    auto* action = w.findChild<QAction*>(QString::fromLatin1(item));
    QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(action).center());
}

// Each curve cell's colour against the lambda layer: the cell in use lime,
// the others as the window's suggestion grid shows them when shaded, else plain.
void ExpectLayer(TFormHlav& w, const AnalysisWindow& view, bool shaded)
{
    const auto* grid = view.findChild<QTableWidget*>("AnalysisSuggestionGrid");
    const CurveGridControls& cells = w.Pages().CurveGrid();
    const QColor plain = QApplication::palette(cells.cellEdits[0][0]).color(QPalette::Base);
    int marked = 0;
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            const QBrush suggested = grid->item(r, c)->background();
            QColor expected = shaded && suggested.style() != Qt::NoBrush ? suggested.color() : plain;
            if (r == w.Tracked().CurveRow && c == w.Tracked().CurveColumn)
                expected = Lime;
            EXPECT_EQ(cells.cellEdits[r][c]->palette().color(QPalette::Base), expected) << r << ' ' << c;
            marked += shaded && suggested.style() != Qt::NoBrush ? 1 : 0;
        }
    }
    // The table plot squares the same cells.
    const QCustomPlot* plot = w.Views().Plot().Plot();
    for (int g = 0; g < plot->graphCount(); ++g)
        if (plot->graph(g)->scatterStyle().shape() == QCPScatterStyle::ssSquare)
            marked -= plot->graph(g)->dataCount();
    EXPECT_EQ(marked, 0);
}

TEST_F(WindowTest, LambdaLayerShadesTheSuggestedCellsOfTheAnalysedTableOnly)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(Jet1A);
    for (int i = 0; i < EngineTicks; ++i) {
        QTest::qWait(FrameWaitMs);
        Tick();
    }
    ASSERT_GT(w.Live().LiveRpm, 0);
    const std::string log = WriteEngineLog(w.Image(), Dir());
    AnalysisWindow& view = OpenAnalysis(w);
    w.Analysis().SetFileChooser([&log](const QString&) { return QString::fromStdString(log); });
    QTest::mouseClick(view.findChild<QPushButton*>("AnalysisOpenLogButton"), Qt::LeftButton);
    ASSERT_GE(Suggested(GridTexts(view)), LeastSuggestedCells);
    const ParameterImage before = w.Image();

    ClickViewItem(w, "MenuHitMap");
    ClickViewItem(w, "MenuLambdaLayer");
    ASSERT_TRUE(w.Views().LambdaLayerAction()->isChecked());
    EXPECT_FALSE(w.Views().HitMapAction()->isChecked());
    ExpectLayer(w, view, true);
    w.Controls().pageControl1->setCurrentIndex(0);  // Ign 1 was not analysed
    ExpectLayer(w, view, false);
    w.Controls().pageControl1->setCurrentIndex(Jet1A);
    ExpectLayer(w, view, true);
    ClickViewItem(w, "MenuLambdaLayer");
    EXPECT_FALSE(w.Views().LambdaLayerAction()->isChecked());
    ExpectLayer(w, view, false);
    EXPECT_EQ(w.Image(), before);
}

TEST_F(WindowTest, AnAnalysedLogIsAppliedByItsButtonAsOneStepProgrammedOnlyWhenAsked)
{
    for (const bool programAtOnce : {false, true}) {
        TFormHlav& w = Start();
        w.show();
        if (programAtOnce) {
            w.Controls().pageControl1->setCurrentIndex(PageIndex::Ruzne);
            QTest::mouseClick(w.findChild<QCheckBox*>("CheckBoxProgHned"), Qt::LeftButton);
        }
        ASSERT_TRUE(TickUntilIdle());
        w.Controls().pageControl1->setCurrentIndex(Jet1A);
        const std::string log = WriteEngineLog(w.Image(), Dir());
        AnalysisWindow& view = OpenAnalysis(w);
        ASSERT_TRUE(view.isVisible());
        w.Analysis().SetFileChooser([&log](const QString&) { return QString::fromStdString(log); });
        QTest::mouseClick(view.findChild<QPushButton*>("AnalysisOpenLogButton"), Qt::LeftButton);
        EXPECT_GE(Suggested(GridTexts(view)), LeastSuggestedCells);

        const ParameterImage before = w.Image();
        const ParameterImage unitBefore = unit.Store();
        QTest::mouseClick(view.findChild<QPushButton*>("AnalysisApplyConfidentButton"), Qt::LeftButton);
        const ParameterImage after = w.Image();
        int changed = 0;
        for (std::size_t i = 0; i < ImageSize; ++i) {
            if (after[i] == before[i])
                continue;
            ++changed;
            const bool injectionA = i >= CurveTableOffset(Jet1A) && i < CurveTableOffset(Jet1A + 1 + FollowerTables);
            EXPECT_TRUE(injectionA) << "offset " << i;
            if (injectionA && i >= CurveTableOffset(Jet1A + 1)) {  // a coupled follower moves as the first table
                const std::size_t first = CurveTableOffset(Jet1A) + (i - CurveTableOffset(Jet1A)) % CurveCells;
                EXPECT_EQ(after[i] - before[i], after[first] - before[first]) << "offset " << i;
            }
        }
        EXPECT_GE(changed, (1 + FollowerTables) * LeastSuggestedCells);
        ParameterImage normalised = after;
        NormaliseImage(normalised);
        EXPECT_EQ(normalised, after);

        EXPECT_EQ(w.Link().Mode(), programAtOnce ? TransferProgram : TransferIdle);
        ASSERT_TRUE(TickUntilIdle());
        if (programAtOnce)
            EXPECT_TRUE(std::equal(after.begin() + BlockOffset(1), after.end(), unit.Store().begin() + BlockOffset(1)));
        else
            EXPECT_EQ(unit.Store(), unitBefore);

        w.History().UndoAction()->trigger();
        EXPECT_EQ(w.Image(), before) << "Programming after change " << programAtOnce;
        ASSERT_TRUE(TickUntilIdle());
        w.History().RedoAction()->trigger();
        EXPECT_EQ(w.Image(), after);
        Close();
    }
}

// Live frames of the fuelled unit gather as the log recorded from the same
// frames: analysing that log afterwards shows the same suggestions.
TEST_F(WindowTest, LiveFramesGatherTheSuggestionsOfTheirRecordedLog)
{
    SimulatorOptions fuelled;
    fuelled.fuelledEngine.emplace();
    fuelled.fuelledEngine->fuelError = RandomFuelError(fuelled.fuelledEngine->seed, FuelError);
    unit = UnitSimulator(fuelled);
    ParameterImage set{};
    FillDefaultParameters(set);
    NormaliseImage(set);
    unit.Preload(set);

    TFormHlav& w = Start();
    w.show();
    int tick = 0;
    w.Logs().SetClock([&tick] { return std::int64_t{tick} * TickMilliseconds; });
    w.Controls().pageControl1->setCurrentIndex(Jet1A);
    AnalysisWindow& view = OpenAnalysis(w);
    QTest::mouseClick(view.findChild<QCheckBox*>("AnalysisLiveCheckBox"), Qt::LeftButton);
    w.Logs().StartClick();
    for (; tick < LiveTicks; ++tick)
        Tick();
    const QString log = QString::fromStdString(w.Logs().Recorder().File());
    w.Logs().StopClick();
    QTest::mouseClick(view.findChild<QCheckBox*>("AnalysisLiveCheckBox"), Qt::LeftButton);
    const QStringList live = GridTexts(view);
    EXPECT_GT(Suggested(live), 0);

    w.Analysis().SetFileChooser([&log](const QString&) { return log; });
    QTest::mouseClick(view.findChild<QPushButton*>("AnalysisOpenLogButton"), Qt::LeftButton);
    EXPECT_EQ(GridTexts(view), live);
}

void TypeInto(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->editItem(grid->item(row, column));
    auto* editor = grid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits and closes the editor from its queue.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The target typed in the window is kept beside the parameter file, a value
// outside its range is refused with a message, and the sensor settings come
// back from the settings file.
TEST_F(WindowTest, TargetAndSettingsAreKeptBesideTheSetAndInTheSettings)
{
    constexpr int Row = 4;
    constexpr int Column = 7;
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(Jet1A);
    dialogs.saveAnswer = Dir() + "/bench.ign";
    w.MenuSaveClick();
    AnalysisWindow& view = OpenAnalysis(w);
    QTabBar* tabs = view.findChild<QTabWidget*>()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    auto* target = view.findChild<QTableWidget*>("AnalysisTargetGrid");
    const std::array<int, CurveColumns> rpm = RpmAxisOf(w.Image(), Jet1A);
    for (int c = 0; c < CurveColumns; ++c)  // the columns are the table's engine speeds
        EXPECT_EQ(target->horizontalHeaderItem(c)->text(), QString::number(rpm[c]));
    TypeInto(target, Row, Column, "2.5");
    EXPECT_EQ(target->item(Row, Column)->text(), "1.000");
    Tick();  // messages wait for the timer
    ASSERT_FALSE(sink.shown.empty());
    EXPECT_NE(sink.shown.back().find("2.5"), std::string::npos);
    TypeInto(target, Row, Column, "0,95");
    QTest::mouseClick(view.findChild<QPushButton*>("AnalysisSaveTargetButton"), Qt::LeftButton);
    const TargetLambdaParse saved = LoadTargetLambda((Dir() + "/bench.lambda").toStdString());
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_DOUBLE_EQ(saved.grid[Row][Column], 0.95);

    auto* delay = view.findChild<QSpinBox*>("AnalysisDelayEdit");
    delay->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(delay->findChild<QLineEdit*>(), "520");
    QTest::mouseClick(view.findChild<QRadioButton*>("AnalysisNarrowBandRadio"), Qt::LeftButton);
    Close();

    TFormHlav& again = Start();
    EXPECT_EQ(again.Analysis().Options().delayMs, 520);
    EXPECT_EQ(again.Analysis().Options().sensor.kind, SensorKind::NarrowBand);
    dialogs.openAnswer = Dir() + "/bench.ign";
    again.MenuOpenClick();
    AnalysisWindow& reopened = OpenAnalysis(again);
    EXPECT_EQ(reopened.findChild<QTableWidget*>("AnalysisTargetGrid")->item(Row, Column)->text(), "0.950");
}

}  // namespace
}  // namespace torvana
