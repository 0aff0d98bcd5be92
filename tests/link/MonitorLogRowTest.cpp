#include "link/MonitorDecoder.h"
#include "link/MonitorLogRow.h"
#include "MonitorFrameBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>

namespace torvana {
namespace {

constexpr int RandomFrames = 3000;
constexpr unsigned FrameSeed = 17;
constexpr int SensorErrorChance = 8;  // one in this many frames sets each error byte

// Each label's number, printed as the monitor prints it, from the row.
struct LabelNumber {
    MonitorLabel label;
    LogChannel channel;
    const char* format;
};

constexpr LabelNumber LabelNumbers[] = {
    {MonitorLabel::LabelRpm, LogChannel::Rpm, "RPM = %d "},
    {MonitorLabel::LabelLambda, LogChannel::LambdaMillivolts, "LAMBDA= %d mV"},
    {MonitorLabel::LabelMon_Jet1A, LogChannel::Injection1A, "INJ. TIME 1A= %d us"},
    {MonitorLabel::LabelMon_Jet2B, LogChannel::Injection2B, "INJ. TIME 2B= %d us"},
    {MonitorLabel::LabelMon_Jet3B, LogChannel::Injection3B, "INJ. TIME 3B= %d us"},
    {MonitorLabel::LabelMaxInjProcent, LogChannel::InjectionDuty, "INJ. DUTY = %d [%%]"},
    {MonitorLabel::LabelMon_PolohaB, LogChannel::PositionB, "POSITION B= %d °"},
    {MonitorLabel::LabelKorNapeti, LogChannel::VoltageCorrection, "U correction= %d us"},
    {MonitorLabel::LabelKnockMon3, LogChannel::KnockLevel3, "Knock Level 3 = %d mV"},
    {MonitorLabel::LabelServoPoz, LogChannel::ServoDesiredMillivolts, "Servo desired= %d mV"},
    {MonitorLabel::LabelServoMer, LogChannel::ServoMeasuredMillivolts, "Servo measured= %d mV"},
    {MonitorLabel::LabelPocetProgramovani, LogChannel::ProgrammingCount, "Number of Programing= %d"},
};

std::string Printed(const char* format, int value)
{
    char text[64] = {};
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// For any frame the row holds what the monitor area shows and keeps;
// a sensor error is an empty cell, never a substitute.
TEST(MonitorLogRow, HoldsWhatTheMonitorShows)
{
    std::mt19937 random(FrameSeed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> chance(0, SensorErrorChance - 1);
    for (int n = 0; n < RandomFrames; ++n) {
        MonitorFrameBuilder builder;
        for (std::size_t offset = 1; offset < FrameCheckIndex; ++offset)
            builder.Byte(offset, byte(random));
        if (chance(random) == 0)
            builder.Byte(MonitorField::WaterTemp, 0);
        if (chance(random) == 0)
            builder.Byte(MonitorField::AirTemp, 0);
        if (chance(random) == 0)
            builder.Word(MonitorField::Advances, 0);
        const UnitFrame frame = builder.Sealed();
        LiveValues live;
        MonitorView view;
        ASSERT_TRUE(DecodeMonitorFrame(frame.data(), true, true, live, view));
        const LogRow row = MonitorLogRow(frame.data());
        SCOPED_TRACE("frame " + std::to_string(n));

        for (const LabelNumber& shown : LabelNumbers) {
            ASSERT_TRUE(row.Value(shown.channel));
            EXPECT_EQ(view[shown.label].text.value_or(""), Printed(shown.format, *row.Value(shown.channel)));
        }
        EXPECT_EQ(row.Value(LogChannel::Rpm), live.LiveRpm);
        EXPECT_EQ(row.Value(LogChannel::TpsMillivolts), live.LiveTpsMillivolts);
        EXPECT_EQ(row.Value(LogChannel::Pressure), live.LivePressure);
        EXPECT_EQ(row.Value(LogChannel::StartTime), live.LiveStartTime);
        EXPECT_EQ(row.Value(LogChannel::StoreRemaining), live.UnitStoreRemaining);
        EXPECT_EQ(row.Value(LogChannel::TpsPercent).has_value(), live.LiveTpsPercent <= 100);
        EXPECT_EQ(row.Value(LogChannel::WaterTemp).has_value(), !live.WaterSensorError);
        if (!live.WaterSensorError)
            EXPECT_EQ(row.Value(LogChannel::WaterTemp), live.LiveWaterTemp - 100);
        EXPECT_EQ(row.Value(LogChannel::AirTemp).has_value(), live.LiveAirTemp != 0);
        const std::string advance = view[MonitorLabel::LabelMon_Ign1].text.value_or("");
        EXPECT_EQ(!row.Value(LogChannel::Advance1), advance == "ADVANCE 1= BASE") << advance;
    }
}

// A row played back as a frame shows what the unit's frame showed: the
// same row, the same monitor area (the hidden test values aside) and the
// same live values, a throttle error staying an error.
TEST(MonitorLogRow, PlaysBackAsTheFrameItCameFrom)
{
    std::mt19937 random(FrameSeed + 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> chance(0, SensorErrorChance - 1);
    for (int n = 0; n < RandomFrames; ++n) {
        MonitorFrameBuilder builder;
        for (std::size_t offset = 1; offset < FrameCheckIndex; ++offset)
            builder.Byte(offset, byte(random));
        if (chance(random) == 0)
            builder.Byte(MonitorField::WaterTemp, 0);
        if (chance(random) == 0)
            builder.Byte(MonitorField::AirTemp, 0);
        if (chance(random) == 0)
            builder.Word(MonitorField::Advances, 0);
        const UnitFrame frame = builder.Sealed();
        const LogRow row = MonitorLogRow(frame.data());
        const UnitFrame played = LogRowMonitorFrame(row);
        SCOPED_TRACE("frame " + std::to_string(n));
        ASSERT_EQ(MonitorLogRow(played.data()), row);
        for (const bool extended : {false, true}) {
            LiveValues live;
            LiveValues playedLive;
            MonitorView view;
            MonitorView playedView;
            ASSERT_TRUE(DecodeMonitorFrame(frame.data(), extended, true, live, view));
            ASSERT_TRUE(DecodeMonitorFrame(played.data(), extended, true, playedLive, playedView));
            for (int l = 0; l < static_cast<int>(MonitorLabel::LabelTest1); ++l) {
                const auto label = static_cast<MonitorLabel>(l);
                EXPECT_EQ(playedView[label].text, view[label].text) << MonitorLabelName(label);
                EXPECT_EQ(playedView[label].colour, view[label].colour) << MonitorLabelName(label);
                EXPECT_EQ(playedView[label].visible, view[label].visible) << MonitorLabelName(label);
            }
            for (int g = 0; g < MonitorGaugeCount; ++g) {
                EXPECT_EQ(playedView.gauges[g].progress, view.gauges[g].progress);
                EXPECT_EQ(playedView.gauges[g].barColour, view.gauges[g].barColour);
            }
            EXPECT_EQ(playedLive.LiveTpsPercent > 100, live.LiveTpsPercent > 100);
            if (live.LiveTpsPercent > 100)
                playedLive.LiveTpsPercent = live.LiveTpsPercent;
            EXPECT_EQ(std::memcmp(&playedLive, &live, sizeof live), 0);
        }
    }
}

}  // namespace
}  // namespace torvana
