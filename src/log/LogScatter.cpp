#include "log/LogScatter.h"

#include <algorithm>
#include <cmath>

namespace torvana {

int ColourClass(double value, double low, double high)
{
    if (!(high > low) || !std::isfinite(value))
        return 0;
    const int at = static_cast<int>((value - low) / (high - low) * ScatterColourClasses);
    return std::clamp(at, 0, ScatterColourClasses - 1);
}

Scatter MakeScatter(const LogTimeline& timeline, LogChannel x, LogChannel y, std::optional<LogChannel> colour)
{
    Scatter scatter;
    const std::vector<double> colours = colour ? timeline.Values(*colour) : std::vector<double>();
    std::vector<std::size_t> shown;  // the frames plotted
    shown.reserve(timeline.FrameCount());
    scatter.points.reserve(timeline.FrameCount());
    bool first = true;
    for (std::size_t i = 0; i < timeline.FrameCount(); ++i) {
        const LogRow& row = timeline.Frame(i);
        const std::optional<std::int32_t> xValue = row.Value(x);
        const std::optional<std::int32_t> yValue = row.Value(y);
        if (!xValue || !yValue) {
            ++scatter.framesLeftOut;
            continue;
        }
        scatter.points.push_back({ChannelUnits(x, *xValue), ChannelUnits(y, *yValue), 0});
        shown.push_back(i);
        // The colours span the frames plotted.
        if (colour && !std::isnan(colours[i])) {
            scatter.colourLow = first ? colours[i] : std::min(scatter.colourLow, colours[i]);
            scatter.colourHigh = first ? colours[i] : std::max(scatter.colourHigh, colours[i]);
            first = false;
        }
    }
    if (colour) {
        for (std::size_t p = 0; p < shown.size(); ++p)
            scatter.points[p].colourClass = ColourClass(colours[shown[p]], scatter.colourLow, scatter.colourHigh);
    }
    return scatter;
}

}  // namespace torvana
