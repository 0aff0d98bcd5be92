#pragma once
// The datalog while the monitor runs: the recording rules, one file per
// recording named by its start time, markers, and the space left on disk.

#include "log/LogRow.h"
#include "log/LogWriter.h"
#include "log/RecordingRules.h"

#include <cstdint>
#include <functional>
#include <string>

namespace torvana {

struct LogEvent {
    enum class Kind { None, Started, Stopped, NoSpace };
    Kind kind = Kind::None;
    StopReason reason = StopReason::Manual;  // for Stopped
    std::string file;                        // the log started or stopped
    std::string error;                       // why the file could not be written
};

class LogRecorder {
public:
    using FreeSpace = std::function<std::uint64_t(const std::string& folder)>;
    // Seconds since the epoch, for the file names.
    using WallClock = std::function<std::int64_t()>;

    explicit LogRecorder(std::string folder, FreeSpace freeSpace = FolderFreeSpace(), WallClock wallClock = SystemClock());

    // nowMs: a steady clock in milliseconds. The row's time is set here.
    LogEvent Frame(std::int64_t nowMs, LogRow row);
    LogEvent Tick(std::int64_t nowMs);
    LogEvent Start(std::int64_t nowMs);
    LogEvent Stop(std::int64_t nowMs);
    // A row of its own holding only the time and the marker ("N" or
    // "N note"); its time may lie before rows already written. False when
    // nothing is being recorded or the recording began after nowMs.
    bool Mark(std::int64_t nowMs, const std::string& note);
    void SetFreeSpace(FreeSpace value) { freeSpace = std::move(value); freeKnown = false; }

    bool Recording() const { return rules.Recording(); }
    const std::string& File() const { return writer.Path(); }
    const std::string& Folder() const { return folder; }
    int Markers() const { return markers; }

    static FreeSpace FolderFreeSpace();
    static WallClock SystemClock();

private:
    LogEvent Apply(std::int64_t nowMs, const RecordingChange& change);
    LogEvent Open(std::int64_t nowMs);
    LogEvent Close(StopReason reason);
    LogEvent Failed(const std::string& error);
    std::uint64_t Free(std::int64_t nowMs);

    std::string folder;
    FreeSpace freeSpace;
    WallClock wallClock;
    RecordingRules rules;
    LogWriter writer;
    std::int64_t startMs = 0;
    int markers = 0;
    std::uint64_t lastFree = 0;
    std::int64_t lastFreeCheck = 0;
    bool freeKnown = false;
};

}  // namespace torvana
