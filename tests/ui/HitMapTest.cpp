// The hit map's counting: every gap between two frames goes to the cells
// of the earlier frame when the engine ran and the gap is plausible.

#include "ui/views/HitMap.h"

#include <gtest/gtest.h>

#include <random>

namespace torvana {
namespace {

TEST(HitMap, CreditsEachPlausibleGapToTheEarlierFramesCells)
{
    std::mt19937 random(16);
    HitMap hits;
    std::array<std::array<std::array<std::int64_t, CurveColumns>, CurveRows>, CurveCount> expected{};
    std::optional<HitFrame> previous;
    std::int64_t clock = 0;
    for (int round = 0; round < 3000; ++round) {
        HitFrame frame;
        // Mostly frame-sized steps; now and then a silence or a clock going back.
        const int kind = static_cast<int>(random() % 20);
        clock += kind == 0 ? -5000 : kind == 1 ? HitMap::MaxFrameGapMs + 1 : kind == 2 ? HitMap::MaxFrameGapMs
                                                                                         : random() % 300;
        frame.timeMs = clock;
        frame.running = random() % 5 != 0;
        for (CurveCell& cell : frame.cells)
            cell = {static_cast<int>(random() % CurveRows), static_cast<int>(random() % CurveColumns)};
        if (random() % 500 == 0) {
            hits.Reset();
            expected = {};
            previous.reset();
        }
        std::array<int, CurveCount> levelsBefore{};
        for (int t = 0; t < CurveCount && previous; ++t)
            levelsBefore[t] = HitLevel(hits.Ms(t, previous->cells[t].row, previous->cells[t].column));
        const std::uint64_t version = hits.Version();
        hits.Add(frame);
        bool levelChanged = false;
        if (previous && previous->running && frame.timeMs > previous->timeMs &&
            frame.timeMs - previous->timeMs <= HitMap::MaxFrameGapMs) {
            for (int t = 0; t < CurveCount; ++t) {
                const CurveCell cell = previous->cells[t];
                expected[t][cell.row][cell.column] += frame.timeMs - previous->timeMs;
                levelChanged = levelChanged || HitLevel(hits.Ms(t, cell.row, cell.column)) != levelsBefore[t];
            }
        }
        EXPECT_EQ(hits.Version() != version, levelChanged) << round;
        previous = frame;
    }
    for (int t = 0; t < CurveCount; ++t) {
        std::int64_t tableMs = 0;
        for (int r = 0; r < CurveRows; ++r) {
            for (int c = 0; c < CurveColumns; ++c) {
                EXPECT_EQ(hits.Ms(t, r, c), expected[t][r][c]) << t << ' ' << r << ' ' << c;
                tableMs += hits.Ms(t, r, c);
            }
        }
        EXPECT_EQ(tableMs, hits.TotalMs()) << t;
    }
    EXPECT_GT(hits.TotalMs(), 0);
}

TEST(HitMap, ShadesStepAtTheirSeconds)
{
    const std::pair<std::int64_t, int> cases[] = {{0, 0},      {1, 1},      {1000, 1},     {1001, 2},
                                                  {3000, 2},   {3001, 3},   {30001, 5},    {100000, 5},
                                                  {100001, 6}, {3600000, 6}, {-1, 0}};
    for (const auto& [ms, level] : cases)
        EXPECT_EQ(HitLevel(ms), level) << ms;
    for (int level = 1; level < HitLevels; ++level)
        EXPECT_NE(HitColour(level), HitColour(level - 1)) << level;
}

}  // namespace
}  // namespace torvana
