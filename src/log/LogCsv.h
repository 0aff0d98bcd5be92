#pragma once
// The datalog as CSV: a header naming every column (time first, the marker
// last), then one row per frame. The same text goes to the window's log
// files and to torvana-cli monitor --csv.

#include "log/LogRow.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvana {

constexpr std::string_view LogTimeColumn = "time_ms";
constexpr std::string_view LogMarkerColumn = "marker";

// The header line, with its line end.
std::string LogCsvHeader();
// One row with its line end; an absent value is an empty cell. Line breaks
// in the marker become spaces.
std::string LogCsvRow(const LogRow& row);
// The same row added to the end of a text (no string of its own).
void AppendLogCsvRow(std::string& text, const LogRow& row);

// A kept value as the log writes it: 1013 with one decimal is "101.3".
std::string LogNumberText(std::int64_t value, int decimals);

// A log read back. Rows that cannot be taken are left out and counted; the
// first few say why.
struct LogTable {
    std::vector<LogRow> rows;
    std::bitset<LogChannelCount> columns;  // the channels the file has
    std::size_t skippedRows = 0;
    std::vector<std::string> problems;  // "line N: why", at most LogProblemsKept
    bool partialLastLine = false;       // a row still being written, left out
};

constexpr std::size_t LogProblemsKept = 5;

struct LogParse {
    bool ok = false;
    LogTable table;
    std::string error;  // when !ok: why nothing could be taken
};

// Rows with values go forward in time; a row holding only a marker may lie
// before them. Tolerant: columns in any order, unknown ones ignored, missing ones empty,
// CR LF line ends, a byte-order mark, numbers with fewer or more decimals.
// Refused: no header with a time column, a column named twice.
LogParse ParseLogCsv(std::string_view text);

// The largest log file read; a day of the unit's frames is about 80 MB.
constexpr std::size_t LogFileSizeLimit = std::size_t{512} << 20;

// Reads and parses a log file (also one being written).
LogParse ReadLogFile(const std::string& path, std::size_t limit = LogFileSizeLimit);

}  // namespace torvana
