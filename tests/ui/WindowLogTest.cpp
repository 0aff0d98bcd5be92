// The datalog as the window records it from the simulated unit.

#include "WindowFixture.h"

#include "log/LogCsv.h"
#include "ui/MonitorArea.h"
#include "ui/log/LogWindow.h"
#include "ui/log/LogWiring.h"
#include "ui/views/ViewMenus.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <set>

namespace torvana {
namespace {

constexpr std::size_t FramesBeforeUnplug = 30;
constexpr int MarkerAfterFrames = 12;
constexpr int TicksToSilence = 400;
constexpr int TicksForFrames = 6 * 40;  // a monitor request every sixth tick

class WindowLogTest : public WindowTest {
protected:
    TFormHlav& StartLogging()
    {
        TFormHlav& w = Start();
        w.Logs().SetClock([this] { return ticks * Timer1Interval; });
        return w;
    }
    void TickClock(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            ++ticks;
            Tick();
        }
    }
    QStringList LogFiles() const
    {
        return QDir(Dir() + "/data/torvana/logs").entryList({"*.csv"}, QDir::Files);
    }
    std::int64_t ticks = 0;
};

// The controls of the active page that the operating point marks.
std::vector<std::string> MarkedCells(TFormHlav& w)
{
    const QColor lime(0, 255, 0);
    std::vector<std::string> cells;
    for (const QWidget* control : w.Controls().pageControl1->currentWidget()->findChildren<QWidget*>()) {
        const QPalette& palette = control->palette();
        if (palette.color(QPalette::Base) == lime || palette.color(QPalette::Button) == lime ||
            (control->autoFillBackground() && palette.color(QPalette::Window) == lime))
            cells.push_back(control->objectName().toStdString());
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

void Click(TFormHlav& w, const char* button)
{
    auto* control = w.Logs().LogWindow()->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(control, nullptr) << button;
    QTest::mouseClick(control, Qt::LeftButton);
}

std::string Printed(const char* format, int value)
{
    char text[64] = {};
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A run of the unit is one file: every frame with every value the monitor
// shows, a failed sensor as an empty cell, the marker where the key was
// pressed, and all of it still there when the unit is unplugged mid-run.
TEST_F(WindowLogTest, RecordsARunWithItsMarkerAndSurvivesTheUnplug)
{
    SimulatorOptions options;
    options.faults.coolantSensorFailed = true;
    options.faults.answerLimit = FramesBeforeUnplug;
    unit = UnitSimulator(options);
    TFormHlav& w = StartLogging();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Logs().SetNoteAsker([] { return std::optional<QString>(QStringLiteral("hot, \"lap\" 1")); });

    while (unit.FramesAnswered() < static_cast<std::size_t>(MarkerAfterFrames))
        TickClock();
    EXPECT_TRUE(w.Logs().Recorder().Recording());
    EXPECT_FALSE(w.Logs().RecordingLabel()->isHidden());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_M, Qt::ControlModifier);
    TickClock(TicksForFrames);
    ASSERT_EQ(unit.FramesAnswered(), FramesBeforeUnplug);
    // The last frame's values as the monitor shows them.
    const auto label = [&w](MonitorLabel l) { return w.Monitor().Label(l)->text().toStdString(); };
    const std::string rpmText = label(MonitorLabel::LabelRpm);
    const std::string lambdaText = label(MonitorLabel::LabelLambda);
    const std::string jetText = label(MonitorLabel::LabelMon_Jet2A);
    const std::string knockText = label(MonitorLabel::LabelKnockMon1);
    const std::string voltageText = label(MonitorLabel::LabelKorNapeti);
    TickClock(TicksToSilence);
    EXPECT_FALSE(w.Logs().Recorder().Recording());

    const QStringList files = LogFiles();
    ASSERT_EQ(files.size(), 1);
    const LogParse log = ReadLogFile((Dir() + "/data/torvana/logs/" + files[0]).toStdString());
    ASSERT_TRUE(log.ok) << log.error;
    EXPECT_EQ(log.table.skippedRows, 0u);
    std::vector<LogRow> frames;
    std::vector<LogRow> markers;
    for (const LogRow& row : log.table.rows)
        (row.present.any() ? frames : markers).push_back(row);
    ASSERT_EQ(frames.size(), FramesBeforeUnplug);
    for (const LogRow& row : frames) {
        EXPECT_FALSE(row.Value(LogChannel::WaterTemp));
        EXPECT_GT(row.Value(LogChannel::Rpm).value_or(0), 0);
        const bool baseAdvance = !row.Value(LogChannel::Advance1);
        EXPECT_EQ(row.present.count(), static_cast<std::size_t>(LogChannelCount - 1 - (baseAdvance ? 3 : 0)));
    }
    const LogRow& last = frames.back();
    EXPECT_EQ(rpmText, Printed("RPM = %d ", *last.Value(LogChannel::Rpm)));
    EXPECT_EQ(lambdaText, Printed("LAMBDA= %d mV", *last.Value(LogChannel::LambdaMillivolts)));
    EXPECT_EQ(jetText, Printed("INJ. TIME 2A= %d us", *last.Value(LogChannel::Injection2A)));
    EXPECT_EQ(knockText, Printed("Knock Level 1 = %d mV", *last.Value(LogChannel::KnockLevel1)));
    EXPECT_EQ(voltageText, Printed("U correction= %d us", *last.Value(LogChannel::VoltageCorrection)));

    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].marker, "1 hot, \"lap\" 1");
    // Set while the twelfth frame was on its way.
    EXPECT_GT(markers[0].timeMs, frames[MarkerAfterFrames - 2].timeMs);
    EXPECT_LT(markers[0].timeMs, frames[MarkerAfterFrames].timeMs);

    // The log just written opens in the log window.
    w.findChild<QAction*>(QStringLiteral("MenuLogCurrent"))->trigger();
    ASSERT_NE(w.Logs().LogWindow(), nullptr);
    EXPECT_EQ(w.Logs().LogWindow()->Timeline()->FrameCount(), FramesBeforeUnplug);
    EXPECT_EQ(w.Logs().LogWindow()->Timeline()->Markers().size(), 1u);
}

TEST_F(WindowLogTest, ShortSpaceStopsTheRecordingAndTheStatusLineSaysSo)
{
    TFormHlav& w = StartLogging();
    std::uint64_t free = LogMinimumFreeBytes * 2;
    w.Logs().SetFreeSpace([&free](const std::string&) { return free; });
    while (!w.Logs().Recorder().Recording() && ticks < TicksForFrames)
        TickClock();
    ASSERT_TRUE(w.Logs().Recorder().Recording());
    free = LogMinimumFreeBytes - 1;
    while (w.Logs().Recorder().Recording() && ticks < 2 * TicksForFrames)
        TickClock();
    TickClock();
    EXPECT_FALSE(w.Logs().Recorder().Recording());
    EXPECT_TRUE(w.Logs().RecordingLabel()->isHidden());
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Log recording stopped: less than 100 MB free on the disk.");
    EXPECT_TRUE(w.Controls().labelHlaseni->isVisibleTo(&w));

    // By hand: refused with the same words, in the window's language.
    w.MenuLanguageClick(German);
    w.Logs().StartClick();
    TickClock();
    EXPECT_FALSE(w.Logs().Recorder().Recording());
    EXPECT_EQ(w.Controls().labelHlaseni->text(),
              QString::fromUtf8("Protokollaufzeichnung beendet: weniger als 100 MB frei auf dem Datenträger."));
}

// A recorded run played back marks the cells the run marked, tick for
// tick, while the unit goes on answering behind it, and the window says
// that it shows a log until the playback ends.
TEST_F(WindowLogTest, PlayingTheLogMarksTheCellsTheRunMarkedTickForTick)
{
    constexpr int RunTicks = 260;  // through the throttle's opening and closing
    TFormHlav& w = StartLogging();
    w.Controls().pageControl1->setCurrentIndex(0);
    std::vector<std::vector<std::string>> live;
    while (!w.Logs().Recorder().Recording() && ticks < TicksForFrames)
        TickClock();
    ASSERT_TRUE(w.Logs().Recorder().Recording());
    for (int t = 0; t < RunTicks; ++t) {
        // The log being written, opened midway, grows in its window.
        if (t == RunTicks / 2)
            w.findChild<QAction*>(QStringLiteral("MenuLogCurrent"))->trigger();
        TickClock();
        live.push_back(MarkedCells(w));
    }
    ASSERT_NE(w.Logs().LogWindow(), nullptr);
    const std::size_t framesSeen = w.Logs().LogWindow()->Timeline()->FrameCount();
    w.Logs().StopClick();
    TickClock(TicksForFrames / 4);
    const std::set<std::vector<std::string>> distinct(live.begin(), live.end());
    ASSERT_GE(distinct.size(), 3u) << "the run should move over the table";
    ASSERT_EQ(LogFiles().size(), 1);
    const LogParse written = ReadLogFile((Dir() + "/data/torvana/logs/" + LogFiles().front()).toStdString());
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(w.Logs().LogWindow()->Timeline()->FrameCount(), written.table.rows.size());
    EXPECT_GT(framesSeen, written.table.rows.size() / 2);
    EXPECT_TRUE(w.Logs().PlaybackLabel()->isHidden());
    w.findChild<QAction*>(QStringLiteral("MenuHitMapReset"))->trigger();
    Click(w, "ButtonLogPlay");
    ASSERT_TRUE(w.Logs().ShowsLog());
    for (std::size_t t = 0; t < live.size(); ++t) {
        TickClock();
        ASSERT_EQ(MarkedCells(w), live[t]) << "tick " << t;
    }
    // The hit map counted the log's time, from its first frame to the one shown.
    EXPECT_GT(w.Logs().ShownTimeMs(), 0);
    EXPECT_EQ(w.Views().Hits().TotalMs(), w.Logs().ShownTimeMs());
    EXPECT_FALSE(w.Logs().PlaybackLabel()->isHidden());
    EXPECT_TRUE(w.Logs().PlaybackLabel()->text().startsWith("Showing a log, not the unit:"));
    EXPECT_EQ(w.Logs().Recorder().Recording(), false);

    // Paused, sought back to the start with the slider's key, then faster.
    TFormLog* log = w.Logs().LogWindow();
    Click(w, "ButtonLogPause");
    TickClock();
    EXPECT_TRUE(w.Logs().PlaybackLabel()->text().endsWith("paused"));
    QTest::keyClick(log->findChild<QSlider*>(QStringLiteral("SliderLogSeek")), Qt::Key_Home);
    TickClock();
    EXPECT_EQ(MarkedCells(w), live[0]);
    EXPECT_EQ(w.Logs().ShownTimeMs(), 0);
    QTest::keyClick(log->findChild<QComboBox*>(QStringLiteral("ComboLogSpeed")), Qt::Key_Down);
    EXPECT_EQ(log->Player().Speed(), 2.0);
    Click(w, "ButtonLogPlay");
    TickClock(12);
    const double played = 12 * 2 * Timer1Interval / 1000.0;
    EXPECT_EQ(w.Logs().ShownTimeMs(), log->Timeline()->Frame(*log->Timeline()->FrameAt(played)).timeMs);
    EXPECT_GT(w.Logs().ShownTimeMs(), 12 * Timer1Interval);

    Click(w, "ButtonLogEndPlayback");
    TickClock(TicksForFrames / 4);
    EXPECT_FALSE(w.Logs().ShowsLog());
    EXPECT_TRUE(w.Logs().PlaybackLabel()->isHidden());
}

// The log being written, played into its end while the run goes on: the
// playback waits there and plays the rows that come; once the recording
// stops it plays the file's last row and pauses.
TEST_F(WindowLogTest, PlayingTheLogBeingWrittenFollowsItsNewRows)
{
    constexpr std::int64_t MostLagMs = 2000;  // the file is read on once a second
    TFormHlav& w = StartLogging();
    while (!w.Logs().Recorder().Recording() && ticks < TicksForFrames)
        TickClock();
    ASSERT_TRUE(w.Logs().Recorder().Recording());
    TickClock(TicksForFrames / 4);
    w.findChild<QAction*>(QStringLiteral("MenuLogCurrent"))->trigger();
    TFormLog* log = w.Logs().LogWindow();
    ASSERT_NE(log, nullptr);
    const std::int64_t endWhenOpened = log->Timeline()->Frame(log->Timeline()->FrameCount() - 1).timeMs;
    QTest::keyClick(log->findChild<QComboBox*>(QStringLiteral("ComboLogSpeed")), Qt::Key_End);
    Click(w, "ButtonLogPlay");
    for (int t = 0; t < TicksForFrames; ++t) {
        TickClock();
        ASSERT_TRUE(log->Player().Playing()) << "tick " << t;
    }
    const std::int64_t lastRead = log->Timeline()->Frame(log->Timeline()->FrameCount() - 1).timeMs;
    EXPECT_GT(w.Logs().ShownTimeMs(), endWhenOpened + MostLagMs);
    EXPECT_GE(w.Logs().ShownTimeMs(), lastRead - MostLagMs);

    w.Logs().StopClick();
    TickClock(TicksForFrames / 4);
    EXPECT_FALSE(log->Player().Playing());
    EXPECT_TRUE(w.Logs().PlaybackLabel()->text().endsWith("paused"));
    const LogParse written = ReadLogFile((Dir() + "/data/torvana/logs/" + LogFiles().front()).toStdString());
    ASSERT_TRUE(written.ok);
    ASSERT_EQ(log->Timeline()->FrameCount(), written.table.rows.size());
    EXPECT_EQ(w.Logs().ShownTimeMs(), written.table.rows.back().timeMs);
}

}  // namespace
}  // namespace torvana
