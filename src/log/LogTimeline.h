#pragma once
// What the log window shows of a log: the frames on one time axis, each
// channel's points with gaps where a cell is empty, the markers, and the
// frame a cursor time falls on.

#include "log/LogCsv.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace torvana {

struct LogMarker {
    double seconds;
    std::string text;
};

class LogTimeline {
public:
    explicit LogTimeline(LogTable table);
    // Rows read later from a log being written, after the ones there.
    void Append(LogTable more);

    // Seconds since the log began, one per frame (rows with values).
    const std::vector<double>& Seconds() const { return seconds; }
    // The channel's values in its units, one per frame; NaN where empty.
    std::vector<double> Values(LogChannel channel) const;
    const std::vector<LogMarker>& Markers() const { return markers; }
    const LogTable& Table() const { return table; }

    std::size_t FrameCount() const { return frames.size(); }
    const LogRow& Frame(std::size_t index) const { return table.rows[frames[index]]; }
    // The frame shown at a time: the last at or before it, the first before
    // the log begins; nullopt for a log without frames.
    std::optional<std::size_t> FrameAt(double time) const;

    double Begin() const { return seconds.empty() ? 0.0 : seconds.front(); }
    double End() const { return seconds.empty() ? 0.0 : seconds.back(); }

private:
    void Take(std::size_t firstRow);

    LogTable table;
    std::vector<std::size_t> frames;  // indices into table.rows
    std::vector<double> seconds;
    std::vector<LogMarker> markers;
};

// A value as the log writes it ("101.3"); "-" for an empty cell.
std::string LogValueText(LogChannel channel, std::optional<std::int32_t> value);

}  // namespace torvana
