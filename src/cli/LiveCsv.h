#pragma once
// The live values of the monitor as CSV, one row per accepted frame, with
// the milliseconds since monitoring began.

#include "link/LiveValues.h"

#include <ostream>

namespace torvana {

class LiveCsv {
public:
    // Writes the header row at once.
    explicit LiveCsv(std::ostream& out);

    // Flushed per row so that an interrupted run keeps what it logged.
    // False when the stream failed.
    bool WriteRow(long long milliseconds, const LiveValues& live);

private:
    std::ostream& out;
};

}  // namespace torvana
