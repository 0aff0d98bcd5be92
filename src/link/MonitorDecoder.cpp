#include "link/MonitorDecoder.h"

#include "link/MonitorFrame.h"
#include "link/MonitorText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {

namespace {

namespace F = MonitorField;

template <typename... Arguments>
MonitorText Format(std::string_view format, Arguments... arguments)
{
    return FormatMonitorText(format, {MonitorArgument(arguments)...});
}

int ClampGauge(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, GaugeMinimum, GaugeMaximum));
}

constexpr double HundredthsToUnits = 0.01;
constexpr double TenthsToUnits = 0.1;
constexpr double MilliToUnits = 0.001;

constexpr int RpmPerGaugeStep = 100;

constexpr int LambdaGaugeLowMillivolts = 400;
constexpr int LambdaGaugeHighMillivolts = 1000;
constexpr int LambdaMillivoltsPerGaugeStep = 6;

constexpr int PercentError = 100;  // throttle bytes above it are sensor errors

constexpr int PressureAdcLow = 105;
constexpr int PressureAdcHigh = 1006;

constexpr int TemperatureBias = 100;
constexpr std::uint8_t SensorError = 0;
constexpr std::uint8_t WaterErrorSubstitute = 180;
constexpr int AirErrorSubstituteCelsius = 50;

constexpr int SupplyDivider = 11;
constexpr int SupplyAlarmLow = 7000;  // mV, exclusive bounds
constexpr int SupplyAlarmHigh = 17999;
constexpr int SupplyWarnLow = 11000;
constexpr int SupplyWarnHigh = 14999;

class FrameReader {
public:
    explicit FrameReader(const std::uint8_t* frame) : bytes(frame) {}
    int Word(std::size_t offset) const { return MonitorWord(bytes, offset); }
    int Millivolts(std::size_t offset) const { return AdcMillivolts(Word(offset)); }
    std::uint8_t Byte(std::size_t offset) const { return bytes[offset]; }
    bool Set(std::size_t offset) const { return bytes[offset] != 0; }

private:
    const std::uint8_t* bytes;
};

// Into the label's own string where it has one: a running monitor then
// decodes its frames without allocating.
void Put(MonitorView& view, MonitorLabel label, std::string_view text)
{
    std::optional<std::string>& shown = view[label].text;
    if (shown)
        shown->assign(text);
    else
        shown.emplace(text);
}

void Put(MonitorView& view, MonitorLabel label, const MonitorText& text)
{
    Put(view, label, text.View());
}

void Put(MonitorView& view, MonitorLabel label, std::string_view text, Colour colour)
{
    Put(view, label, text);
    view[label].colour = colour;
}

void Put(MonitorView& view, MonitorLabel label, const MonitorText& text, Colour colour)
{
    Put(view, label, text.View(), colour);
}

MonitorLabel Nth(MonitorLabel first, int n)
{
    return static_cast<MonitorLabel>(static_cast<int>(first) + n);
}

void DecodeEngine(const FrameReader& in, bool extended, LiveValues& live, MonitorView& view)
{
    const bool flag1 = in.Set(F::RpmFlag1);
    const bool flag2 = in.Set(F::RpmFlag2);
    const Colour rpmColour = flag1 && flag2 ? Colour::Red : (flag1 || flag2 ? Colour::Fuchsia : Colour::Normal);
    Put(view, MonitorLabel::LabelRpm, Format("RPM = %d ", live.LiveRpm), rpmColour);
    view[MonitorGauge::CGaugeRpm].progress = ClampGauge(live.LiveRpm / RpmPerGaugeStep);

    live.LiveLambdaMillivolts = in.Millivolts(F::LambdaSensor);
    Put(view, MonitorLabel::LabelLambda, Format("LAMBDA= %d mV", live.LiveLambdaMillivolts));
    int lambdaGauge = GaugeMinimum;
    if (live.LiveLambdaMillivolts > LambdaGaugeHighMillivolts) {
        lambdaGauge = GaugeMaximum;
    } else if (live.LiveLambdaMillivolts >= LambdaGaugeLowMillivolts) {
        lambdaGauge = (live.LiveLambdaMillivolts - LambdaGaugeLowMillivolts) / LambdaMillivoltsPerGaugeStep;
    }
    view[MonitorGauge::CGaugeLambda].progress = ClampGauge(lambdaGauge);

    live.LiveTpsMillivolts = in.Millivolts(F::TpsSensor);
    if (live.LiveTpsPercent > PercentError) {
        Put(view, MonitorLabel::LabelTpsMon, Format("TP=error=%d mV", live.LiveTpsMillivolts), Colour::Red);
        view[MonitorGauge::CGaugeTps].progress = GaugeMinimum;
    } else {
        const int percent = live.LiveTpsPercent;
        Put(view, MonitorLabel::LabelTpsMon,
            extended ? Format("TP= %d %%=%d mV", percent, live.LiveTpsMillivolts) : Format("TP= %d %%", percent),
            Colour::Normal);
        view[MonitorGauge::CGaugeTps].progress = ClampGauge(percent);
    }
}

void DecodeOutputs(const FrameReader& in, const LiveValues& live, MonitorView& view)
{
    constexpr std::array<const char*, MonitorCylinderCount> advanceFormats = {
        "ADVANCE 1=% 4.1f °", "ADVANCE 2 =%4.1f °", "ADVANCE 3= %4.1f °"};
    constexpr std::array<const char*, MonitorCylinderCount> baseTexts = {
        "ADVANCE 1= BASE", "ADVANCE 2= BASE", "ADVANCE 3= BASE"};
    for (int n = 0; n < MonitorCylinderCount; ++n) {
        const int advance = in.Word(F::Advances + MonitorWordSize * n);
        Put(view, Nth(MonitorLabel::LabelMon_Ign1, n),
            advance == 0 ? std::string_view(baseTexts[n]) : Format(advanceFormats[n], advance * HundredthsToUnits).View());
    }

    struct Injection {
        MonitorLabel label;
        std::size_t offset;
        const char* format;
    };
    constexpr std::array<Injection, 6> injections = {{
        {MonitorLabel::LabelMon_Jet1A, F::InjectionTime1A, "INJ. TIME 1A= %d us"},
        {MonitorLabel::LabelMon_Jet1B, F::InjectionTime1B, "INJ. TIME 1B= %d us"},
        {MonitorLabel::LabelMon_Jet2A, F::InjectionTime2A, "INJ. TIME 2A= %d us"},
        {MonitorLabel::LabelMon_Jet2B, F::InjectionTime2B, "INJ. TIME 2B= %d us"},
        {MonitorLabel::LabelMon_Jet3A, F::InjectionTime3A, "INJ. TIME 3A= %d us"},
        {MonitorLabel::LabelMon_Jet3B, F::InjectionTime3B, "INJ. TIME 3B= %d us"},
    }};
    int longest = 0;
    for (const Injection& injection : injections) {
        const int time = in.Word(injection.offset);
        Put(view, injection.label, Format(injection.format, time));
        longest = std::max(longest, time);
    }

    // 65535 rpm × 65535 µs does not fit 32 bits.
    const long long duty = InjectionDutyPercent(live.LiveRpm, longest);
    Put(view, MonitorLabel::LabelMaxInjProcent, Format("INJ. DUTY = %d [%%]", static_cast<int>(duty)));
    view[MonitorGauge::CGaugeDuty].progress = ClampGauge(duty);
    view[MonitorGauge::CGaugeDuty].barColour = duty > GaugeMaximum ? Colour::Yellow : Colour::Aqua;

    Put(view, MonitorLabel::LabelMon_PolohaA, Format("POSITION A= %d °", in.Word(F::PositionA)));
    Put(view, MonitorLabel::LabelMon_PolohaB, Format("POSITION B= %d °", in.Word(F::PositionB)));
}

void DecodeSensors(const FrameReader& in, bool extended, LiveValues& live, MonitorView& view)
{
    live.LivePressure = static_cast<std::uint16_t>(in.Word(F::AirPressure));
    const int pressureAdc = in.Word(F::PressureSensor);
    const double kiloPascal = live.LivePressure * TenthsToUnits;
    const int pressureMillivolts = AdcMillivolts(pressureAdc);
    Put(view, MonitorLabel::LabelTlak,
        extended ? Format("AP= %4.1f kPa= %d mV", kiloPascal, pressureMillivolts) : Format("AP= %4.1f kPa", kiloPascal),
        pressureAdc < PressureAdcLow || pressureAdc > PressureAdcHigh ? Colour::Red : Colour::Normal);

    const int waterMillivolts = in.Millivolts(F::WaterSensor);
    GaugeState& waterGauge = view[MonitorGauge::CGaugeVoda];
    live.WaterSensorError = live.LiveWaterTemp == SensorError;
    if (live.WaterSensorError) {
        live.LiveWaterTemp = WaterErrorSubstitute;
        Put(view, MonitorLabel::LabelVoda,
            extended ? Format("TW= ERROR = %d mV", waterMillivolts).View() : std::string_view("TW= ERROR"), Colour::Red);
        waterGauge.barColour = Colour::Red;
    } else {
        const bool warning = in.Set(F::WaterWarning);
        const int celsius = live.LiveWaterTemp - TemperatureBias;
        Put(view, MonitorLabel::LabelVoda,
            extended ? Format("TW= %d °C= %d mV", celsius, waterMillivolts) : Format("TW= %d °C", celsius),
            warning ? Colour::Red : Colour::Normal);
        waterGauge.barColour = warning ? Colour::Red : Colour::Aqua;
    }
    waterGauge.progress = ClampGauge(live.LiveWaterTemp - TemperatureBias);

    // A failed air sensor shows the unit's substitute; the kept value stays 0.
    const int airMillivolts = in.Millivolts(F::AirSensor);
    const bool airError = live.LiveAirTemp == SensorError;
    const int airCelsius = airError ? AirErrorSubstituteCelsius : live.LiveAirTemp - TemperatureBias;
    Put(view, MonitorLabel::LabelVzduch,
        extended ? Format("AT= %d °C= %d mV", airCelsius, airMillivolts) : Format("AT= %d °C", airCelsius),
        airError ? Colour::Red : Colour::Normal);

    const int supply = in.Millivolts(F::SupplySensor) * SupplyDivider;
    Colour supplyColour = Colour::Normal;
    if (supply <= SupplyAlarmLow || supply >= SupplyAlarmHigh) {
        supplyColour = Colour::Red;
    } else if (supply <= SupplyWarnLow || supply >= SupplyWarnHigh) {
        supplyColour = Colour::Yellow;
    }
    Put(view, MonitorLabel::LabelNapeti, Format("U= %4.1f V", supply * MilliToUnits), supplyColour);
}

void DecodeStates(const FrameReader& in, bool servoVisible, MonitorView& view)
{
    const Colour servoColour = in.Set(F::ServoState) ? Colour::Normal : Colour::Red;
    Put(view, MonitorLabel::LabelServoPoz, Format("Servo desired= %d mV", in.Millivolts(F::ServoDesired)),
        servoColour);
    Put(view, MonitorLabel::LabelServoMer, Format("Servo measured= %d mV", in.Millivolts(F::ServoMeasured)),
        servoColour);
    view[MonitorLabel::LabelServoPoz].visible = servoVisible;
    view[MonitorLabel::LabelServoMer].visible = servoVisible;

    if (in.Set(F::StartLimiter)) {
        Put(view, MonitorLabel::LabelLimiter1, "Start Limiter = ON", Colour::White);
    } else {
        Put(view, MonitorLabel::LabelLimiter1, "Start limiter = OFF", Colour::Normal);
    }
    if (in.Set(F::TachoLambda)) {
        Put(view, MonitorLabel::LabelTacho_Lambda, "Tacho/Lambda= Tacho", Colour::Normal);
    } else {
        Put(view, MonitorLabel::LabelTacho_Lambda, "Tacho/Lambda= Lambda", Colour::Fuchsia);
    }
    if (in.Set(F::OilPressure)) {
        Put(view, MonitorLabel::LabelTlakOleje, "Oil Pressure= ERR", Colour::Red);
    } else {
        Put(view, MonitorLabel::LabelTlakOleje, "Oil Pressure= OK", Colour::Normal);
    }
}

void DecodeCorrections(const FrameReader& in, MonitorView& view)
{
    Put(view, MonitorLabel::LabelKorVoda,
        Format("TW correction= %4.1f %%", in.Word(F::WaterCorrection) * TenthsToUnits));
    Put(view, MonitorLabel::LabelKorVzduch,
        Format("AT correction=%4.1f %%", in.Word(F::AirCorrection) * TenthsToUnits));
    Put(view, MonitorLabel::LabelKorTlak,
        Format("AP correction= %4.1f %%", in.Word(F::PressureCorrection) * TenthsToUnits));
    Put(view, MonitorLabel::LabelKorSytic,
        Format("Starting corr.= %4.1f %%", in.Word(F::StartCorrection) * TenthsToUnits));
    Put(view, MonitorLabel::LabelKorNapeti,
        Format("U correction= %d us", in.Word(F::VoltageCorrection) - VoltageCorrectionBias));
}

void DecodeUnitState(const FrameReader& in, LiveValues& live, MonitorView& view)
{
    live.LiveStartTime = static_cast<std::uint16_t>(in.Word(F::StartTime));

    constexpr std::array<const char*, MonitorCylinderCount> knockFormats = {
        "Knock Level 1 = %d mV", "Knock Level 2 = %d mV", "Knock Level 3 = %d mV"};
    for (int n = 0; n < MonitorCylinderCount; ++n) {
        Put(view, Nth(MonitorLabel::LabelKnockMon1, n),
            Format(knockFormats[n], in.Millivolts(F::KnockLevels + MonitorWordSize * n)),
            in.Set(F::KnockFlags + n) ? Colour::Red : Colour::Normal);
    }
    for (int n = 0; n < MonitorPowerOutputCount; ++n) {
        view[Nth(MonitorLabel::LabelPowerOut1, n)].colour = in.Set(F::PowerOutputs + n) ? Colour::Yellow : Colour::Lime;
    }

    live.UnitStoreRemaining = static_cast<std::uint16_t>(in.Word(F::StoreRemaining));
    Put(view, MonitorLabel::LabelPocetProgramovani, Format("Number of Programing= %d", in.Word(F::ProgrammingCount)));

    constexpr std::array<const char*, MonitorTestValueCount> testFormats = {
        "Test1= %d", "Test2= %d", "Test3= %d ", "Test4=%d", "Test5= %d", "Test6= %d", "Test7= %d", "Test8= %d"};
    for (int n = 0; n < MonitorTestValueCount; ++n) {
        Put(view, Nth(MonitorLabel::LabelTest1, n),
            Format(testFormats[n], in.Word(F::TestValues + MonitorWordSize * n)));
    }
}

}  // namespace

bool DecodeMonitorFrame(const std::uint8_t* frame, bool extendedMonitor, bool servoVisible, LiveValues& live,
                        MonitorView& view)
{
    if (frame == nullptr || !IsMonitorFrame(frame)) {
        return false;
    }
    const FrameReader in(frame);
    live.LiveTpsPercent = in.Byte(F::TpsPercent);
    live.LiveWaterTemp = in.Byte(F::WaterTemp);
    live.LiveAirTemp = in.Byte(F::AirTemp);
    live.LiveRpm = static_cast<std::uint16_t>(in.Word(F::Rpm));

    DecodeEngine(in, extendedMonitor, live, view);
    DecodeOutputs(in, live, view);
    DecodeSensors(in, extendedMonitor, live, view);
    DecodeStates(in, servoVisible, view);
    DecodeCorrections(in, view);
    DecodeUnitState(in, live, view);
    return true;
}

}  // namespace torvana
