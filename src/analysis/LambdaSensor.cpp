#include "analysis/LambdaSensor.h"

namespace torvana {

namespace {

constexpr double FullScaleMillivolts = 5000.0;
constexpr int NarrowBandRailLow = 20;
constexpr int NarrowBandRailHigh = 1100;
constexpr int WideBandRailLow = 20;
constexpr int WideBandRailHigh = 4980;
constexpr double SmallestSpan = 1e-6;

}  // namespace

SensorModel NarrowBandDefaults()
{
    SensorModel sensor;
    sensor.kind = SensorKind::NarrowBand;
    sensor.railLowMillivolts = NarrowBandRailLow;
    sensor.railHighMillivolts = NarrowBandRailHigh;
    return sensor;
}

SensorModel WideBandDefaults()
{
    SensorModel sensor;
    sensor.kind = SensorKind::WideBand;
    sensor.railLowMillivolts = WideBandRailLow;
    sensor.railHighMillivolts = WideBandRailHigh;
    return sensor;
}

bool AtRail(const SensorModel& sensor, double millivolts)
{
    return millivolts <= sensor.railLowMillivolts || millivolts >= sensor.railHighMillivolts;
}

std::optional<double> WideBandLambda(const SensorModel& sensor, double millivolts)
{
    const double span = sensor.lambdaAtFiveVolts - sensor.lambdaAtZeroVolts;
    if (sensor.kind != SensorKind::WideBand || (span < SmallestSpan && span > -SmallestSpan))
        return std::nullopt;
    return sensor.lambdaAtZeroVolts + span * millivolts / FullScaleMillivolts;
}

int NarrowBandDirection(const SensorModel& sensor, double millivolts)
{
    if (millivolts > sensor.switchMillivolts)
        return -1;
    return millivolts < sensor.switchMillivolts ? 1 : 0;
}

}  // namespace torvana
