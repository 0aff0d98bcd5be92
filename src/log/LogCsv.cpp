#include "log/LogCsv.h"

#include "core/AtomicFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>

namespace torvana {

namespace {

constexpr char Separator = ',';
constexpr char Quote = '"';
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr int DecimalBase = 10;
constexpr int RoundingDigit = 5;
// More whole digits than any kept value or time has; longer cells are no
// number (and the scaled value stays within 64 bits).
constexpr std::size_t MaxNumberDigits = 15;
// Time, every channel, marker.
constexpr std::size_t LogColumnCount = LogChannelCount + 2;

void AppendNumber(std::string& out, std::int64_t value, int decimals)
{
    std::array<char, std::numeric_limits<std::int64_t>::digits10 + 3> digits{};
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
    (void)error;  // the buffer holds every 64-bit number
    std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
    if (value < 0)
        out += '-';
    if (decimals == 0) {
        out += text;
        return;
    }
    const auto fraction = static_cast<std::size_t>(decimals);
    if (text.size() <= fraction) {
        out += '0';
        out += '.';
        out.append(fraction - text.size(), '0');
        out += text;
        return;
    }
    out += text.substr(0, text.size() - fraction);
    out += '.';
    out += text.substr(text.size() - fraction);
}

void AppendMarker(std::string& out, std::string_view marker)
{
    std::string clean(marker);
    for (char& c : clean) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    const bool quoted = clean.find_first_of(",\"") != std::string::npos || clean.front() == ' ' ||
                        clean.back() == ' ' || clean.front() == '\t' || clean.back() == '\t';
    if (!quoted) {
        out += clean;
        return;
    }
    out += Quote;
    for (char c : clean) {
        if (c == Quote)
            out += Quote;
        out += c;
    }
    out += Quote;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A decimal number in steps of 10^-decimals, rounded half away from zero.
std::optional<std::int64_t> ParseScaled(std::string_view cell, int decimals)
{
    bool negative = false;
    if (!cell.empty() && (cell.front() == '-' || cell.front() == '+')) {
        negative = cell.front() == '-';
        cell.remove_prefix(1);
    }
    const std::size_t point = cell.find('.');
    const std::string_view whole = cell.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : cell.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > MaxNumberDigits)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * DecimalBase + (c - '0');
    }
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        const char c = fraction[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        if (static_cast<int>(i) < decimals)
            value = value * DecimalBase + (c - '0');
        else if (static_cast<int>(i) == decimals && c - '0' >= RoundingDigit)
            value += 1;
    }
    for (auto i = static_cast<int>(fraction.size()); i < decimals; ++i)
        value *= DecimalBase;
    return negative ? -value : value;
}

// The cells of one line as views: into the line itself when it has no
// quote (the common case, without copying), else into one buffer of the
// unquoted texts. Kept across lines, so a log's lines reuse its storage.
class LineCells {
public:
    // False for an unclosed quote.
    bool Split(std::string_view line)
    {
        views.clear();
        // Room for a whole line as the program writes it, at once.
        views.reserve(LogColumnCount);
        ends.reserve(LogColumnCount);
        if (line.find(Quote) == std::string_view::npos) {
            std::size_t i = 0;
            while (true) {
                const std::size_t next = line.find(Separator, i);
                views.push_back(line.substr(i, next == std::string_view::npos ? std::string_view::npos : next - i));
                if (next == std::string_view::npos)
                    return true;
                i = next + 1;
            }
        }
        return SplitQuoted(line);
    }
    const std::vector<std::string_view>& Views() const { return views; }

private:
    bool SplitQuoted(std::string_view line)
    {
        unquoted.clear();
        ends.clear();
        std::size_t i = 0;
        while (true) {
            if (i < line.size() && line[i] == Quote) {
                ++i;
                while (true) {
                    if (i >= line.size())
                        return false;
                    if (line[i] == Quote) {
                        if (i + 1 < line.size() && line[i + 1] == Quote) {
                            unquoted += Quote;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    const std::size_t next = line.find(Quote, i);
                    const std::size_t stop = next == std::string_view::npos ? line.size() : next;
                    unquoted += line.substr(i, stop - i);
                    i = stop;
                }
            }
            // Anything between a closing quote and the separator is kept.
            const std::size_t next = line.find(Separator, i);
            unquoted += line.substr(i, next == std::string_view::npos ? std::string_view::npos : next - i);
            ends.push_back(unquoted.size());
            if (next == std::string_view::npos)
                break;
            i = next + 1;
        }
        // The views only now: the buffer no longer moves.
        std::size_t begin = 0;
        for (const std::size_t end : ends) {
            views.emplace_back(unquoted.data() + begin, end - begin);
            begin = end;
        }
        return true;
    }

    std::vector<std::string_view> views;
    std::string unquoted;
    std::vector<std::size_t> ends;  // where each cell ends in unquoted
};

// What each column of the file holds.
struct ColumnRole {
    enum Kind { Time, Channel, Marker, Ignored } kind = Ignored;
    LogChannel channel = LogChannel::Rpm;
};

// Why a line gave no row; put into words only for the problems kept.
struct RowFault {
    enum Kind { UnclosedQuote, CellCount, NoTime, NoNumber, TimeBack } kind = UnclosedQuote;
    std::size_t cells = 0;   // CellCount: how many the line has
    std::size_t column = 0;  // NoNumber: which, from 0
    std::string_view cell;   // NoNumber: its text
};

std::string FaultText(const RowFault& fault, std::size_t columns)
{
    switch (fault.kind) {
    case RowFault::UnclosedQuote:
        return "an unclosed quote";
    case RowFault::CellCount:
        return std::to_string(fault.cells) + " cells where the header names " + std::to_string(columns);
    case RowFault::NoTime:
        return "no time";
    case RowFault::NoNumber:
        return "\"" + std::string(fault.cell.substr(0, MaxNumberDigits)) + "\" in column " +
               std::to_string(fault.column + 1) + " is no number";
    case RowFault::TimeBack:
        return "the time goes back";
    }
    return {};
}

void NoteProblem(LogTable& table, std::size_t lineNumber, const RowFault& fault, std::size_t columns)
{
    ++table.skippedRows;
    if (table.problems.size() < LogProblemsKept)
        table.problems.push_back("line " + std::to_string(lineNumber) + ": " + FaultText(fault, columns));
}

// Reads one line's cells into row; false (and why) when it cannot be taken.
bool ParseRow(const std::vector<std::string_view>& cells, const std::vector<ColumnRole>& roles, LogRow& row,
              RowFault& fault)
{
    if (cells.size() != roles.size()) {
        fault = {RowFault::CellCount, cells.size(), 0, {}};
        return false;
    }
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const ColumnRole& role = roles[c];
        if (role.kind == ColumnRole::Ignored)
            continue;
        if (role.kind == ColumnRole::Marker) {
            row.marker = cells[c];
            // As the writer does: a marker is one line.
            std::replace(row.marker.begin(), row.marker.end(), '\r', ' ');
            continue;
        }
        const std::string_view cell = Trim(cells[c]);
        if (cell.empty()) {
            if (role.kind == ColumnRole::Time) {
                fault = {RowFault::NoTime, 0, 0, {}};
                return false;
            }
            continue;
        }
        const int decimals = role.kind == ColumnRole::Time ? 0 : ChannelInfo(role.channel).decimals;
        const std::optional<std::int64_t> value = ParseScaled(cell, decimals);
        const bool fits = value && (role.kind == ColumnRole::Time ||
                                    (*value >= std::numeric_limits<std::int32_t>::min() &&
                                     *value <= std::numeric_limits<std::int32_t>::max()));
        if (!fits) {
            fault = {RowFault::NoNumber, 0, c, cell};
            return false;
        }
        if (role.kind == ColumnRole::Time)
            row.timeMs = *value;
        else
            row.Set(role.channel, static_cast<std::int32_t>(*value));
    }
    return true;
}

}  // namespace

std::string LogNumberText(std::int64_t value, int decimals)
{
    std::string text;
    AppendNumber(text, value, decimals);
    return text;
}

std::string LogCsvHeader()
{
    static const std::string header = [] {
        std::string line(LogTimeColumn);
        for (int i = 0; i < LogChannelCount; ++i) {
            line += Separator;
            line += ChannelInfo(NthChannel(i)).column;
        }
        line += Separator;
        line += LogMarkerColumn;
        line += '\n';
        return line;
    }();
    return header;
}

std::string LogCsvRow(const LogRow& row)
{
    std::string line;
    AppendLogCsvRow(line, row);
    return line;
}

void AppendLogCsvRow(std::string& line, const LogRow& row)
{
    AppendNumber(line, row.timeMs, 0);
    for (int i = 0; i < LogChannelCount; ++i) {
        line += Separator;
        const auto index = static_cast<std::size_t>(i);
        if (row.present[index])
            AppendNumber(line, row.values[index], ChannelInfo(NthChannel(i)).decimals);
    }
    line += Separator;
    if (!row.marker.empty())
        AppendMarker(line, row.marker);
    line += '\n';
}

LogParse ParseLogCsv(std::string_view text)
{
    LogParse parse;
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    std::size_t lineNumber = 0;
    std::vector<ColumnRole> roles;
    bool haveHeader = false;
    bool haveTime = false;
    bool haveMarker = false;
    std::int64_t lastTime = std::numeric_limits<std::int64_t>::min();
    LineCells split;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const bool complete = end != std::string_view::npos;
        std::string_view line = text.substr(0, end);
        text.remove_prefix(complete ? end + 1 : text.size());
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (Trim(line).empty())
            continue;
        const bool whole = split.Split(line);
        const std::vector<std::string_view>& cells = split.Views();
        if (!haveHeader) {
            if (!whole) {
                parse.error = "line " + std::to_string(lineNumber) + ": the header has an unclosed quote";
                return parse;
            }
            for (const std::string_view cell : cells) {
                const std::string_view name = Trim(cell);
                ColumnRole role;
                if (name == LogTimeColumn) {
                    role.kind = ColumnRole::Time;
                } else if (name == LogMarkerColumn) {
                    role.kind = ColumnRole::Marker;
                } else if (const auto channel = ChannelOfColumn(name)) {
                    role = {ColumnRole::Channel, *channel};
                }
                const bool twice = (role.kind == ColumnRole::Time && haveTime) ||
                                   (role.kind == ColumnRole::Marker && haveMarker) ||
                                   (role.kind == ColumnRole::Channel &&
                                    parse.table.columns.test(static_cast<std::size_t>(role.channel)));
                if (twice) {
                    parse.error = "the column " + std::string(name) + " is named twice";
                    return parse;
                }
                haveTime = haveTime || role.kind == ColumnRole::Time;
                haveMarker = haveMarker || role.kind == ColumnRole::Marker;
                if (role.kind == ColumnRole::Channel)
                    parse.table.columns.set(static_cast<std::size_t>(role.channel));
                roles.push_back(role);
            }
            if (!haveTime) {
                parse.error = "the first line is no log header: it has no " + std::string(LogTimeColumn) + " column";
                return parse;
            }
            haveHeader = true;
            // Room for the rows at once: a row holds at least a separator per column.
            const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            parse.table.rows.reserve(std::min(lines + 1, text.size() / roles.size()));
            continue;
        }
        LogRow row;
        RowFault fault;
        bool taken = whole && ParseRow(cells, roles, row, fault);
        if (!complete && !taken) {
            // The writer has not finished this line yet.
            parse.table.partialLastLine = true;
            break;
        }
        // A marker set while the frames went on is written after them.
        const bool markerOnly = taken && row.present.none() && !row.marker.empty();
        if (taken && !markerOnly && row.timeMs < lastTime) {
            taken = false;
            fault = {RowFault::TimeBack, 0, 0, {}};
        }
        if (!taken) {
            NoteProblem(parse.table, lineNumber, fault, roles.size());
            continue;
        }
        if (!markerOnly)
            lastTime = row.timeMs;
        parse.table.rows.push_back(std::move(row));
    }
    if (!haveHeader) {
        parse.error = "the file is empty";
        return parse;
    }
    parse.ok = true;
    return parse;
}

LogParse ReadLogFile(const std::string& path, std::size_t limit)
{
    FileReadResult file = ReadFileUpTo(path, limit);
    if (file.status != FileReadStatus::Read) {
        LogParse parse;
        parse.error = file.status == FileReadStatus::Missing ? path + ": no such file" : file.reason;
        return parse;
    }
    return ParseLogCsv(file.contents);
}

}  // namespace torvana
