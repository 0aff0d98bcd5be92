#pragma once
// What feeds the unit's lambda input: a narrow-band sensor that only tells
// rich from lean around its switch point, or a wide-band controller whose
// analogue output is linear in lambda between two points the tuner sets.

#include <optional>

namespace torvana {

enum class SensorKind { NarrowBand, WideBand };

struct SensorModel {
    SensorKind kind = SensorKind::WideBand;
    double lambdaAtZeroVolts = 0.5;  // wide-band output at 0 V
    double lambdaAtFiveVolts = 1.5;  // and at 5 V
    int switchMillivolts = 450;      // narrow-band: above rich, below lean
    // Readings at or beyond these are a sensor at its rail (cold, unplugged,
    // shorted or out of its range), not a mixture.
    int railLowMillivolts = 20;
    int railHighMillivolts = 4980;
};

// Defaults for a narrow-band sensor: 0..1 V, a reading near 0 or above
// about 1.1 V is no mixture.
SensorModel NarrowBandDefaults();
SensorModel WideBandDefaults();

bool AtRail(const SensorModel& sensor, double millivolts);

// Wide-band lambda of a reading; none for a narrow-band sensor or a model
// whose two points are the same.
std::optional<double> WideBandLambda(const SensorModel& sensor, double millivolts);

// Narrow-band: +1 lean (the engine wants more fuel), -1 rich, 0 at the
// switch point.
int NarrowBandDirection(const SensorModel& sensor, double millivolts);

}  // namespace torvana
