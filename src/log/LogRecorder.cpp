#include "log/LogRecorder.h"

#include "log/LogFolder.h"

#include <chrono>
#include <filesystem>
#include <utility>

namespace torvana {

namespace {

// Two recordings begun within the same second get "-2", "-3", ...
constexpr int NameAttempts = 100;
constexpr std::int64_t FreeSpaceCheckMs = 1000;

std::string NumberedName(const std::string& name, int attempt)
{
    if (attempt == 1)
        return name;
    const std::filesystem::path path(name);
    return (path.parent_path() / (path.stem().string() + "-" + std::to_string(attempt) + path.extension().string()))
        .string();
}

}  // namespace

LogRecorder::FreeSpace LogRecorder::FolderFreeSpace()
{
    return [](const std::string& folder) { return FolderFreeBytes(folder); };
}

LogRecorder::WallClock LogRecorder::SystemClock()
{
    return [] {
        return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
}

LogRecorder::LogRecorder(std::string folder, FreeSpace freeSpace, WallClock wallClock)
    : folder(std::move(folder)), freeSpace(std::move(freeSpace)), wallClock(std::move(wallClock))
{
}

std::uint64_t LogRecorder::Free(std::int64_t nowMs)
{
    if (!freeKnown || nowMs - lastFreeCheck >= FreeSpaceCheckMs) {
        lastFree = freeSpace(folder);
        lastFreeCheck = nowMs;
        freeKnown = true;
    }
    return lastFree;
}

LogEvent LogRecorder::Frame(std::int64_t nowMs, LogRow row)
{
    const auto rpm = row.Value(LogChannel::Rpm).value_or(0);
    LogEvent event = Apply(nowMs, rules.Frame(nowMs, rpm, Free(nowMs)));
    if (!rules.Recording() || !writer.IsOpen())
        return event;
    row.timeMs = nowMs - startMs;
    row.marker.clear();
    if (const std::string error = writer.Append(row); !error.empty())
        return Failed(error);
    return event;
}

LogEvent LogRecorder::Tick(std::int64_t nowMs)
{
    LogEvent event = Apply(nowMs, rules.Tick(nowMs, Free(nowMs)));
    if (rules.Recording() && writer.IsOpen()) {
        if (const std::string error = writer.FlushIfDue(nowMs - startMs); !error.empty())
            return Failed(error);
    }
    return event;
}

LogEvent LogRecorder::Start(std::int64_t nowMs)
{
    freeKnown = false;
    return Apply(nowMs, rules.ManualStart(Free(nowMs)));
}

LogEvent LogRecorder::Stop(std::int64_t nowMs)
{
    return Apply(nowMs, rules.ManualStop());
}

bool LogRecorder::Mark(std::int64_t nowMs, const std::string& note)
{
    if (!Recording() || !writer.IsOpen() || nowMs < startMs)
        return false;
    LogRow row;
    row.timeMs = nowMs - startMs;
    row.marker = std::to_string(++markers);
    if (!note.empty())
        row.marker += " " + note;
    if (const std::string error = writer.Append(row); !error.empty()) {
        Failed(error);
        return false;
    }
    return true;
}

LogEvent LogRecorder::Apply(std::int64_t nowMs, const RecordingChange& change)
{
    if (change.stop)
        return Close(*change.stop);
    if (change.start)
        return Open(nowMs);
    LogEvent event;
    if (change.noSpace)
        event.kind = LogEvent::Kind::NoSpace;
    return event;
}

LogEvent LogRecorder::Open(std::int64_t nowMs)
{
    const std::string name = (std::filesystem::path(folder) / LogFileName(wallClock())).string();
    std::string error = "cannot create " + name + ": every numbered name is taken";
    for (int attempt = 1; attempt <= NameAttempts; ++attempt) {
        const std::string candidate = NumberedName(name, attempt);
        std::error_code ignored;
        if (!std::filesystem::exists(candidate, ignored)) {
            error = writer.Create(candidate);
            break;
        }
    }
    if (!writer.IsOpen())
        return Failed(error);
    startMs = nowMs;
    markers = 0;
    LogEvent event;
    event.kind = LogEvent::Kind::Started;
    event.file = writer.Path();
    return event;
}

LogEvent LogRecorder::Close(StopReason reason)
{
    LogEvent event;
    event.kind = LogEvent::Kind::Stopped;
    event.reason = reason;
    event.file = writer.Path();
    event.error = writer.Close();
    if (!event.error.empty())
        event.reason = StopReason::WriteFailed;
    return event;
}

LogEvent LogRecorder::Failed(const std::string& error)
{
    const bool wasOpen = writer.IsOpen();
    const std::string file = wasOpen ? writer.Path() : std::string();
    rules.WriteFailed();
    writer.Close();
    LogEvent event;
    event.kind = LogEvent::Kind::Stopped;
    event.reason = StopReason::WriteFailed;
    event.file = file;
    event.error = error;
    return event;
}

}  // namespace torvana
