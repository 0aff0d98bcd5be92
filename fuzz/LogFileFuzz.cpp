// Any text as a datalog. A refused text says why; the rows of an accepted
// one are written and read back unchanged.

#include "FuzzSupport.h"
#include "log/LogCsv.h"

#include <limits>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LogParse parsed = ParseLogCsv(text);
    if (!parsed.ok) {
        Require(!parsed.error.empty(), "a refused log says why");
        Require(parsed.table.rows.empty(), "a refused log gives no rows");
        return 0;
    }
    Require(parsed.table.problems.size() <= LogProblemsKept, "the problems kept are bounded");
    Require(parsed.table.problems.size() <= parsed.table.skippedRows, "every problem is a skipped row");
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    Fingerprint rows;
    for (const LogRow& row : parsed.table.rows) {
        if (row.present.any()) {
            Require(row.timeMs >= last, "the time never goes back");
            last = row.timeMs;
        }
        rows.AddValue(row.timeMs).AddValue(row.present.to_ullong()).Add(row.marker);
        rows.Add(std::span(reinterpret_cast<const std::uint8_t*>(row.values.data()), sizeof row.values));
    }
    // The round trip depends on the rows alone: once per set of rows.
    const std::uint64_t state = rows.Value();
    if (SeenBefore(std::span(reinterpret_cast<const std::uint8_t*>(&state), sizeof state)))
        return 0;
    std::string written = LogCsvHeader();
    for (const LogRow& row : parsed.table.rows)
        AppendLogCsvRow(written, row);
    const LogParse again = ParseLogCsv(written);
    Require(again.ok && again.table.skippedRows == 0 && !again.table.partialLastLine, "a written log reads whole");
    Require(again.table.rows == parsed.table.rows, "a written log reads back unchanged");
    return 0;
}
