#include "log/LogTimeline.h"

#include <algorithm>
#include <limits>

namespace torvana {

namespace {

constexpr double MillisecondsPerSecond = 1000.0;
constexpr const char* EmptyCell = "-";

}  // namespace

LogTimeline::LogTimeline(LogTable logTable) : table(std::move(logTable))
{
    frames.reserve(table.rows.size());
    seconds.reserve(table.rows.size());
    Take(0);
}

void LogTimeline::Append(LogTable more)
{
    const std::size_t first = table.rows.size();
    table.rows.insert(table.rows.end(), std::make_move_iterator(more.rows.begin()),
                      std::make_move_iterator(more.rows.end()));
    table.columns |= more.columns;
    table.skippedRows += more.skippedRows;
    for (std::string& problem : more.problems) {
        if (table.problems.size() < LogProblemsKept)
            table.problems.push_back(std::move(problem));
    }
    table.partialLastLine = more.partialLastLine;
    Take(first);
}

void LogTimeline::Take(std::size_t firstRow)
{
    for (std::size_t i = firstRow; i < table.rows.size(); ++i) {
        const LogRow& row = table.rows[i];
        if (!row.marker.empty())
            markers.push_back({row.timeMs / MillisecondsPerSecond, row.marker});
        if (row.present.any()) {
            frames.push_back(i);
            seconds.push_back(row.timeMs / MillisecondsPerSecond);
        }
    }
    std::stable_sort(markers.begin(), markers.end(),
                     [](const LogMarker& a, const LogMarker& b) { return a.seconds < b.seconds; });
}

std::vector<double> LogTimeline::Values(LogChannel channel) const
{
    std::vector<double> values;
    values.reserve(frames.size());
    for (const std::size_t row : frames) {
        const std::optional<std::int32_t> value = table.rows[row].Value(channel);
        values.push_back(value ? ChannelUnits(channel, *value) : std::numeric_limits<double>::quiet_NaN());
    }
    return values;
}

std::optional<std::size_t> LogTimeline::FrameAt(double time) const
{
    if (seconds.empty())
        return std::nullopt;
    const auto after = std::upper_bound(seconds.begin(), seconds.end(), time);
    if (after == seconds.begin())
        return 0;
    return static_cast<std::size_t>(after - seconds.begin()) - 1;
}

std::string LogValueText(LogChannel channel, std::optional<std::int32_t> value)
{
    if (!value)
        return EmptyCell;
    return LogNumberText(*value, ChannelInfo(channel).decimals);
}

}  // namespace torvana
