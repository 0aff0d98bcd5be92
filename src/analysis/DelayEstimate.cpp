#include "analysis/DelayEstimate.h"

#include "analysis/LambdaSamples.h"

#include <cmath>
#include <vector>

namespace torvana {

namespace {

// The changes from one grid point to the next of a channel interpolated
// linearly between frames; none across a pause in the log.
std::vector<double> GridChanges(std::span<const LogRow> rows, LogChannel channel, std::int64_t start,
                                std::size_t points)
{
    std::vector<double> level(points, 0.0);
    std::vector<bool> known(points, false);
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const auto a = rows[i].Value(channel);
        const auto b = rows[i + 1].Value(channel);
        const std::int64_t from = rows[i].timeMs;
        const std::int64_t to = rows[i + 1].timeMs;
        if (!a || !b || to <= from || to - from > LongestFrameGapMs)
            continue;
        for (std::int64_t t = from + (DelayGridMs - (from - start) % DelayGridMs) % DelayGridMs; t <= to;
             t += DelayGridMs) {
            const auto n = static_cast<std::size_t>((t - start) / DelayGridMs);
            if (n >= points)
                break;
            level[n] = *a + (*b - *a) * static_cast<double>(t - from) / static_cast<double>(to - from);
            known[n] = true;
        }
    }
    std::vector<double> changes(points, 0.0);
    for (std::size_t n = 1; n < points; ++n)
        if (known[n] && known[n - 1])
            changes[n] = level[n] - level[n - 1];
    return changes;
}

}  // namespace

DelayEstimate EstimateDelay(std::span<const LogRow> rows, LogChannel injection, int longestMs)
{
    DelayEstimate result;
    if (rows.size() < 2 || rows.back().timeMs <= rows.front().timeMs)
        return result;
    const std::int64_t start = rows.front().timeMs;
    const auto points = static_cast<std::size_t>((rows.back().timeMs - start) / DelayGridMs + 1);
    const std::vector<double> fuel = GridChanges(rows, injection, start, points);
    const std::vector<double> lambda = GridChanges(rows, LogChannel::LambdaMillivolts, start, points);
    double fuelEnergy = 0;
    double lambdaEnergy = 0;
    for (std::size_t n = 0; n < points; ++n) {
        fuelEnergy += fuel[n] * fuel[n];
        lambdaEnergy += lambda[n] * lambda[n];
    }
    if (fuelEnergy <= 0 || lambdaEnergy <= 0)
        return result;
    const double scale = std::sqrt(fuelEnergy * lambdaEnergy);
    // More fuel makes a wide-band output fall and a narrow-band one rise:
    // the strength of the link counts, not its sign.
    for (int lag = 0; lag * DelayGridMs <= longestMs; ++lag) {
        double sum = 0;
        for (std::size_t n = 0; n + lag < points; ++n)
            sum += fuel[n] * lambda[n + lag];
        const double correlation = sum / scale;
        if (std::abs(correlation) > std::abs(result.correlation)) {
            result.correlation = correlation;
            result.delayMs = lag * DelayGridMs;
        }
    }
    result.found = std::abs(result.correlation) >= LeastDelayCorrelation;
    return result;
}

}  // namespace torvana
