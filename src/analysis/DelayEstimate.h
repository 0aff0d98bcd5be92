#pragma once
// Estimates the transport delay from a log: how long after a change of the
// injection time the lambda reading changes. Both are sampled only a few
// times a second, so they are laid on a fine common time grid first; the
// delay is the lag where their changes correlate most.

#include "log/LogRow.h"

#include <cstddef>
#include <span>

namespace torvana {

struct DelayEstimate {
    bool found = false;
    int delayMs = 0;
    double correlation = 0;  // at that lag, -1..1
};

constexpr int DelayGridMs = 20;
constexpr int LongestDelayMs = 2000;
// A weaker correlation than this does not name a delay.
constexpr double LeastDelayCorrelation = 0.1;

DelayEstimate EstimateDelay(std::span<const LogRow> rows, LogChannel injection = LogChannel::Injection1A,
                            int longestMs = LongestDelayMs);

}  // namespace torvana
