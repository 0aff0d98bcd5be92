#pragma once
// How long the engine ran in each cell of each curve table since the last
// reset. Frames come one at a time with the cells the tracking found, from
// the live monitor or from a log played back alike; each frame credits the
// time since the frame before it to the cells the engine was in then.

#include "core/ImageLayout.h"
#include "link/LiveValues.h"
#include "ui/views/HeatScale.h"

#include <array>
#include <cstdint>

namespace torvana {

struct CurveCell {
    int row = 0;
    int column = 0;
    bool operator==(const CurveCell&) const = default;
};

struct HitFrame {
    std::int64_t timeMs = 0;  // on its source's clock
    bool running = false;     // the engine turns
    std::array<CurveCell, CurveCount> cells{};  // each table's cell in use
};

// A frame at timeMs with the cells the operating-point tracking finds in
// each curve table for these live values.
HitFrame TrackHitFrame(std::int64_t timeMs, const ParameterImage& image, const LiveValues& live);

// Shades of the hit map: 0 for a cell never run in, then one level per
// range of seconds (up to 1, 3, 10, 30, 100, more).
constexpr int HitLevels = 7;
int HitLevel(std::int64_t ms);
HeatRgb HitColour(int level);

class HitMap {
public:
    // Longer gaps between frames (a link that fell silent, a log with a
    // hole) credit nothing: where the engine ran meanwhile is unknown.
    static constexpr std::int64_t MaxFrameGapMs = 2000;

    // A frame whose time goes back (a log started again) credits nothing
    // and starts from itself.
    void Add(const HitFrame& frame);
    void Reset();

    std::int64_t Ms(int curve, int row, int column) const;
    std::int64_t TotalMs() const { return totalMs; }
    // Counts up whenever a cell's shade changes, so views repaint only then.
    std::uint64_t Version() const { return version; }

private:
    using TableMs = std::array<std::array<std::int64_t, CurveColumns>, CurveRows>;
    std::array<TableMs, CurveCount> ms{};
    HitFrame last;
    bool hasLast = false;
    std::int64_t totalMs = 0;
    std::uint64_t version = 0;
};

}  // namespace torvana
