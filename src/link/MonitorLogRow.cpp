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

LogChannel Next(LogChannel first, int n)
{
    return NthChannel(static_cast<int>(first) + n);
}

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

}  // namespace torvana
