#include "log/LogScatter.h"

#include <gtest/gtest.h>

#include <random>

namespace torvana {
namespace {

constexpr int Rows = 500;
constexpr unsigned Seed = 23;
constexpr int EmptyChance = 6;

// Every frame with both values is one point at those values; the colour
// classes rise with the colour channel from the lowest to the highest.
TEST(LogScatter, PlotsEachFrameWithBothValuesColouredInOrder)
{
    std::mt19937 random(Seed);
    std::uniform_int_distribution<std::int32_t> value(-400, 12000);
    std::uniform_int_distribution<int> chance(0, EmptyChance - 1);
    LogTable table;
    for (int i = 0; i < Rows; ++i) {
        LogRow row;
        row.timeMs = i * 100;
        for (const LogChannel channel : {LogChannel::Rpm, LogChannel::LambdaMillivolts, LogChannel::TpsPercent}) {
            if (chance(random) != 0)
                row.Set(channel, value(random));
        }
        if (row.present.none())
            row.Set(LogChannel::AirTemp, 1);
        table.rows.push_back(row);
    }
    const LogTimeline timeline(table);
    const Scatter scatter = MakeScatter(timeline, LogChannel::Rpm, LogChannel::LambdaMillivolts, LogChannel::TpsPercent);
    ASSERT_EQ(scatter.points.size() + scatter.framesLeftOut, timeline.FrameCount());
    std::vector<std::pair<double, int>> colours;
    std::size_t point = 0;
    for (std::size_t i = 0; i < timeline.FrameCount(); ++i) {
        const LogRow& row = timeline.Frame(i);
        if (!row.Value(LogChannel::Rpm) || !row.Value(LogChannel::LambdaMillivolts))
            continue;
        const ScatterPoint& p = scatter.points[point++];
        EXPECT_EQ(p.x, ChannelUnits(LogChannel::Rpm, *row.Value(LogChannel::Rpm)));
        EXPECT_EQ(p.y, ChannelUnits(LogChannel::LambdaMillivolts, *row.Value(LogChannel::LambdaMillivolts)));
        if (row.Value(LogChannel::TpsPercent))
            colours.emplace_back(ChannelUnits(LogChannel::TpsPercent, *row.Value(LogChannel::TpsPercent)), p.colourClass);
        else
            EXPECT_EQ(p.colourClass, 0);
    }
    std::sort(colours.begin(), colours.end());
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(colours.front().first, scatter.colourLow);
    EXPECT_EQ(colours.back().first, scatter.colourHigh);
    EXPECT_EQ(colours.front().second, 0);
    EXPECT_EQ(colours.back().second, ScatterColourClasses - 1);
    for (std::size_t i = 1; i < colours.size(); ++i)
        EXPECT_LE(colours[i - 1].second, colours[i].second);

    const Scatter plain = MakeScatter(timeline, LogChannel::Rpm, LogChannel::LambdaMillivolts, std::nullopt);
    EXPECT_EQ(plain.points.size(), scatter.points.size());
    for (const ScatterPoint& p : plain.points)
        EXPECT_EQ(p.colourClass, 0);
}

}  // namespace
}  // namespace torvana
