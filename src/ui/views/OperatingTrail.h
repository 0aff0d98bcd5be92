#pragma once
// The operating points of the last 30 seconds, oldest first, for the
// table plot's fading trail.

#include <cstdint>
#include <deque>

namespace torvana {

struct TrailPoint {
    std::int64_t timeMs = 0;
    int rpm = 0;
    int value = 0;  // the cell in use, in degrees or microseconds
};

class OperatingTrail {
public:
    static constexpr std::int64_t KeptMs = 30000;

    // Adds a point and drops those older than KeptMs; a clock that went
    // back starts the trail afresh.
    void Add(const TrailPoint& point);
    void Clear() { points.clear(); }
    const std::deque<TrailPoint>& Points() const { return points; }

private:
    std::deque<TrailPoint> points;
};

}  // namespace torvana
