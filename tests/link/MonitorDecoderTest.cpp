#include "link/MonitorDecoder.h"

#include "MonitorFrameBuilder.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

namespace F = MonitorField;
using L = MonitorLabel;
using G = MonitorGauge;

// A running engine with sound sensors: every label in its quiet colour.
MonitorFrameBuilder HealthyEngine()
{
    MonitorFrameBuilder b;
    b.Word(F::Rpm, 3000).Word(F::PressureSensor, 500).Word(F::AirPressure, 987);
    b.Byte(F::TpsPercent, 20).Byte(F::WaterTemp, 180).Byte(F::AirTemp, 125);
    b.Word(F::SupplySensor, 245).Byte(F::ServoState, 1).Byte(F::TachoLambda, 1);
    return b;
}

struct Decoded {
    bool accepted = false;
    LiveValues live;
    MonitorView view;
};

Decoded Decode(const MonitorFrameBuilder& builder, bool extended = false, bool servoVisible = true)
{
    Decoded d;
    const UnitFrame frame = builder.Sealed();
    d.accepted = DecodeMonitorFrame(frame.data(), extended, servoVisible, d.live, d.view);
    return d;
}

std::string Text(const Decoded& d, MonitorLabel label)
{
    return d.view[label].text.value_or("<unset>");
}

std::optional<Colour> ColourOf(const Decoded& d, MonitorLabel label)
{
    return d.view[label].colour;
}

TEST(MonitorDecoderFrame, AcceptsTheMonitorCommandFamilyOnly)
{
    EXPECT_TRUE(Decode(HealthyEngine().Byte(F::Command, 176)).accepted);
    EXPECT_TRUE(Decode(HealthyEngine().Byte(F::Command, 191)).accepted);
    EXPECT_FALSE(Decode(HealthyEngine().Byte(F::Command, 175)).accepted);
    EXPECT_FALSE(Decode(HealthyEngine().Byte(F::Command, 192)).accepted);
    EXPECT_FALSE(Decode(HealthyEngine().Byte(F::Command, 48)).accepted);
}

TEST(MonitorDecoderFrame, BadCheckByteChangesNothing)
{
    LiveValues live;
    MonitorView view;
    UnitFrame first = HealthyEngine().Sealed();
    ASSERT_TRUE(DecodeMonitorFrame(first.data(), false, true, live, view));

    UnitFrame broken = HealthyEngine().Word(F::Rpm, 9000).Byte(F::WaterTemp, 0).Sealed();
    broken[FrameCheckIndex] ^= 1;
    const LiveValues liveBefore = live;
    const std::vector<MonitorTextLine> linesBefore = MonitorTextLines(view);
    EXPECT_FALSE(DecodeMonitorFrame(broken.data(), false, true, live, view));

    EXPECT_EQ(live.LiveRpm, liveBefore.LiveRpm);
    EXPECT_EQ(live.LiveWaterTemp, liveBefore.LiveWaterTemp);
    EXPECT_EQ(view[L::LabelVoda].colour, Colour::Normal);
    const std::vector<MonitorTextLine> linesAfter = MonitorTextLines(view);
    ASSERT_EQ(linesAfter.size(), linesBefore.size());
    for (std::size_t i = 0; i < linesAfter.size(); ++i) {
        EXPECT_EQ(linesAfter[i].text, linesBefore[i].text) << linesAfter[i].name;
    }
    EXPECT_FALSE(DecodeMonitorFrame(nullptr, false, true, live, view));
}

TEST(MonitorDecoderFrame, KeepsTheLiveValuesOthersRead)
{
    const Decoded d = Decode(HealthyEngine()
                                 .Word(F::TpsSensor, 500)
                                 .Word(F::LambdaSensor, 200)
                                 .Word(F::StartTime, 4321)
                                 .Word(F::StoreRemaining, 17));
    ASSERT_TRUE(d.accepted);
    EXPECT_EQ(d.live.LiveRpm, 3000);
    EXPECT_EQ(d.live.LiveTpsPercent, 20);
    EXPECT_EQ(d.live.LiveTpsMillivolts, 2443);
    EXPECT_EQ(d.live.LiveLambdaMillivolts, 977);
    EXPECT_EQ(d.live.LivePressure, 987);
    EXPECT_EQ(d.live.LiveWaterTemp, 180);
    EXPECT_EQ(d.live.LiveAirTemp, 125);
    EXPECT_EQ(d.live.LiveStartTime, 4321);
    EXPECT_EQ(d.live.UnitStoreRemaining, 17);
}

TEST(MonitorDecoderEngine, SpeedTextGaugeAndFlagColours)
{
    const Decoded stopped = Decode(HealthyEngine().Word(F::Rpm, 0).Word(F::InjectionTime1A, 5000));
    EXPECT_EQ(Text(stopped, L::LabelRpm), "RPM = 0 ");
    EXPECT_EQ(stopped.view[G::CGaugeRpm].progress, 0);
    EXPECT_EQ(Text(stopped, L::LabelMaxInjProcent), "INJ. DUTY = 0 [%]");
    EXPECT_EQ(ColourOf(stopped, L::LabelRpm), Colour::Normal);

    EXPECT_EQ(Decode(HealthyEngine().Word(F::Rpm, 4599)).view[G::CGaugeRpm].progress, 45);
    EXPECT_EQ(Decode(HealthyEngine().Word(F::Rpm, 12000)).view[G::CGaugeRpm].progress, 100);
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Byte(F::RpmFlag1, 1)), L::LabelRpm), Colour::Fuchsia);
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Byte(F::RpmFlag2, 1)), L::LabelRpm), Colour::Fuchsia);
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Byte(F::RpmFlag1, 1).Byte(F::RpmFlag2, 2)), L::LabelRpm),
              Colour::Red);
}

TEST(MonitorDecoderEngine, LambdaMillivoltsAndGauge)
{
    const Decoded zero = Decode(HealthyEngine().Word(F::LambdaSensor, 0));
    EXPECT_EQ(Text(zero, L::LabelLambda), "LAMBDA= 0 mV");
    EXPECT_EQ(zero.view[G::CGaugeLambda].progress, 0);

    const Decoded full = Decode(HealthyEngine().Word(F::LambdaSensor, 1023));
    EXPECT_EQ(Text(full, L::LabelLambda), "LAMBDA= 5000 mV");
    EXPECT_EQ(full.view[G::CGaugeLambda].progress, 100);

    const Decoded mid = Decode(HealthyEngine().Word(F::LambdaSensor, 144));  // 703 mV
    EXPECT_EQ(mid.live.LiveLambdaMillivolts, 703);
    EXPECT_EQ(mid.view[G::CGaugeLambda].progress, 50);

    EXPECT_EQ(Decode(HealthyEngine().Word(F::LambdaSensor, 81)).view[G::CGaugeLambda].progress, 0);  // 395 mV
    EXPECT_EQ(Decode(HealthyEngine().Word(F::LambdaSensor, 205)).view[G::CGaugeLambda].progress, 100);  // 1001
}

TEST(MonitorDecoderEngine, ThrottleTextsAndSensorError)
{
    for (bool extended : {false, true}) {
        const Decoded error = Decode(HealthyEngine().Byte(F::TpsPercent, 101).Word(F::TpsSensor, 1000), extended);
        EXPECT_EQ(Text(error, L::LabelTpsMon), "TP=error=4887 mV");
        EXPECT_EQ(ColourOf(error, L::LabelTpsMon), Colour::Red);
        EXPECT_EQ(error.view[G::CGaugeTps].progress, 0);
    }
    const MonitorFrameBuilder half = HealthyEngine().Byte(F::TpsPercent, 50).Word(F::TpsSensor, 500);
    EXPECT_EQ(Text(Decode(half), L::LabelTpsMon), "TP= 50 %");
    EXPECT_EQ(Text(Decode(half, true), L::LabelTpsMon), "TP= 50 %=2443 mV");
    EXPECT_EQ(ColourOf(Decode(half), L::LabelTpsMon), Colour::Normal);
    EXPECT_EQ(Decode(half).view[G::CGaugeTps].progress, 50);
}

TEST(MonitorDecoderOutputs, AdvanceTextsAndBase)
{
    const Decoded d = Decode(HealthyEngine()
                                 .Word(F::Advances, 1530)
                                 .Word(F::Advances + MonitorWordSize, 1530)
                                 .Word(F::Advances + 2 * MonitorWordSize, 1530));
    EXPECT_EQ(Text(d, L::LabelMon_Ign1), "ADVANCE 1= 15.3 °");
    EXPECT_EQ(Text(d, L::LabelMon_Ign2), "ADVANCE 2 =15.3 °");
    EXPECT_EQ(Text(d, L::LabelMon_Ign3), "ADVANCE 3= 15.3 °");

    const Decoded base = Decode(HealthyEngine().Word(F::Advances + MonitorWordSize, 250));
    EXPECT_EQ(Text(base, L::LabelMon_Ign1), "ADVANCE 1= BASE");
    EXPECT_EQ(Text(base, L::LabelMon_Ign2), "ADVANCE 2 = 2.5 °");
    EXPECT_EQ(Text(base, L::LabelMon_Ign3), "ADVANCE 3= BASE");
}

TEST(MonitorDecoderOutputs, InjectionTimesAndDutyFromTheLongest)
{
    const Decoded d = Decode(HealthyEngine()
                                 .Word(F::Rpm, 12000)
                                 .Word(F::InjectionTime1A, 4000)
                                 .Word(F::InjectionTime2B, 1200)
                                 .Word(F::InjectionTime3B, 5000));
    EXPECT_EQ(Text(d, L::LabelMon_Jet1A), "INJ. TIME 1A= 4000 us");
    EXPECT_EQ(Text(d, L::LabelMon_Jet1B), "INJ. TIME 1B= 0 us");
    EXPECT_EQ(Text(d, L::LabelMon_Jet2B), "INJ. TIME 2B= 1200 us");
    EXPECT_EQ(Text(d, L::LabelMon_Jet3B), "INJ. TIME 3B= 5000 us");
    EXPECT_EQ(Text(d, L::LabelMaxInjProcent), "INJ. DUTY = 50 [%]");
    EXPECT_EQ(d.view[G::CGaugeDuty].progress, 50);
    EXPECT_EQ(d.view[G::CGaugeDuty].barColour, Colour::Aqua);

    const Decoded over = Decode(HealthyEngine().Word(F::Rpm, 6000).Word(F::InjectionTime2A, 30000));
    EXPECT_EQ(Text(over, L::LabelMaxInjProcent), "INJ. DUTY = 150 [%]");
    EXPECT_EQ(over.view[G::CGaugeDuty].progress, 100);
    EXPECT_EQ(over.view[G::CGaugeDuty].barColour, Colour::Yellow);

    const Decoded limit = Decode(HealthyEngine().Word(F::Rpm, 65535).Word(F::InjectionTime3A, 65535));
    EXPECT_EQ(Text(limit, L::LabelMaxInjProcent), "INJ. DUTY = 3579 [%]");
}

TEST(MonitorDecoderOutputs, PositionsAndCounters)
{
    const Decoded d = Decode(HealthyEngine()
                                 .Word(F::PositionA, 355)
                                 .Word(F::PositionB, 720)
                                 .Word(F::ProgrammingCount, 42)
                                 .Word(F::TestValues, 1)
                                 .Word(F::TestValues + 2 * MonitorWordSize, 3)
                                 .Word(F::TestValues + 3 * MonitorWordSize, 4)
                                 .Word(F::TestValues + 7 * MonitorWordSize, 65535));
    EXPECT_EQ(Text(d, L::LabelMon_PolohaA), "POSITION A= 355 °");
    EXPECT_EQ(Text(d, L::LabelMon_PolohaB), "POSITION B= 720 °");
    EXPECT_EQ(Text(d, L::LabelPocetProgramovani), "Number of Programing= 42");
    EXPECT_EQ(Text(d, L::LabelTest1), "Test1= 1");
    EXPECT_EQ(Text(d, L::LabelTest3), "Test3= 3 ");
    EXPECT_EQ(Text(d, L::LabelTest4), "Test4=4");
    EXPECT_EQ(Text(d, L::LabelTest8), "Test8= 65535");
}

TEST(MonitorDecoderSensors, PressureRangeAndText)
{
    const Decoded d = Decode(HealthyEngine().Word(F::AirPressure, 987).Word(F::PressureSensor, 105));
    EXPECT_EQ(Text(d, L::LabelTlak), "AP= 98.7 kPa");
    EXPECT_EQ(ColourOf(d, L::LabelTlak), Colour::Normal);
    EXPECT_EQ(Text(Decode(HealthyEngine().Word(F::PressureSensor, 105), true), L::LabelTlak), "AP= 98.7 kPa= 513 mV");
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Word(F::PressureSensor, 104)), L::LabelTlak), Colour::Red);
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Word(F::PressureSensor, 1006)), L::LabelTlak), Colour::Normal);
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Word(F::PressureSensor, 1007)), L::LabelTlak), Colour::Red);
}

TEST(MonitorDecoderSensors, WaterTemperatureSensorErrorKeeps180)
{
    const MonitorFrameBuilder error = HealthyEngine().Byte(F::WaterTemp, 0).Word(F::WaterSensor, 1023);
    const Decoded plain = Decode(error);
    EXPECT_EQ(Text(plain, L::LabelVoda), "TW= ERROR");
    EXPECT_EQ(ColourOf(plain, L::LabelVoda), Colour::Red);
    EXPECT_EQ(plain.view[G::CGaugeVoda].progress, 80);
    EXPECT_EQ(plain.view[G::CGaugeVoda].barColour, Colour::Red);
    EXPECT_EQ(plain.live.LiveWaterTemp, 180);
    EXPECT_EQ(Text(Decode(error, true), L::LabelVoda), "TW= ERROR = 5000 mV");
}

TEST(MonitorDecoderSensors, WaterTemperatureWarningAndRange)
{
    const Decoded warm = Decode(HealthyEngine().Byte(F::WaterTemp, 150).Word(F::WaterSensor, 300));
    EXPECT_EQ(Text(warm, L::LabelVoda), "TW= 50 °C");
    EXPECT_EQ(ColourOf(warm, L::LabelVoda), Colour::Normal);
    EXPECT_EQ(warm.view[G::CGaugeVoda].barColour, Colour::Aqua);
    EXPECT_EQ(warm.view[G::CGaugeVoda].progress, 50);

    const Decoded hot = Decode(HealthyEngine().Byte(F::WaterTemp, 225).Byte(F::WaterWarning, 1));
    EXPECT_EQ(ColourOf(hot, L::LabelVoda), Colour::Red);
    EXPECT_EQ(hot.view[G::CGaugeVoda].barColour, Colour::Red);
    EXPECT_EQ(hot.view[G::CGaugeVoda].progress, 100);

    const Decoded cold = Decode(HealthyEngine().Byte(F::WaterTemp, 90));
    EXPECT_EQ(Text(cold, L::LabelVoda), "TW= -10 °C");
    EXPECT_EQ(cold.view[G::CGaugeVoda].progress, 0);
}

TEST(MonitorDecoderSensors, AirTemperatureErrorShowsFiftyButKeepsZero)
{
    const Decoded error = Decode(HealthyEngine().Byte(F::AirTemp, 0).Word(F::AirSensor, 0));
    EXPECT_EQ(Text(error, L::LabelVzduch), "AT= 50 °C");
    EXPECT_EQ(ColourOf(error, L::LabelVzduch), Colour::Red);
    EXPECT_EQ(error.live.LiveAirTemp, 0);
    EXPECT_EQ(Text(Decode(HealthyEngine().Byte(F::AirTemp, 0).Word(F::AirSensor, 0), true), L::LabelVzduch),
              "AT= 50 °C= 0 mV");

    const Decoded sound = Decode(HealthyEngine().Byte(F::AirTemp, 125));
    EXPECT_EQ(Text(sound, L::LabelVzduch), "AT= 25 °C");
    EXPECT_EQ(ColourOf(sound, L::LabelVzduch), Colour::Normal);
}

TEST(MonitorDecoderSensors, SupplyVoltageBands)
{
    const Decoded normal = Decode(HealthyEngine().Word(F::SupplySensor, 245));
    EXPECT_EQ(Text(normal, L::LabelNapeti), "U= 13.2 V");
    EXPECT_EQ(ColourOf(normal, L::LabelNapeti), Colour::Normal);

    const Decoded high = Decode(HealthyEngine().Word(F::SupplySensor, 300));
    EXPECT_EQ(Text(high, L::LabelNapeti), "U= 16.1 V");
    EXPECT_EQ(ColourOf(high, L::LabelNapeti), Colour::Yellow);

    const Decoded low = Decode(HealthyEngine().Word(F::SupplySensor, 120));
    EXPECT_EQ(Text(low, L::LabelNapeti), "U=  6.4 V");
    EXPECT_EQ(ColourOf(low, L::LabelNapeti), Colour::Red);

    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Word(F::SupplySensor, 340)), L::LabelNapeti), Colour::Red);  // 18271
    EXPECT_EQ(ColourOf(Decode(HealthyEngine().Word(F::SupplySensor, 200)), L::LabelNapeti), Colour::Yellow);  // 10747
}

TEST(MonitorDecoderStates, ServoLabelsFollowTheServoGroup)
{
    const Decoded shown = Decode(HealthyEngine().Word(F::ServoDesired, 512).Word(F::ServoMeasured, 100), false, true);
    EXPECT_EQ(Text(shown, L::LabelServoPoz), "Servo desired= 2502 mV");
    EXPECT_EQ(Text(shown, L::LabelServoMer), "Servo measured= 488 mV");
    EXPECT_EQ(shown.view[L::LabelServoPoz].visible, true);
    EXPECT_EQ(shown.view[L::LabelServoMer].visible, true);
    EXPECT_EQ(ColourOf(shown, L::LabelServoPoz), Colour::Normal);

    const Decoded hidden = Decode(HealthyEngine().Byte(F::ServoState, 0), false, false);
    EXPECT_EQ(hidden.view[L::LabelServoPoz].visible, false);
    EXPECT_EQ(hidden.view[L::LabelServoMer].visible, false);
    EXPECT_EQ(ColourOf(hidden, L::LabelServoPoz), Colour::Red);
    EXPECT_EQ(ColourOf(hidden, L::LabelServoMer), Colour::Red);
    EXPECT_FALSE(hidden.view[L::LabelRpm].visible.has_value());
}

TEST(MonitorDecoderStates, LimiterOutputModeAndOilPressure)
{
    const Decoded quiet = Decode(HealthyEngine());
    EXPECT_EQ(Text(quiet, L::LabelLimiter1), "Start limiter = OFF");
    EXPECT_EQ(ColourOf(quiet, L::LabelLimiter1), Colour::Normal);
    EXPECT_EQ(Text(quiet, L::LabelTacho_Lambda), "Tacho/Lambda= Tacho");
    EXPECT_EQ(ColourOf(quiet, L::LabelTacho_Lambda), Colour::Normal);
    EXPECT_EQ(Text(quiet, L::LabelTlakOleje), "Oil Pressure= OK");
    EXPECT_EQ(ColourOf(quiet, L::LabelTlakOleje), Colour::Normal);

    const Decoded busy =
        Decode(HealthyEngine().Byte(F::StartLimiter, 1).Byte(F::TachoLambda, 0).Byte(F::OilPressure, 3));
    EXPECT_EQ(Text(busy, L::LabelLimiter1), "Start Limiter = ON");
    EXPECT_EQ(ColourOf(busy, L::LabelLimiter1), Colour::White);
    EXPECT_EQ(Text(busy, L::LabelTacho_Lambda), "Tacho/Lambda= Lambda");
    EXPECT_EQ(ColourOf(busy, L::LabelTacho_Lambda), Colour::Fuchsia);
    EXPECT_EQ(Text(busy, L::LabelTlakOleje), "Oil Pressure= ERR");
    EXPECT_EQ(ColourOf(busy, L::LabelTlakOleje), Colour::Red);
}

TEST(MonitorDecoderStates, CorrectionTexts)
{
    const Decoded d = Decode(HealthyEngine()
                                 .Word(F::WaterCorrection, 1234)
                                 .Word(F::AirCorrection, 5)
                                 .Word(F::PressureCorrection, 1000)
                                 .Word(F::StartCorrection, 15)
                                 .Word(F::VoltageCorrection, 900));
    EXPECT_EQ(Text(d, L::LabelKorVoda), "TW correction= 123.4 %");
    EXPECT_EQ(Text(d, L::LabelKorVzduch), "AT correction= 0.5 %");
    EXPECT_EQ(Text(d, L::LabelKorTlak), "AP correction= 100.0 %");
    EXPECT_EQ(Text(d, L::LabelKorSytic), "Starting corr.=  1.5 %");
    EXPECT_EQ(Text(d, L::LabelKorNapeti), "U correction= -100 us");
    EXPECT_EQ(Text(Decode(HealthyEngine().Word(F::VoltageCorrection, 1000)), L::LabelKorNapeti),
              "U correction= 0 us");
}

TEST(MonitorDecoderStates, KnockLevelsAndPowerOutputs)
{
    const Decoded d = Decode(HealthyEngine()
                                 .Word(F::KnockLevels, 1023)
                                 .Word(F::KnockLevels + 2 * MonitorWordSize, 100)
                                 .Byte(F::KnockFlags + 1, 1)
                                 .Byte(F::PowerOutputs + 2, 1));
    EXPECT_EQ(Text(d, L::LabelKnockMon1), "Knock Level 1 = 5000 mV");
    EXPECT_EQ(Text(d, L::LabelKnockMon3), "Knock Level 3 = 488 mV");
    EXPECT_EQ(ColourOf(d, L::LabelKnockMon1), Colour::Normal);
    EXPECT_EQ(ColourOf(d, L::LabelKnockMon2), Colour::Red);
    EXPECT_EQ(ColourOf(d, L::LabelKnockMon3), Colour::Normal);
    EXPECT_EQ(ColourOf(d, L::LabelPowerOut1), Colour::Lime);
    EXPECT_EQ(ColourOf(d, L::LabelPowerOut2), Colour::Lime);
    EXPECT_EQ(ColourOf(d, L::LabelPowerOut3), Colour::Yellow);
    EXPECT_FALSE(d.view[L::LabelPowerOut1].text.has_value());
}

TEST(MonitorDecoderView, ExtendedMonitorChangesOnlyTheFourSensorLabels)
{
    const MonitorFrameBuilder frame = HealthyEngine().Word(F::TpsSensor, 300).Word(F::WaterSensor, 400);
    const std::vector<MonitorTextLine> plain = MonitorTextLines(Decode(frame, false).view);
    const std::vector<MonitorTextLine> extended = MonitorTextLines(Decode(frame, true).view);
    ASSERT_EQ(plain.size(), extended.size());
    std::vector<std::string_view> changed;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i].text != extended[i].text) {
            changed.push_back(plain[i].name);
        }
    }
    EXPECT_EQ(changed, (std::vector<std::string_view>{"LabelTpsMon", "LabelTlak", "LabelVoda", "LabelVzduch"}));
}

TEST(MonitorDecoderView, TextLinesFollowTheDecoderOrderAndSkipColourOnlyLabels)
{
    const std::vector<MonitorTextLine> lines = MonitorTextLines(Decode(HealthyEngine()).view);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(MonitorLabelCount - MonitorPowerOutputCount));
    EXPECT_EQ(lines.front().name, "LabelRpm");
    EXPECT_EQ(lines.front().text, "RPM = 3000 ");
    EXPECT_EQ(lines[3].name, "LabelMon_Ign1");
    EXPECT_EQ(lines.back().name, "LabelTest8");
    EXPECT_EQ(MonitorLabelName(L::LabelPocetProgramovani), "LabelPocetProgramovani");
    EXPECT_EQ(MonitorGaugeName(G::CGaugeVoda), "CGaugeVoda");
    MonitorView empty;
    EXPECT_TRUE(MonitorTextLines(empty).empty());
}

}  // namespace
}  // namespace torvana
