#include "log/LogPlayer.h"

#include <gtest/gtest.h>

#include <random>

namespace torvana {
namespace {

constexpr int Runs = 200;
constexpr int StepsPerRun = 300;
constexpr unsigned Seed = 5;

// Random logs played with random pauses, speeds and seeks: every step hands
// out the frames the position has passed and no other, each once and in
// order until a seek; the position moves at the chosen speed and stops at
// the end.
TEST(LogPlayer, HandsOutEachPassedFrameOnceAtItsSpeed)
{
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> gap(0, 400);
    std::uniform_int_distribution<int> tick(1, 120);
    std::uniform_int_distribution<int> action(0, 19);
    std::uniform_int_distribution<std::size_t> speedIndex(0, LogPlayer::Speeds.size() - 1);
    for (int run = 0; run < Runs; ++run) {
        std::vector<double> seconds;
        std::int64_t timeMs = gap(random);
        for (int n = std::uniform_int_distribution<int>(0, 60)(random); n > 0; --n, timeMs += gap(random))
            seconds.push_back(static_cast<double>(timeMs) / 1000.0);
        LogPlayer player;
        std::int64_t now = 1000;
        std::size_t expectedNext = 0;  // the frame the next step must start at
        player.Play(seconds, now);
        EXPECT_EQ(player.Playing(), !seconds.empty());
        for (int s = 0; s < StepsPerRun; ++s) {
            const double before = player.Position(now);
            const double speed = player.Speed();
            const bool wasPlaying = player.Playing();
            const int elapsed = tick(random);
            now += elapsed;
            EXPECT_NEAR(player.Position(now), before + (wasPlaying ? elapsed * speed / 1000.0 : 0.0), 1e-9);
            const int what = action(random);
            bool sought = false;
            if (what == 0) {
                player.Pause(now);
            } else if (what == 1 || (!player.Playing() && what > 3)) {
                // From the end it starts again at the first frame.
                if (!player.Playing() && expectedNext >= seconds.size() && !seconds.empty()) {
                    expectedNext = 0;
                    sought = true;
                }
                player.Play(seconds, now);
            } else if (what == 2) {
                player.SetSpeed(LogPlayer::Speeds[speedIndex(random)], now);
            } else if (what == 3 && !seconds.empty()) {
                const double to = std::uniform_real_distribution<double>(-1.0, seconds.back() + 1.0)(random);
                player.Seek(seconds, to, now);
                const auto after = std::upper_bound(seconds.begin(), seconds.end(), to);
                expectedNext = after == seconds.begin() ? 0 : static_cast<std::size_t>(after - seconds.begin()) - 1;
                sought = true;
            }
            const double position = player.Position(now);
            const PlayStep step = player.Step(seconds, now);
            ASSERT_EQ(step.first, expectedNext);
            ASSERT_LE(step.end, seconds.size());
            if (sought) {
                ASSERT_GT(step.end, step.first);
            }
            for (std::size_t i = step.first + (sought ? 1 : 0); i < step.end; ++i)
                EXPECT_LE(seconds[i], position);
            if (step.end < seconds.size() && player.Playing()) {
                EXPECT_GT(seconds[step.end], position);
            }
            if (!seconds.empty() && step.end == seconds.size()) {
                EXPECT_FALSE(player.Playing());
            }
            expectedNext = step.end;
        }
    }
}

// At the normal speed a frame is due at the first step at least its time
// after the play began, which is how a run was timed when it was recorded.
TEST(LogPlayer, NormalSpeedKeepsTheRecordedTiming)
{
    constexpr std::int64_t TickMs = 55;
    const std::vector<double> seconds = {0.0, 0.055, 0.33, 0.385, 0.66, 2.2};
    LogPlayer player;
    const std::int64_t start = 7000;
    player.Play(seconds, start);
    std::vector<std::int64_t> dueAt(seconds.size(), -1);
    for (std::int64_t now = start; player.Playing(); now += TickMs) {
        const PlayStep step = player.Step(seconds, now);
        for (std::size_t i = step.first; i < step.end; ++i)
            dueAt[i] = now - start;
    }
    for (std::size_t i = 0; i < seconds.size(); ++i)
        EXPECT_EQ(dueAt[i], static_cast<std::int64_t>(seconds[i] * 1000 / TickMs + 0.5) * TickMs) << i;
    player.SetSpeed(100.0, start);
    EXPECT_EQ(player.Speed(), LogPlayer::Speeds.back());
    player.SetSpeed(0.0, start);
    EXPECT_EQ(player.Speed(), LogPlayer::Speeds.front());
}

// A log still being written, played into its end: the play waits there,
// and the rows that come later, in chunks at random moments, are handed out
// each once, in order, at their recorded pace from the last row on rather
// than all at once. Once the log stops growing the play pauses at its end.
TEST(LogPlayer, WaitsAtTheEndOfAGrowingLogAndPlaysTheRowsThatCome)
{
    constexpr std::int64_t TickMs = 55;
    constexpr double RowGap = 0.33;
    constexpr int Chunks = 40;
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> chunkRows(0, 8);
    std::uniform_int_distribution<int> ticksBetween(1, 40);
    for (const double speed : LogPlayer::Speeds) {
        std::vector<double> seconds = {0.0, RowGap};
        LogPlayer player;
        player.SetGrowing(true);
        player.SetSpeed(speed, 0);
        std::int64_t now = 0;
        player.Play(seconds, now);
        std::size_t handedOut = 0;
        const auto step = [&] {
            now += TickMs;
            const PlayStep due = player.Step(seconds, now);
            ASSERT_EQ(due.first, handedOut);
            // Never more rows in one step than the step's time holds.
            ASSERT_LE(due.end - due.first, static_cast<std::size_t>(TickMs / 1000.0 * speed / RowGap) + 1);
            handedOut = due.end;
        };
        for (int chunk = 0; chunk < Chunks; ++chunk) {
            for (int n = chunkRows(random); n > 0; --n)
                seconds.push_back(seconds.back() + RowGap);
            for (int t = ticksBetween(random); t > 0; --t)
                step();
            ASSERT_TRUE(player.Playing());
        }
        for (int t = 0; handedOut < seconds.size() && t < 100000; ++t)
            step();
        EXPECT_EQ(handedOut, seconds.size());
        EXPECT_TRUE(player.Playing());
        player.SetGrowing(false);
        step();
        EXPECT_FALSE(player.Playing()) << speed;
        EXPECT_EQ(player.Position(now), seconds.back());
    }
}

}  // namespace
}  // namespace torvana
