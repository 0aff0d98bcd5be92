#include "cli/LiveCsv.h"

namespace torvana {

namespace {
constexpr int TemperatureBias = 100;  // temperatures arrive as °C + 100
}  // namespace

LiveCsv::LiveCsv(std::ostream& out) : out(out)
{
    out << "time_ms,rpm,tps_percent,tps_mv,lambda_mv,pressure_kpa_x10,water_c,air_c,start_time,"
           "store_remaining\n";
    out.flush();
}

bool LiveCsv::WriteRow(long long milliseconds, const LiveValues& live)
{
    out << milliseconds << ',' << live.LiveRpm << ',' << int{live.LiveTpsPercent} << ',' << live.LiveTpsMillivolts
        << ',' << live.LiveLambdaMillivolts << ',' << live.LivePressure << ',';
    // A failed sensor has no temperature to log: the coolant's substitute
    // is for the tracking only, and the air sensor's error arrives as 0.
    if (!live.WaterSensorError)
        out << int{live.LiveWaterTemp} - TemperatureBias;
    out << ',';
    if (live.LiveAirTemp != 0)
        out << int{live.LiveAirTemp} - TemperatureBias;
    out << ','
        << live.LiveStartTime << ',' << live.UnitStoreRemaining << '\n';
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace torvana
