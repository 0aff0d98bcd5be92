// Timings of the datalog: reading a log of 11 000 rows (an hour at the
// unit's rate) and of 100 000 rows, opening it in the log window up to the
// first drawing, and one step of playing it back on the main window.

#include "WindowBed.h"
#include "log/LogCsv.h"
#include "log/LogTimeline.h"
#include "ui/log/LogWindow.h"
#include "ui/log/LogWiring.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace torvana {
namespace {

constexpr int FrameMs = 330;
constexpr int MarkerEvery = 1000;
constexpr unsigned Seed = 7;

// Rows like a run: every channel filled with varying values.
std::string LogText(int rows)
{
    std::mt19937 random(Seed);
    std::uniform_int_distribution<std::int32_t> value(0, 9000);
    std::string text = LogCsvHeader();
    for (int i = 0; i < rows; ++i) {
        LogRow row;
        row.timeMs = static_cast<std::int64_t>(i) * FrameMs;
        for (int c = 0; c < LogChannelCount; ++c)
            row.Set(NthChannel(c), value(random));
        if (i % MarkerEvery == 0)
            row.marker = std::to_string(i / MarkerEvery + 1) + " lap";
        text += LogCsvRow(row);
    }
    return text;
}

void BM_LogRead(benchmark::State& state)
{
    const std::string text = LogText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LogParse parse = ParseLogCsv(text);
        benchmark::DoNotOptimize(parse.table.rows.data());
    }
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_LogRead)->Arg(11000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The file read, parsed, plotted (three channels) and drawn once.
void BM_LogWindowOpen(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.path() + "/run.csv";
    const std::string text = LogText(static_cast<int>(state.range(0)));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();
    TFormLog window(nullptr);
    window.resize(1100, 720);
    window.show();
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (!window.OpenFile(path))
            state.SkipWithError("the log did not open");
        QPainter painter(&image);
        window.render(&painter);
    }
}
BENCHMARK(BM_LogWindowOpen)->Arg(11000)->Arg(100000)->Unit(benchmark::kMillisecond);

void WriteLog(const QString& path, int rows)
{
    const std::string text = LogText(rows);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
}

// A function of its own, like the tick, so that a profiler can collect the
// step alone: valgrind --tool=callgrind --collect-atstart=no
// --toggle-collect='torvana::TFormHlav::Timer1Timer()'
// --toggle-collect='torvana::(anonymous namespace)::DrawQueued()'
[[gnu::noinline]] void DrawQueued()
{
    QCoreApplication::processEvents();
}

// One tick of the main window that plays one frame of the log at the
// normal speed, with the unit answering meanwhile and the log window's plot
// open: the frame goes through the live area and the marking, the cursor
// moves, and the windows are drawn again.
void BM_LogPlaybackStep(benchmark::State& state)
{
    WindowBed bed;
    std::int64_t now = 0;
    TFormHlav& window = bed.Start();
    window.Logs().SetClock([&now] { return now; });
    const QString path = bed.config.path() + "/run.csv";
    WriteLog(path, static_cast<int>(state.range(0)));
    window.Logs().SetFileChooser([path](const QString&) { return path; });
    window.Logs().OpenClick();
    TFormLog* log = window.Logs().LogWindow();
    if (!log || !log->Timeline()) {
        state.SkipWithError("the log did not open");
        return;
    }
    log->resize(1100, 720);
    QCoreApplication::processEvents();
    log->PlayClick();
    for (auto _ : state) {
        now += FrameMs;
        bed.Tick();
        DrawQueued();
        if (!log->Player().Playing()) {
            state.PauseTiming();
            log->Seek(0.0);
            log->PlayClick();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_LogPlaybackStep)->Arg(11000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvana

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
