#include "log/LogTimeline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torvana {
namespace {

TEST(LogTimeline, FramesMarkersAndTheFrameAtATime)
{
    const LogParse parse = ParseLogCsv("time_ms,rpm,pressure_kpa,water_c,marker\n"
                                       "0,1000,100.5,20,\n"
                                       "330,1100,100.6,,\n"
                                       "500,,,,2 late\n"
                                       "660,1200,100.7,22,1 start\n"
                                       "990,1300,100.8,23,\n");
    ASSERT_TRUE(parse.ok) << parse.error;
    const LogTimeline timeline(parse.table);
    ASSERT_EQ(timeline.FrameCount(), 4u);
    EXPECT_EQ(timeline.Seconds(), (std::vector<double>{0.0, 0.33, 0.66, 0.99}));
    const std::vector<double> water = timeline.Values(LogChannel::WaterTemp);
    EXPECT_TRUE(std::isnan(water[1]));
    EXPECT_DOUBLE_EQ(water[2], 22.0);
    EXPECT_DOUBLE_EQ(timeline.Values(LogChannel::Pressure)[3], 100.8);
    ASSERT_EQ(timeline.Markers().size(), 2u);
    EXPECT_EQ(timeline.Markers()[0].text, "2 late");
    EXPECT_DOUBLE_EQ(timeline.Markers()[1].seconds, 0.66);

    const struct {
        double time;
        std::size_t frame;
    } cursor[] = {{-5.0, 0}, {0.0, 0}, {0.329, 0}, {0.33, 1}, {0.5, 1}, {0.99, 3}, {100.0, 3}};
    for (const auto& c : cursor)
        EXPECT_EQ(timeline.FrameAt(c.time), c.frame) << c.time;
    EXPECT_FALSE(LogTimeline(LogTable{}).FrameAt(0.0));

    EXPECT_EQ(LogValueText(LogChannel::Pressure, 1005), "100.5");
    EXPECT_EQ(LogValueText(LogChannel::Advance1, -5), "-0.05");
    EXPECT_EQ(LogValueText(LogChannel::WaterTemp, std::nullopt), "-");
}

}  // namespace
}  // namespace torvana
