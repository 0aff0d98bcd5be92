#include "log/LogFollower.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace torvana {

LogParse LogFollower::Read(std::size_t limit)
{
    LogParse parse;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        parse.error = errno == ENOENT ? path + ": no such file" : path + ": " + std::strerror(errno);
        return parse;
    }
    const auto size = static_cast<std::uint64_t>(file.tellg());
    if (size < consumed) {
        parse.error = path + ": the file became shorter";
        return parse;
    }
    if (size - consumed > limit) {
        parse.error = path + ": larger than " + std::to_string(limit >> 20) + " MiB";
        return parse;
    }
    std::string text(static_cast<std::size_t>(size - consumed), '\0');
    file.seekg(static_cast<std::streamoff>(consumed));
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) {
        parse.error = path + ": " + std::strerror(errno);
        return parse;
    }
    // The next read starts after the last complete line: the writer may be
    // in the middle of one.
    const std::size_t lastEnd = text.rfind('\n');
    const std::size_t complete = lastEnd == std::string::npos ? 0 : lastEnd + 1;
    const std::string tail = text.substr(complete);
    text.resize(complete);
    const bool first = header.empty();
    if (first && complete == 0)
        return ParseLogCsv(tail);  // no more than a header yet
    parse = ParseLogCsv(first ? text : header + text);
    if (!parse.ok)
        return parse;
    if (first)
        header = text.substr(0, text.find('\n') + 1);
    // A last line without its end that reads whole (a file edited by hand)
    // is taken now and dropped when read again complete; one with a marker
    // is left for then, as its note may be cut.
    if (first && !tail.empty()) {
        const LogParse end = ParseLogCsv(header + tail);
        if (end.ok && end.table.rows.size() == 1 && end.table.rows[0].marker.empty() &&
            end.table.rows[0].present.any())
            parse.table.rows.push_back(end.table.rows[0]);
        else
            parse.table.partialLastLine = true;
    }
    consumed += complete;
    // Frames go forward in time across reads too; one at the time of the
    // last is that line read again.
    std::erase_if(parse.table.rows, [this, &parse](const LogRow& row) {
        const bool drop = haveFrame && row.present.any() && row.timeMs <= lastTimeMs;
        if (drop && row.timeMs < lastTimeMs)
            ++parse.table.skippedRows;
        return drop;
    });
    for (const LogRow& row : parse.table.rows) {
        if (row.present.any()) {
            lastTimeMs = row.timeMs;
            haveFrame = true;
        }
    }
    return parse;
}

}  // namespace torvana
