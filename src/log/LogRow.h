#pragma once
// One row of the datalog: every value the monitor area decodes from one
// frame, the time since the log began and an optional marker.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {

enum class LogChannel : int {
    Rpm,
    TpsPercent,  // empty on a throttle sensor error
    TpsMillivolts,
    LambdaMillivolts,
    Pressure,  // 0.1 kPa
    PressureMillivolts,
    WaterTemp,  // °C, empty on a sensor error
    WaterMillivolts,
    AirTemp,  // °C, empty on a sensor error
    AirMillivolts,
    SupplyMillivolts,
    Advance1,  // 0.01 degree, empty while the unit uses the base advance
    Advance2,
    Advance3,
    Injection1A,  // µs
    Injection1B,
    Injection2A,
    Injection2B,
    Injection3A,
    Injection3B,
    InjectionDuty,  // percent
    PositionA,      // degrees
    PositionB,
    WaterCorrection,  // 0.1 %
    AirCorrection,
    PressureCorrection,
    StartCorrection,
    VoltageCorrection,  // µs
    KnockLevel1,        // mV
    KnockLevel2,
    KnockLevel3,
    KnockFlag1,  // 0 or 1
    KnockFlag2,
    KnockFlag3,
    WaterWarning,
    StartLimiter,
    RpmFlag1,
    RpmFlag2,
    PowerOutput1,
    PowerOutput2,
    PowerOutput3,
    ServoDesiredMillivolts,
    ServoMeasuredMillivolts,
    ServoOk,
    TachoOutput,  // 1 tacho, 0 lambda
    OilPressureError,
    StartTime,
    StoreRemaining,
    ProgrammingCount,
    Count,
};

constexpr int LogChannelCount = static_cast<int>(LogChannel::Count);

struct LogChannelInfo {
    std::string_view column;  // the CSV header's name
    int decimals;             // the value is kept in steps of 10^-decimals
};

const LogChannelInfo& ChannelInfo(LogChannel channel);
constexpr LogChannel NthChannel(int index) { return static_cast<LogChannel>(index); }

// The channel of a CSV column name.
std::optional<LogChannel> ChannelOfColumn(std::string_view column);

// A kept value in the channel's own unit (rpm, °C, degrees, ...).
double ChannelUnits(LogChannel channel, std::int32_t value);

struct LogRow {
    std::int64_t timeMs = 0;  // since the log began
    std::array<std::int32_t, LogChannelCount> values{};
    std::bitset<LogChannelCount> present;
    std::string marker;  // empty: no marker here

    std::optional<std::int32_t> Value(LogChannel channel) const
    {
        const auto i = static_cast<std::size_t>(channel);
        return present[i] ? std::optional<std::int32_t>(values[i]) : std::nullopt;
    }
    void Set(LogChannel channel, std::int32_t value)
    {
        const auto i = static_cast<std::size_t>(channel);
        values[i] = value;
        present.set(i);
    }
    void Clear(LogChannel channel)
    {
        const auto i = static_cast<std::size_t>(channel);
        values[i] = 0;
        present.reset(i);
    }
    bool operator==(const LogRow&) const = default;
};

}  // namespace torvana
