#pragma once
// One channel of a log against another, each point coloured by a third:
// the frames where both are present, the colour as one of a few classes
// from the third channel's lowest to its highest value.

#include "log/LogTimeline.h"

#include <optional>
#include <vector>

namespace torvana {

constexpr int ScatterColourClasses = 8;

struct ScatterPoint {
    double x = 0.0;
    double y = 0.0;
    int colourClass = 0;  // 0 (lowest) .. ScatterColourClasses - 1; 0 also without a colour channel
};

struct Scatter {
    std::vector<ScatterPoint> points;
    // The colour channel's range over the points, in its units; equal ends
    // when it is flat or absent.
    double colourLow = 0.0;
    double colourHigh = 0.0;
    std::size_t framesLeftOut = 0;  // x or y empty
};

// A frame whose colour cell is empty takes the lowest class.
Scatter MakeScatter(const LogTimeline& timeline, LogChannel x, LogChannel y, std::optional<LogChannel> colour);

// The class of a value within low..high.
int ColourClass(double value, double low, double high);

}  // namespace torvana
