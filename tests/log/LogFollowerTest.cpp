#include "log/LogFollower.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace torvana {
namespace {

namespace fs = std::filesystem;

constexpr int Runs = 40;
constexpr int Rows = 120;
constexpr unsigned Seed = 11;

// A log read while its writer appends it in pieces of any size, lines cut
// anywhere: the rows read, put together, are the rows written, each once.
TEST(LogFollower, ReadsAGrowingLogOnceWhereverTheWriterStopped)
{
    const fs::path path = fs::temp_directory_path() / ("torvana-follow-" + std::to_string(::getpid()) + ".csv");
    std::mt19937 random(Seed);
    std::uniform_int_distribution<std::int32_t> value(-500, 9000);
    for (int run = 0; run < Runs; ++run) {
        std::vector<LogRow> written;
        std::string text = LogCsvHeader();
        for (int i = 0; i < Rows; ++i) {
            LogRow row;
            row.timeMs = i * 330;
            row.Set(LogChannel::Rpm, value(random));
            row.Set(LogChannel::LambdaMillivolts, value(random));
            if (i % 17 == 0)
                row.marker = "lap " + std::to_string(i);
            written.push_back(row);
            text += LogCsvRow(row);
        }
        fs::remove(path);
        LogFollower follower(path.string());
        EXPECT_FALSE(follower.Read().ok);  // not there yet
        std::vector<LogRow> read;
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, 3000)(random);
            const std::size_t end = std::min(text.size(), at + piece);
            std::ofstream(path, std::ios::app | std::ios::binary).write(text.data() + at, end - at);
            at = end;
            LogParse parse = follower.Read();
            if (!parse.ok) {
                // Only while the header itself is still being written.
                ASSERT_LT(at, text.find('\n') + 1) << parse.error;
                continue;
            }
            EXPECT_EQ(parse.table.skippedRows, 0u);
            read.insert(read.end(), parse.table.rows.begin(), parse.table.rows.end());
        }
        ASSERT_EQ(read, written) << "run " << run;
    }
    // A log replaced by a shorter file is said so.
    std::ofstream(path, std::ios::trunc) << LogCsvHeader();
    LogFollower replaced(path.string());
    std::ofstream(path, std::ios::app) << LogCsvRow(LogRow{});
    ASSERT_TRUE(replaced.Read().ok);
    std::ofstream(path, std::ios::trunc) << "time_ms\n";
    EXPECT_FALSE(replaced.Read().ok);
    fs::remove(path);
}

}  // namespace
}  // namespace torvana
