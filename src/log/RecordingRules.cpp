#include "log/RecordingRules.h"

namespace torvana {

RecordingChange RecordingRules::Stop(StopReason reason)
{
    RecordingChange change;
    if (state != State::Idle)
        change.stop = reason;
    state = State::Idle;
    return change;
}

bool RecordingRules::SpaceShort(std::uint64_t freeBytes, RecordingChange& change)
{
    if (freeBytes >= LogMinimumFreeBytes) {
        spaceReported = false;
        return false;
    }
    change = Stop(StopReason::DiskFull);
    change.noSpace = !spaceReported;
    spaceReported = true;
    return true;
}

RecordingChange RecordingRules::Frame(std::int64_t nowMs, int rpm, std::uint64_t freeBytes)
{
    const bool turning = rpm > 0;
    if (turning)
        lastTurning = nowMs;
    else
        waitForStop = false;
    if (state != State::Idle || !turning || waitForStop)
        return Tick(nowMs, freeBytes);
    RecordingChange change;
    if (SpaceShort(freeBytes, change))
        return change;
    state = State::Automatic;
    change.start = true;
    return change;
}

RecordingChange RecordingRules::Tick(std::int64_t nowMs, std::uint64_t freeBytes)
{
    const bool stopped = nowMs - lastTurning >= EngineStopGraceMs;
    if (stopped)
        waitForStop = false;
    RecordingChange change;
    if (state == State::Idle || SpaceShort(freeBytes, change))
        return change;
    if (state == State::Automatic && stopped)
        return Stop(StopReason::EngineStopped);
    return change;
}

RecordingChange RecordingRules::ManualStart(std::uint64_t freeBytes)
{
    RecordingChange change;
    if (SpaceShort(freeBytes, change)) {
        change.noSpace = true;  // asked for: always told
        return change;
    }
    change.start = state == State::Idle;
    state = State::Manual;
    return change;
}

RecordingChange RecordingRules::ManualStop()
{
    waitForStop = state != State::Idle;
    return Stop(StopReason::Manual);
}

RecordingChange RecordingRules::WriteFailed()
{
    waitForStop = true;
    return Stop(StopReason::WriteFailed);
}

}  // namespace torvana
