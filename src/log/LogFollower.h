#pragma once
// Reads a log file that may still be being written: the first read takes
// the whole log, each further one only what was appended since, up to the
// last complete line.

#include "log/LogCsv.h"

#include <cstdint>
#include <string>

namespace torvana {

class LogFollower {
public:
    explicit LogFollower(std::string path) : path(std::move(path)) {}

    // The rows added since the last read; ok false (with the reason) when
    // the file cannot be read, is no log, or became shorter (replaced).
    LogParse Read(std::size_t limit = LogFileSizeLimit);

    const std::string& Path() const { return path; }

private:
    std::string path;
    std::string header;         // empty until the first read
    std::uint64_t consumed = 0;  // bytes up to the last complete line read
    std::int64_t lastTimeMs = 0;
    bool haveFrame = false;
};

}  // namespace torvana
