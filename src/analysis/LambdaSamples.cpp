#include "analysis/LambdaSamples.h"

#include <algorithm>
#include <cstdlib>

namespace torvana {

namespace {

constexpr std::int64_t MillisecondsPerSecond = 1000;
constexpr int TenthsPerSecond = 10;

}  // namespace

AnalysisFrame FrameOfRow(const LogRow& row)
{
    AnalysisFrame frame;
    frame.timeMs = row.timeMs;
    frame.rpm = row.Value(LogChannel::Rpm).value_or(0);
    frame.throttle = row.Value(LogChannel::TpsPercent);
    frame.lambdaMillivolts = row.Value(LogChannel::LambdaMillivolts);
    frame.water = row.Value(LogChannel::WaterTemp);
    frame.startTime = row.Value(LogChannel::StartTime);
    for (LogChannel flag : {LogChannel::StartLimiter, LogChannel::RpmFlag1, LogChannel::RpmFlag2})
        frame.limiter = frame.limiter || row.Value(flag).value_or(0) != 0;
    return frame;
}

SampleStream::SampleStream(const AnalysisOptions& options) : options_(options) {}

void SampleStream::Add(const AnalysisFrame& frame, std::vector<LambdaSample>& out)
{
    if (!recent_.empty() && frame.timeMs < recent_.back().timeMs) {
        Finish();
        recent_.clear();
        pending_ = 0;
    }
    recent_.push_back(frame);
    const std::int64_t delay = std::max(options_.delayMs, 0);
    while (pending_ < recent_.size()) {
        const AnalysisFrame& source = recent_[pending_];
        const std::int64_t readAt = source.timeMs + delay;
        if (recent_.back().timeMs < readAt)
            break;
        std::size_t reading = pending_;
        while (reading + 1 < recent_.size() && recent_[reading + 1].timeMs <= readAt)
            ++reading;
        if (const auto reason = Check(pending_, reading)) {
            Reject(*reason);
        } else {
            const AnalysisFrame& before = recent_[reading];
            double millivolts = *before.lambdaMillivolts;
            if (before.timeMs < readAt) {
                const AnalysisFrame& after = recent_[reading + 1];
                const double share =
                    static_cast<double>(readAt - before.timeMs) / static_cast<double>(after.timeMs - before.timeMs);
                millivolts += (*after.lambdaMillivolts - millivolts) * share;
            }
            out.push_back({source.timeMs, source.rpm, *source.throttle, millivolts});
        }
        ++pending_;
    }
    // Keep the frames the throttle change looks back on: back to the last
    // one at or before the settle time of the first waiting frame.
    const std::int64_t oldestNeeded =
        (pending_ < recent_.size() ? recent_[pending_] : recent_.back()).timeMs - options_.settleMs;
    while (pending_ > 1 && recent_[1].timeMs <= oldestNeeded) {
        recent_.pop_front();
        --pending_;
    }
}

void SampleStream::Finish()
{
    while (pending_ < recent_.size()) {
        Reject(Rejection::NoLaterReading);
        ++pending_;
    }
}

std::optional<Rejection> SampleStream::Check(std::size_t index, std::size_t reading) const
{
    const AnalysisFrame& frame = recent_[index];
    const std::size_t last = std::min(reading + 1, recent_.size() - 1);
    for (std::size_t i = reading; i < last; ++i)
        if (recent_[i + 1].timeMs - recent_[i].timeMs > LongestFrameGapMs)
            return Rejection::NoLaterReading;
    if (frame.rpm < options_.lowestRpm || frame.rpm > options_.highestRpm)
        return Rejection::EngineSpeed;
    if (!frame.throttle || *frame.throttle < options_.lowestThrottle || *frame.throttle > options_.highestThrottle)
        return Rejection::Throttle;
    const AnalysisFrame* previous = index > 0 ? &recent_[index - 1] : nullptr;
    if (*frame.throttle == 0 && previous && frame.rpm < previous->rpm)
        return Rejection::Overrun;
    for (std::size_t i = 0; i < last; ++i) {
        const AnalysisFrame& a = recent_[i];
        const AnalysisFrame& b = recent_[i + 1];
        const std::int64_t span = b.timeMs - a.timeMs;
        if (b.timeMs < frame.timeMs - options_.settleMs || !a.throttle || !b.throttle || span > LongestFrameGapMs)
            continue;
        const std::int64_t change = std::abs(*b.throttle - *a.throttle) * MillisecondsPerSecond;
        if (change > static_cast<std::int64_t>(options_.fastestThrottleChange) * std::max<std::int64_t>(span, 1))
            return Rejection::ThrottleChange;
    }
    if (!frame.water || *frame.water < options_.coldestWater)
        return Rejection::Coolant;
    if (frame.startTime && *frame.startTime < options_.afterStartSeconds * TenthsPerSecond)
        return Rejection::AfterStart;
    for (std::size_t i = index; i <= last; ++i)
        if (recent_[i].limiter)
            return Rejection::Limiter;
    for (std::size_t i = reading; i <= last; ++i) {
        const auto& millivolts = recent_[i].lambdaMillivolts;
        if (!millivolts || AtRail(options_.sensor, *millivolts))
            return Rejection::SensorRail;
    }
    return std::nullopt;
}

}  // namespace torvana
