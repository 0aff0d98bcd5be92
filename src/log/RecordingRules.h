#pragma once
// When the datalog records: from the first frame with the engine turning
// until 5 s after the last one, or from a manual start to a manual stop;
// never while the disk has less than 100 MB free.

#include <cstdint>
#include <optional>

namespace torvana {

constexpr std::int64_t EngineStopGraceMs = 5000;
constexpr std::uint64_t LogMinimumFreeBytes = std::uint64_t{100} * 1000 * 1000;

enum class StopReason {
    Manual,
    EngineStopped,  // also when frames stopped coming
    DiskFull,
    WriteFailed,
};

struct RecordingChange {
    bool start = false;
    std::optional<StopReason> stop;
    // A start was refused or a recording ended for lack of space; said once
    // until the space is back.
    bool noSpace = false;
    bool operator==(const RecordingChange&) const = default;
};

class RecordingRules {
public:
    // An accepted monitor frame; freeBytes: what the log folder's disk has.
    RecordingChange Frame(std::int64_t nowMs, int rpm, std::uint64_t freeBytes);
    // A tick without a frame: the engine may have stopped answering.
    RecordingChange Tick(std::int64_t nowMs, std::uint64_t freeBytes);
    RecordingChange ManualStart(std::uint64_t freeBytes);
    RecordingChange ManualStop();
    RecordingChange WriteFailed();

    bool Recording() const { return state != State::Idle; }
    bool Manual() const { return state == State::Manual; }

private:
    enum class State { Idle, Automatic, Manual };

    RecordingChange Stop(StopReason reason);
    // Refuses or ends recording when space is short.
    bool SpaceShort(std::uint64_t freeBytes, RecordingChange& change);

    State state = State::Idle;
    std::int64_t lastTurning = 0;  // the last frame with the engine turning
    // After a manual stop or a failed write the engine must stop before an
    // automatic start, so that the same run is not taken up again at once.
    bool waitForStop = false;
    bool spaceReported = false;
};

}  // namespace torvana
