// Timings of the main window against a simulated unit: start-up, a page
// change, one edit and one monitor tick.

#include "WindowBed.h"
#include "core/ImageLayout.h"
#include "ui/pages/EditorPages.h"
#include "ui/WindowDesign.h"
#include "ui/history/HistoryWiring.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <memory>
#include <string>

namespace torvana {
namespace {

constexpr int IgnPage = 0;        // "Ign 1"
constexpr int JetPage = 3;        // "Jet 1A"
constexpr int WarmUpTicks = 30;  // enough for the connection and the first frames
constexpr int EditLowValue = 17;
constexpr int EditHighValue = 18;
constexpr int EditedRow = 2;
constexpr int EditedColumn = 4;
constexpr const char* EditedCell = "CurveCellEdit[2][4]";

void BM_WindowStartup(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto bed = std::make_unique<WindowBed>();
        state.ResumeTiming();
        bed->Start();
        state.PauseTiming();
        bed.reset();  // closing is not part of the start-up
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowStartup)->Unit(benchmark::kMillisecond);

// The heat map, the table plot and the hit map shown, as the View menu shows them.
void ShowViews(TFormHlav& window, bool shown)
{
    for (const char* name : {"MenuHeatMap", "MenuTablePlot", "MenuHitMap"}) {
        if (auto* item = window.findChild<QAction*>(QString::fromLatin1(name))) {
            item->setChecked(shown);
        }
    }
    QCoreApplication::processEvents();
}

void PageChange(benchmark::State& state, bool views)
{
    WindowBed bed;
    ShowViews(bed.Start(), views);
    QTabWidget* tabs = bed.window->Controls().pageControl1;
    bool onJet = false;
    for (auto _ : state) {
        onJet = !onJet;
        tabs->setCurrentIndex(onJet ? JetPage : IgnPage);
        QCoreApplication::processEvents();
    }
}
void BM_WindowPageChange(benchmark::State& state) { PageChange(state, false); }
BENCHMARK(BM_WindowPageChange)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageChange, views, true)->Unit(benchmark::kMillisecond);

void CellEdit(benchmark::State& state, bool views)
{
    WindowBed bed;
    TFormHlav& window = bed.Start();
    ShowViews(window, views);
    window.Controls().pageControl1->setCurrentIndex(IgnPage);
    QSpinBox* cell = window.Pages().SpinBox(EditedCell);
    if (cell == nullptr) {
        state.SkipWithError("curve cell not found");
        return;
    }
    QLineEdit* text = cell->findChild<QLineEdit*>();
    cell->setFocus();
    bool high = false;
    for (auto _ : state) {
        high = !high;  // a changed value every time, so the edit is never a no-op
        text->setText(QString::number(high ? EditHighValue : EditLowValue));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(cell, &press);
        QCoreApplication::processEvents();
    }
    const int expected = high ? EditHighValue : EditLowValue;
    if (cell->value() != expected || window.Image()[CurveCellOffset(IgnPage, EditedRow, EditedColumn)] != expected) {
        state.SkipWithError("the edit did not reach the cell");
    }
}
void BM_WindowCellEdit(benchmark::State& state) { CellEdit(state, false); }
BENCHMARK(BM_WindowCellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CellEdit, views, true)->Unit(benchmark::kMillisecond);

// One undo and one redo of a cell edit per iteration, through the edit path,
// with a full history behind them.
void BM_WindowUndoRedo(benchmark::State& state)
{
    WindowBed bed;
    TFormHlav& window = bed.Start();
    window.Controls().pageControl1->setCurrentIndex(IgnPage);
    HistoryWiring& history = window.History();
    for (std::size_t i = 0; i < DefaultHistoryCapacity; ++i) {
        window.Image()[CurveCellOffset(IgnPage, EditedRow, EditedColumn)] = i % 2 ? EditHighValue : EditLowValue;
        const auto step = history.Expect(StepCause::Tool);  // no control: never merged into a burst
        history.Commit();
    }
    for (auto _ : state) {
        history.UndoAction()->trigger();
        history.RedoAction()->trigger();
    }
    if (!history.History().CanUndo() || history.History().CanRedo()) {
        state.SkipWithError("undo and redo did not pair up");
    }
}
BENCHMARK(BM_WindowUndoRedo)->Unit(benchmark::kMillisecond);

// What recording a step adds to an edit: the state compared, the step kept
// in a full history, the Edit menu renamed.
void BM_WindowRecordStep(benchmark::State& state)
{
    WindowBed bed;
    TFormHlav& window = bed.Start();
    HistoryWiring& history = window.History();
    bool high = false;
    for (auto _ : state) {
        high = !high;
        window.Image()[CurveCellOffset(IgnPage, EditedRow, EditedColumn)] = high ? EditHighValue : EditLowValue;
        const auto step = history.Expect(StepCause::Tool);
        history.Commit();
    }
    if (history.History().Steps().size() < std::min<std::size_t>(state.iterations(), DefaultHistoryCapacity)) {
        state.SkipWithError("the steps were not recorded");
    }
}
BENCHMARK(BM_WindowRecordStep)->Unit(benchmark::kMicrosecond);

void MonitorTick(benchmark::State& state, bool views)
{
    WindowBed bed;
    TFormHlav& window = bed.Start();
    ShowViews(window, views);
    window.Controls().pageControl1->setCurrentIndex(IgnPage);
    QCoreApplication::processEvents();
    // Each run of the loop starts on a live connection, not on its set-up.
    for (int i = 0; i < WarmUpTicks; ++i) {
        bed.Tick();
    }
    if (window.Live().LiveRpm == 0) {
        state.SkipWithError("no monitor frames arrived");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (bed.ports.current) {
            bed.ports.current->AdvanceTick();  // the next monitor frame is due
        }
        state.ResumeTiming();
        window.Timer1Timer();
    }
}
void BM_WindowMonitorTick(benchmark::State& state) { MonitorTick(state, false); }
BENCHMARK(BM_WindowMonitorTick)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MonitorTick, views, true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace torvana

int main(int argc, char** argv)
{
    // No display is needed; the window renders off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
