#include "ui/views/OperatingTrail.h"

namespace torvana {

void OperatingTrail::Add(const TrailPoint& point)
{
    if (!points.empty() && point.timeMs < points.back().timeMs)
        points.clear();
    points.push_back(point);
    while (point.timeMs - points.front().timeMs > KeptMs)
        points.pop_front();
}

}  // namespace torvana
