#pragma once
// A log file written as the rows come: the header at once, then the rows,
// handed to the system at least once a second and synced, so that a crash
// or a power cut loses at most the last second.

#include "log/LogRow.h"

#include <cstdint>
#include <string>

namespace torvana {

constexpr std::int64_t LogFlushIntervalMs = 1000;

class LogWriter {
public:
    LogWriter() = default;
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;
    ~LogWriter();

    // Creates path (never replacing a file) and writes the header. Empty,
    // or why it failed.
    std::string Create(const std::string& path);
    // Keeps the row; writes the kept rows once a second has passed (by the
    // rows' times) since the last write. Empty, or why the write failed.
    std::string Append(const LogRow& row);
    // Writes what is kept when it is older than a second at timeMs.
    std::string FlushIfDue(std::int64_t timeMs);
    // Writes and syncs what is kept.
    std::string Flush();
    // Flushes and closes. Empty, or why.
    std::string Close();

    bool IsOpen() const { return descriptor >= 0; }
    const std::string& Path() const { return path; }

private:
    int descriptor = -1;
    std::string path;
    std::string pending;
    std::int64_t lastFlushMs = 0;
};

// The file name of a log that began at the given local time:
// YYYY-MM-DD_HH-MM-SS.csv.
std::string LogFileName(std::int64_t secondsSinceEpoch);

}  // namespace torvana
