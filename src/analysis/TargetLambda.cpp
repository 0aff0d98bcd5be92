#include "analysis/TargetLambda.h"

#include "core/AtomicFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace torvana {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char CommentMark = '#';
constexpr std::string_view Blanks = " \t";
constexpr int Decimals = 3;
constexpr std::string_view CommentLine =
    "# throttle %, then the target lambda at the 15 engine-speed points of the injection table\n";
constexpr std::string_view DefaultFileName = "target.lambda";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// The next blank-separated word of line, advancing it.
std::string_view NextWord(std::string_view& line)
{
    line = Trimmed(line);
    const std::size_t end = std::min(line.find_first_of(Blanks), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

std::string LineError(int line, const std::string& why)
{
    return "line " + std::to_string(line) + ": " + why;
}

// One row's text: its throttle and 15 lambdas, or why not.
std::string ParseRow(std::string_view text, int row, std::array<double, CurveColumns>& values)
{
    const std::string_view throttleWord = NextWord(text);
    int throttle = -1;
    const auto [end, error] = std::from_chars(throttleWord.data(), throttleWord.data() + throttleWord.size(), throttle);
    if (error != std::errc() || end != throttleWord.data() + throttleWord.size() || throttle != TpsAxis[row])
        return "expected the row of " + std::to_string(TpsAxis[row]) + " % throttle";
    for (int c = 0; c < CurveColumns; ++c) {
        const std::string_view word = NextWord(text);
        if (word.empty())
            return "expected " + std::to_string(CurveColumns) + " lambdas, found " + std::to_string(c);
        double value = 0;
        const auto [last, failed] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (failed != std::errc() || last != word.data() + word.size() || !std::isfinite(value))
            return "\"" + std::string(word) + "\" is not a number";
        if (value < LowestTargetLambda || value > HighestTargetLambda)
            return "lambda " + std::string(word) + " is outside 0.6 to 1.6";
        values[c] = value;
    }
    if (!Trimmed(text).empty())
        return "more than " + std::to_string(CurveColumns) + " lambdas";
    return {};
}

}  // namespace

LambdaGrid DefaultTargetLambda()
{
    LambdaGrid grid{};
    for (int r = 0; r < CurveRows; ++r)
        grid[r].fill(TpsAxis[r] >= PowerThrottlePercent ? PowerLambda : StoichiometricLambda);
    return grid;
}

std::string FormatTargetLambda(const LambdaGrid& grid)
{
    std::string text(TargetLambdaHeader);
    text += '\n';
    text += CommentLine;
    for (int r = 0; r < CurveRows; ++r) {
        text += std::to_string(TpsAxis[r]);
        for (double value : grid[r]) {
            char number[32];
            std::snprintf(number, sizeof number, " %.*f", Decimals, value);
            text += number;
        }
        text += '\n';
    }
    return text;
}

namespace {

// The rows read so far stay in result.grid; the caller clears it on refusal.
void ParseInto(std::string_view text, TargetLambdaParse& result)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    bool headerSeen = false;
    int row = 0;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        line = Trimmed(line);
        if (line.empty() || line.front() == CommentMark)
            continue;
        if (!headerSeen) {
            if (line != TargetLambdaHeader) {
                result.error = LineError(lineNumber, "not a target-lambda file");
                return;
            }
            headerSeen = true;
            continue;
        }
        if (row == CurveRows) {
            result.error = LineError(lineNumber, "more than " + std::to_string(CurveRows) + " rows");
            return;
        }
        if (std::string why = ParseRow(line, row, result.grid[row]); !why.empty()) {
            result.error = LineError(lineNumber, why);
            return;
        }
        ++row;
    }
    if (!headerSeen)
        result.error = "not a target-lambda file";
    else if (row < CurveRows)
        result.error = "only " + std::to_string(row) + " of " + std::to_string(CurveRows) + " rows";
}

}  // namespace

TargetLambdaParse ParseTargetLambda(std::string_view text)
{
    TargetLambdaParse result;
    ParseInto(text, result);
    result.ok = result.error.empty();
    if (!result.ok)
        result.grid = {};
    return result;
}

std::string TargetLambdaPath(const std::string& parameterFile, const std::string& dataFolder)
{
    if (parameterFile.empty())
        return (std::filesystem::path(dataFolder) / DefaultFileName).string();
    return std::filesystem::path(parameterFile).replace_extension(TargetLambdaExtension).string();
}

TargetLambdaParse LoadTargetLambda(const std::string& path)
{
    const FileReadResult file = ReadFileUpTo(path, TargetLambdaSizeLimit);
    switch (file.status) {
    case FileReadStatus::Read: return ParseTargetLambda(file.contents);
    case FileReadStatus::Missing: return {false, {}, "no such file"};
    case FileReadStatus::Unreadable:
    case FileReadStatus::TooLarge: break;
    }
    return {false, {}, file.reason};
}

std::string SaveTargetLambda(const std::string& path, const LambdaGrid& grid)
{
    return ReplaceFile(path, FormatTargetLambda(grid));
}

}  // namespace torvana
