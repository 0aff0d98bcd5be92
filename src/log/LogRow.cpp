#include "log/LogRow.h"

#include <cmath>
#include <unordered_map>

namespace torvana {

namespace {

constexpr int Tenths = 1;
constexpr int Hundredths = 2;

constexpr std::array<LogChannelInfo, LogChannelCount> Channels = {{
    {"rpm", 0},
    {"tps_percent", 0},
    {"tps_mv", 0},
    {"lambda_mv", 0},
    {"pressure_kpa", Tenths},
    {"pressure_mv", 0},
    {"water_c", 0},
    {"water_mv", 0},
    {"air_c", 0},
    {"air_mv", 0},
    {"supply_mv", 0},
    {"advance1_deg", Hundredths},
    {"advance2_deg", Hundredths},
    {"advance3_deg", Hundredths},
    {"inj1a_us", 0},
    {"inj1b_us", 0},
    {"inj2a_us", 0},
    {"inj2b_us", 0},
    {"inj3a_us", 0},
    {"inj3b_us", 0},
    {"inj_duty_percent", 0},
    {"position_a_deg", 0},
    {"position_b_deg", 0},
    {"water_corr_percent", Tenths},
    {"air_corr_percent", Tenths},
    {"pressure_corr_percent", Tenths},
    {"start_corr_percent", Tenths},
    {"voltage_corr_us", 0},
    {"knock1_mv", 0},
    {"knock2_mv", 0},
    {"knock3_mv", 0},
    {"knock1", 0},
    {"knock2", 0},
    {"knock3", 0},
    {"water_warning", 0},
    {"start_limiter", 0},
    {"rpm_flag1", 0},
    {"rpm_flag2", 0},
    {"output1", 0},
    {"output2", 0},
    {"output3", 0},
    {"servo_desired_mv", 0},
    {"servo_measured_mv", 0},
    {"servo_ok", 0},
    {"tacho_output", 0},
    {"oil_pressure_error", 0},
    {"start_time", 0},
    {"store_remaining", 0},
    {"programmings", 0},
}};

}  // namespace

const LogChannelInfo& ChannelInfo(LogChannel channel)
{
    return Channels[static_cast<std::size_t>(channel)];
}

std::optional<LogChannel> ChannelOfColumn(std::string_view column)
{
    // Made once: a header is read per log and per file opened in the log window.
    static const std::unordered_map<std::string_view, LogChannel> byName = [] {
        std::unordered_map<std::string_view, LogChannel> names;
        for (int i = 0; i < LogChannelCount; ++i)
            names.emplace(Channels[static_cast<std::size_t>(i)].column, NthChannel(i));
        return names;
    }();
    const auto found = byName.find(column);
    if (found == byName.end())
        return std::nullopt;
    return found->second;
}

double ChannelUnits(LogChannel channel, std::int32_t value)
{
    constexpr double base = 10.0;
    return value / std::pow(base, ChannelInfo(channel).decimals);
}

}  // namespace torvana
