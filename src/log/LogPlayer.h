#pragma once
// Plays a log's frames against a clock at 0.25× to 4×, with pause and seek.
// Each step hands out, in order, every frame whose time the play position
// has passed since the last step, so that whatever follows the unit's
// frames sees each of them as it saw them live.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace torvana {

// Frames [first, end) are due now.
struct PlayStep {
    std::size_t first = 0;
    std::size_t end = 0;
    bool Empty() const { return first == end; }
};

class LogPlayer {
public:
    static constexpr std::array<double, 5> Speeds = {0.25, 0.5, 1.0, 2.0, 4.0};
    static constexpr double NormalSpeed = 1.0;

    // frameSeconds: the log's frame times, ascending (LogTimeline::Seconds).
    // Playing from the end starts again at the first frame, unless the log
    // grows.
    void Play(const std::vector<double>& frameSeconds, std::int64_t nowMs);
    void Pause(std::int64_t nowMs);
    // Held within the slowest and the fastest speed.
    void SetSpeed(double value, std::int64_t nowMs);
    // The frame at that time is due at the next step, then the play goes on
    // from there.
    void Seek(const std::vector<double>& frameSeconds, double seconds, std::int64_t nowMs);
    // The frames due at nowMs; the play pauses after the last frame. While
    // the log grows it waits there instead, and plays the rows that come at
    // their own pace from there.
    PlayStep Step(const std::vector<double>& frameSeconds, std::int64_t nowMs);
    void SetGrowing(bool value) { growing = value; }

    bool Playing() const { return playing; }
    double Speed() const { return speed; }
    double Position(std::int64_t nowMs) const;

private:
    bool playing = false;
    double speed = NormalSpeed;
    double anchorSeconds = 0.0;  // the position at anchorMs
    std::int64_t anchorMs = 0;
    std::size_t next = 0;  // the first frame not yet handed out
    bool seekDue = false;  // frame next is due even if it lies after the position
    bool growing = false;  // the log is still being written
};

}  // namespace torvana
