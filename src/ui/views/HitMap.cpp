#include "ui/views/HitMap.h"

#include "link/Tracking.h"

#include <algorithm>

namespace torvana {

namespace {

// Upper ends of the shades 1 to HitLevels - 2, in milliseconds.
constexpr std::array<std::int64_t, HitLevels - 2> LevelEndsMs = {1000, 3000, 10000, 30000, 100000};
// Light to mid blues: apart from the heat map's greens and the meaning
// colours, and light enough for black numbers.
constexpr std::array<HeatRgb, HitLevels> HitShades = {{
    {0xff, 0xff, 0xff},
    {0xe3, 0xee, 0xf9},
    {0xcf, 0xe1, 0xf2},
    {0xb5, 0xd4, 0xe9},
    {0x93, 0xc3, 0xdf},
    {0x6d, 0xae, 0xd5},
    {0x4b, 0x97, 0xc9},
}};

}  // namespace

HitFrame TrackHitFrame(std::int64_t timeMs, const ParameterImage& image, const LiveValues& live)
{
    HitFrame frame;
    frame.timeMs = timeMs;
    frame.running = live.LiveRpm != 0;
    TrackedIndices indices;
    for (int curve = 0; curve < CurveCount; ++curve) {
        TrackOperatingPoint(curve, image, live, indices);
        frame.cells[curve] = {indices.CurveRow, indices.CurveColumn};
    }
    return frame;
}

int HitLevel(std::int64_t ms)
{
    if (ms <= 0)
        return 0;
    const auto end = std::lower_bound(LevelEndsMs.begin(), LevelEndsMs.end(), ms);
    return 1 + static_cast<int>(end - LevelEndsMs.begin());
}

HeatRgb HitColour(int level)
{
    return HitShades[static_cast<std::size_t>(std::clamp(level, 0, HitLevels - 1))];
}

void HitMap::Add(const HitFrame& frame)
{
    if (hasLast && last.running) {
        const std::int64_t gap = frame.timeMs - last.timeMs;
        if (gap > 0 && gap <= MaxFrameGapMs) {
            bool shadeChanged = false;
            for (int curve = 0; curve < CurveCount; ++curve) {
                std::int64_t& cellMs = ms[curve][last.cells[curve].row][last.cells[curve].column];
                shadeChanged = shadeChanged || HitLevel(cellMs) != HitLevel(cellMs + gap);
                cellMs += gap;
            }
            totalMs += gap;
            version += shadeChanged ? 1 : 0;
        }
    }
    last = frame;
    hasLast = true;
}

void HitMap::Reset()
{
    ms = {};
    hasLast = false;
    totalMs = 0;
    ++version;
}

std::int64_t HitMap::Ms(int curve, int row, int column) const
{
    return ms[curve][row][column];
}

}  // namespace torvana
