#include "log/LogPlayer.h"

#include <algorithm>

namespace torvana {

namespace {

constexpr double MillisecondsPerSecond = 1000.0;

}  // namespace

double LogPlayer::Position(std::int64_t nowMs) const
{
    if (!playing)
        return anchorSeconds;
    return anchorSeconds + static_cast<double>(nowMs - anchorMs) * speed / MillisecondsPerSecond;
}

void LogPlayer::Play(const std::vector<double>& frameSeconds, std::int64_t nowMs)
{
    if (playing || frameSeconds.empty())
        return;
    if (next >= frameSeconds.size() && !seekDue && !growing)
        Seek(frameSeconds, frameSeconds.front(), nowMs);
    anchorMs = nowMs;
    playing = true;
}

void LogPlayer::Pause(std::int64_t nowMs)
{
    anchorSeconds = Position(nowMs);
    anchorMs = nowMs;
    playing = false;
}

void LogPlayer::SetSpeed(double value, std::int64_t nowMs)
{
    // The position so far counts at the old speed.
    anchorSeconds = Position(nowMs);
    anchorMs = nowMs;
    speed = std::clamp(value, Speeds.front(), Speeds.back());
}

void LogPlayer::Seek(const std::vector<double>& frameSeconds, double seconds, std::int64_t nowMs)
{
    const auto after = std::upper_bound(frameSeconds.begin(), frameSeconds.end(), seconds);
    next = after == frameSeconds.begin() ? 0 : static_cast<std::size_t>(after - frameSeconds.begin()) - 1;
    anchorSeconds = frameSeconds.empty() ? seconds : std::max(seconds, frameSeconds[next]);
    anchorMs = nowMs;
    seekDue = !frameSeconds.empty();
}

PlayStep LogPlayer::Step(const std::vector<double>& frameSeconds, std::int64_t nowMs)
{
    next = std::min(next, frameSeconds.size());
    PlayStep step{next, next};
    if (seekDue && next < frameSeconds.size())
        step.end = next + 1;
    seekDue = false;
    if (playing) {
        const auto passed = std::upper_bound(frameSeconds.begin() + static_cast<std::ptrdiff_t>(step.end),
                                             frameSeconds.end(), Position(nowMs));
        step.end = static_cast<std::size_t>(passed - frameSeconds.begin());
        if (step.end == frameSeconds.size()) {
            if (!growing)
                Pause(nowMs);
            // A growing log waits here: the rows to come play from its last.
            anchorSeconds = frameSeconds.empty() ? 0.0 : frameSeconds.back();
            anchorMs = nowMs;
        }
    }
    next = step.end;
    return step;
}

}  // namespace torvana
