#include "log/LogCsv.h"
#include "log/LogFolder.h"
#include "log/LogRecorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>
#include <unistd.h>

namespace torvana {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t FrameMs = 330;
constexpr std::int64_t StartSeconds = 1765280000;  // a fixed wall-clock second

class LogRecorderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("torvana-log-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    LogRecorder Recorder()
    {
        return LogRecorder(
            folder.string(), [this](const std::string&) { return free; }, [] { return StartSeconds; });
    }
    static LogRow Row(int rpm)
    {
        LogRow row;
        row.Set(LogChannel::Rpm, rpm);
        row.Set(LogChannel::Pressure, rpm / 10);
        return row;
    }
    static std::string Text(const std::string& path)
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder;
    std::uint64_t free = LogMinimumFreeBytes * 2;
};

TEST_F(LogRecorderTest, ARunIsOneFileWrittenAsItGoesWithItsMarkers)
{
    LogRecorder recorder = Recorder();
    EXPECT_EQ(recorder.Frame(0, Row(0)).kind, LogEvent::Kind::None);
    EXPECT_FALSE(recorder.Mark(0, "too early"));
    const LogEvent started = recorder.Frame(FrameMs, Row(1500));
    ASSERT_EQ(started.kind, LogEvent::Kind::Started) << started.error;
    EXPECT_EQ(fs::path(started.file).parent_path(), folder);
    EXPECT_EQ(fs::path(started.file).filename(), LogFileName(StartSeconds));

    std::int64_t now = FrameMs;
    for (int i = 1; i <= 10; ++i) {
        now += FrameMs;
        recorder.Frame(now, Row(1500 + i));
        if (i == 4) {
            // Marked between the fourth and fifth frame, noted after the fifth.
            EXPECT_TRUE(recorder.Mark(now + FrameMs / 2, "pit, \"lap\" 2"));
        }
    }
    // Written within a second of each row: everything up to 2.3 s is there.
    const LogParse soFar = ParseLogCsv(Text(started.file));
    ASSERT_TRUE(soFar.ok) << soFar.error;
    EXPECT_GE(soFar.table.rows.size(), 8u);

    EXPECT_TRUE(recorder.Mark(now + 1, ""));
    const LogEvent stopped = recorder.Stop(now + 2);
    EXPECT_EQ(stopped.kind, LogEvent::Kind::Stopped);
    EXPECT_EQ(stopped.reason, StopReason::Manual);
    EXPECT_FALSE(recorder.Mark(now + 3, "after the end"));
    const LogParse log = ReadLogFile(started.file);
    ASSERT_TRUE(log.ok) << log.error;
    ASSERT_EQ(log.table.rows.size(), 13u);  // 11 frames and two markers
    std::vector<LogRow> frames;
    std::vector<LogRow> markers;
    for (const LogRow& row : log.table.rows)
        (row.present.any() ? frames : markers).push_back(row);
    ASSERT_EQ(frames.size(), 11u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].timeMs, static_cast<std::int64_t>(i) * FrameMs);
        EXPECT_EQ(frames[i].Value(LogChannel::Rpm), 1500 + static_cast<int>(i));
        EXPECT_TRUE(frames[i].marker.empty());
    }
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].marker, "1 pit, \"lap\" 2");
    EXPECT_EQ(markers[0].timeMs, 4 * FrameMs + FrameMs / 2);
    EXPECT_EQ(markers[1].marker, "2");
    EXPECT_EQ(markers[1].timeMs, 10 * FrameMs + 1);

    // The same second again: a second file beside the first.
    const LogEvent again = recorder.Start(now + 2);
    ASSERT_EQ(again.kind, LogEvent::Kind::Started) << again.error;
    EXPECT_EQ(fs::path(again.file).stem().string(), fs::path(started.file).stem().string() + "-2");
}

TEST_F(LogRecorderTest, ShortSpaceAndAFolderThatCannotTakeFilesStopWithTheReason)
{
    LogRecorder recorder = Recorder();
    ASSERT_EQ(recorder.Frame(0, Row(2000)).kind, LogEvent::Kind::Started);
    free = LogMinimumFreeBytes - 1;
    const LogEvent full = recorder.Frame(1000, Row(2000));
    EXPECT_EQ(full.kind, LogEvent::Kind::Stopped);
    EXPECT_EQ(full.reason, StopReason::DiskFull);
    EXPECT_EQ(recorder.Start(1100).kind, LogEvent::Kind::NoSpace);
    EXPECT_FALSE(recorder.Recording());

    free = LogMinimumFreeBytes;
    fs::remove_all(folder);
    const LogEvent failed = recorder.Start(1200);
    EXPECT_EQ(failed.kind, LogEvent::Kind::Stopped);
    EXPECT_EQ(failed.reason, StopReason::WriteFailed);
    EXPECT_NE(failed.error.find("No such file or directory"), std::string::npos) << failed.error;
    EXPECT_FALSE(recorder.Recording());
}

TEST(LogFolder, FollowsTheDataHome)
{
    EXPECT_EQ(LogFolderFor("/data", "/home/u"), "/data/torvana/logs");
    EXPECT_EQ(LogFolderFor("relative", "/home/u"), "/home/u/.local/share/torvana/logs");
    EXPECT_EQ(LogFolderFor(nullptr, "/home/u"), "/home/u/.local/share/torvana/logs");
}

}  // namespace
}  // namespace torvana
