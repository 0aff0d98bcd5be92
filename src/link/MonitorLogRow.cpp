#include "link/MonitorLogRow.h"

#include "link/MonitorFrame.h"

#include <algorithm>
#include <array>

namespace torvana {

namespace {

namespace F = MonitorField;
using C = LogChannel;

constexpr int PercentError = 100;  // throttle bytes above it are sensor errors
constexpr int TemperatureBias = 100;
constexpr std::uint8_t TemperatureError = 0;
constexpr int SupplyDivider = 11;

constexpr std::uint8_t TpsErrorByte = 0xFF;
constexpr int ByteMax = 0xFF;
constexpr int WordMax = 0xFFFF;
constexpr int AdcReferenceMillivolts = 5000;
constexpr int AdcFullScale = 1023;

LogChannel Next(LogChannel first, int n)
{
    return NthChannel(static_cast<int>(first) + n);
}

// Fills a frame field by field; values beyond a field (a file edited by
// hand) are held at its ends.
class FrameWriter {
public:
    explicit FrameWriter(const LogRow& row) : row(row) {}

    void Byte(std::size_t offset, std::int64_t value)
    {
        frame[offset] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, ByteMax));
    }
    void Word(std::size_t offset, std::int64_t value)
    {
        const auto word = static_cast<int>(std::clamp<std::int64_t>(value, 0, WordMax));
        frame[offset] = static_cast<std::uint8_t>(word & ByteMax);
        frame[offset + 1] = static_cast<std::uint8_t>(word >> 8);
    }
    // The reading whose millivolts, truncated, are the value: the ADC's
    // step is wider than a millivolt, so there is exactly one.
    void Adc(std::size_t offset, std::int64_t millivolts)
    {
        Word(offset, (std::max<std::int64_t>(millivolts, 0) * AdcFullScale + AdcReferenceMillivolts - 1) /
                         AdcReferenceMillivolts);
    }
    std::int64_t Value(LogChannel channel) const { return row.Value(channel).value_or(0); }
    bool Has(LogChannel channel) const { return row.Value(channel).has_value(); }

    UnitFrame Finish()
    {
        frame[F::Command] = Command::MonitorReply;
        SealFrame(frame);
        return frame;
    }

private:
    const LogRow& row;
    UnitFrame frame{};
};

}  // namespace

LogRow MonitorLogRow(const std::uint8_t* frame)
{
    const auto word = [frame](std::size_t offset) { return MonitorWord(frame, offset); };
    const auto millivolts = [&word](std::size_t offset) { return AdcMillivolts(word(offset)); };
    LogRow row;
    const int rpm = word(F::Rpm);
    row.Set(C::Rpm, rpm);
    if (frame[F::TpsPercent] <= PercentError)
        row.Set(C::TpsPercent, frame[F::TpsPercent]);
    row.Set(C::TpsMillivolts, millivolts(F::TpsSensor));
    row.Set(C::LambdaMillivolts, millivolts(F::LambdaSensor));
    row.Set(C::Pressure, word(F::AirPressure));
    row.Set(C::PressureMillivolts, millivolts(F::PressureSensor));
    if (frame[F::WaterTemp] != TemperatureError)
        row.Set(C::WaterTemp, frame[F::WaterTemp] - TemperatureBias);
    row.Set(C::WaterMillivolts, millivolts(F::WaterSensor));
    if (frame[F::AirTemp] != TemperatureError)
        row.Set(C::AirTemp, frame[F::AirTemp] - TemperatureBias);
    row.Set(C::AirMillivolts, millivolts(F::AirSensor));
    row.Set(C::SupplyMillivolts, millivolts(F::SupplySensor) * SupplyDivider);

    for (int n = 0; n < MonitorCylinderCount; ++n) {
        const int advance = word(F::Advances + MonitorWordSize * n);
        if (advance != 0)
            row.Set(Next(C::Advance1, n), advance);
        row.Set(Next(C::KnockLevel1, n), millivolts(F::KnockLevels + MonitorWordSize * n));
        row.Set(Next(C::KnockFlag1, n), frame[F::KnockFlags + n]);
    }
    constexpr std::array<std::size_t, 6> injections = {F::InjectionTime1A, F::InjectionTime1B, F::InjectionTime2A,
                                                       F::InjectionTime2B, F::InjectionTime3A, F::InjectionTime3B};
    int longest = 0;
    for (std::size_t i = 0; i < injections.size(); ++i) {
        const int time = word(injections[i]);
        row.Set(Next(C::Injection1A, static_cast<int>(i)), time);
        longest = std::max(longest, time);
    }
    row.Set(C::InjectionDuty, static_cast<std::int32_t>(InjectionDutyPercent(rpm, longest)));
    row.Set(C::PositionA, word(F::PositionA));
    row.Set(C::PositionB, word(F::PositionB));
    row.Set(C::WaterCorrection, word(F::WaterCorrection));
    row.Set(C::AirCorrection, word(F::AirCorrection));
    row.Set(C::PressureCorrection, word(F::PressureCorrection));
    row.Set(C::StartCorrection, word(F::StartCorrection));
    row.Set(C::VoltageCorrection, word(F::VoltageCorrection) - VoltageCorrectionBias);

    row.Set(C::WaterWarning, frame[F::WaterWarning]);
    row.Set(C::StartLimiter, frame[F::StartLimiter]);
    row.Set(C::RpmFlag1, frame[F::RpmFlag1]);
    row.Set(C::RpmFlag2, frame[F::RpmFlag2]);
    for (int n = 0; n < MonitorPowerOutputCount; ++n)
        row.Set(Next(C::PowerOutput1, n), frame[F::PowerOutputs + n]);
    row.Set(C::ServoDesiredMillivolts, millivolts(F::ServoDesired));
    row.Set(C::ServoMeasuredMillivolts, millivolts(F::ServoMeasured));
    row.Set(C::ServoOk, frame[F::ServoState]);
    row.Set(C::TachoOutput, frame[F::TachoLambda]);
    row.Set(C::OilPressureError, frame[F::OilPressure]);
    row.Set(C::StartTime, word(F::StartTime));
    row.Set(C::StoreRemaining, word(F::StoreRemaining));
    row.Set(C::ProgrammingCount, word(F::ProgrammingCount));
    return row;
}

UnitFrame LogRowMonitorFrame(const LogRow& row)
{
    FrameWriter out(row);
    out.Word(F::Rpm, out.Value(C::Rpm));
    out.Byte(F::TpsPercent, out.Has(C::TpsPercent) ? out.Value(C::TpsPercent) : TpsErrorByte);
    out.Adc(F::TpsSensor, out.Value(C::TpsMillivolts));
    out.Adc(F::LambdaSensor, out.Value(C::LambdaMillivolts));
    out.Word(F::AirPressure, out.Value(C::Pressure));
    out.Adc(F::PressureSensor, out.Value(C::PressureMillivolts));
    out.Byte(F::WaterTemp, out.Has(C::WaterTemp) ? std::max<std::int64_t>(out.Value(C::WaterTemp) + TemperatureBias, 1)
                                                 : TemperatureError);
    out.Adc(F::WaterSensor, out.Value(C::WaterMillivolts));
    out.Byte(F::AirTemp, out.Has(C::AirTemp) ? std::max<std::int64_t>(out.Value(C::AirTemp) + TemperatureBias, 1)
                                             : TemperatureError);
    out.Adc(F::AirSensor, out.Value(C::AirMillivolts));
    out.Adc(F::SupplySensor, out.Value(C::SupplyMillivolts) / SupplyDivider);

    for (int n = 0; n < MonitorCylinderCount; ++n) {
        const std::size_t word = MonitorWordSize * static_cast<std::size_t>(n);
        out.Word(F::Advances + word, out.Value(Next(C::Advance1, n)));
        out.Adc(F::KnockLevels + word, out.Value(Next(C::KnockLevel1, n)));
        out.Byte(F::KnockFlags + n, out.Value(Next(C::KnockFlag1, n)));
    }
    constexpr std::array<std::size_t, 6> injections = {F::InjectionTime1A, F::InjectionTime1B, F::InjectionTime2A,
                                                       F::InjectionTime2B, F::InjectionTime3A, F::InjectionTime3B};
    for (std::size_t i = 0; i < injections.size(); ++i)
        out.Word(injections[i], out.Value(Next(C::Injection1A, static_cast<int>(i))));
    out.Word(F::PositionA, out.Value(C::PositionA));
    out.Word(F::PositionB, out.Value(C::PositionB));
    out.Word(F::WaterCorrection, out.Value(C::WaterCorrection));
    out.Word(F::AirCorrection, out.Value(C::AirCorrection));
    out.Word(F::PressureCorrection, out.Value(C::PressureCorrection));
    out.Word(F::StartCorrection, out.Value(C::StartCorrection));
    out.Word(F::VoltageCorrection, out.Value(C::VoltageCorrection) + VoltageCorrectionBias);

    out.Byte(F::WaterWarning, out.Value(C::WaterWarning));
    out.Byte(F::StartLimiter, out.Value(C::StartLimiter));
    out.Byte(F::RpmFlag1, out.Value(C::RpmFlag1));
    out.Byte(F::RpmFlag2, out.Value(C::RpmFlag2));
    for (int n = 0; n < MonitorPowerOutputCount; ++n)
        out.Byte(F::PowerOutputs + n, out.Value(Next(C::PowerOutput1, n)));
    out.Adc(F::ServoDesired, out.Value(C::ServoDesiredMillivolts));
    out.Adc(F::ServoMeasured, out.Value(C::ServoMeasuredMillivolts));
    out.Byte(F::ServoState, out.Value(C::ServoOk));
    out.Byte(F::TachoLambda, out.Value(C::TachoOutput));
    out.Byte(F::OilPressure, out.Value(C::OilPressureError));
    out.Word(F::StartTime, out.Value(C::StartTime));
    out.Word(F::StoreRemaining, out.Value(C::StoreRemaining));
    out.Word(F::ProgrammingCount, out.Value(C::ProgrammingCount));
    return out.Finish();
}

}  // namespace torvana
