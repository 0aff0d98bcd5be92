#pragma once
// What the tuner sets for the lambda analysis; the defaults are a safe start
// for a warm engine on a bench or a track.

#include "analysis/LambdaSensor.h"

#include <cstdint>

namespace torvana {

enum class SampleSplit {
    MarkedCell,  // the whole sample to the cell the tracking marks
    Bilinear,    // shared by the four neighbouring cells by bilinear weight
};

struct AnalysisOptions {
    SensorModel sensor = WideBandDefaults();
    SampleSplit split = SampleSplit::Bilinear;
    int delayMs = 400;  // from the frame to the sensor's reading of it
    int lowestRpm = 1500;
    int highestRpm = 12500;
    int lowestThrottle = 0;  // percent
    int highestThrottle = 100;
    int coldestWater = 60;              // °C
    int fastestThrottleChange = 40;     // percent per second
    int settleMs = 1000;                // the throttle steady this long before a frame
    int afterStartSeconds = 60;
    double authorityPercent = 10.0;     // largest change per pass, either way
    double enoughSamples = 10.0;        // weight a cell needs for a suggestion
    double narrowBandStepPercent = 2.0; // narrow-band: the step when all agree
    double applyConfidence = 0.5;       // "all with enough confidence"
};

}  // namespace torvana
