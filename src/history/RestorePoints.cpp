#include "history/RestorePoints.h"

#include "core/AtomicFile.h"
#include "history/HistoryFile.h"
#include "history/TextWords.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <functional>

namespace torvana {

namespace {

constexpr std::string_view Magic = "TORVANA_RESTORE_POINT";
constexpr int FormatVersion = 1;
constexpr std::size_t HeaderWords = 6;
constexpr std::int64_t MsPerSecond = 1000;
constexpr int MaxSameTimeFiles = 1000;

// "20261209-073612-045-read": sorts by time, says what it is.
std::string FileStem(std::int64_t timeMs, StepCause cause)
{
    const std::time_t seconds = static_cast<std::time_t>(timeMs / MsPerSecond);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    char millis[8];
    std::snprintf(millis, sizeof millis, "-%03d", static_cast<int>(timeMs % MsPerSecond));
    return std::string(stamp) + millis + '-' + std::string(CauseName(cause));
}

std::optional<RestorePoint> Fail(std::string* problem, const char* what)
{
    if (problem != nullptr)
        *problem = what;
    return std::nullopt;
}

}  // namespace

std::string FormatRestorePoint(const RestorePoint& point)
{
    return std::string(Magic) + ' ' + std::to_string(FormatVersion) + ' ' + std::to_string(point.timeMs) + ' ' +
           std::string(CauseName(point.cause)) + ' ' + (point.pinned ? "1" : "0") + ' ' + EscapeWord(point.name) +
           '\n' + FormatLastImage(point.state.image, point.state.flags);
}

std::optional<RestorePoint> ParseRestorePoint(std::string_view text, std::string* problem)
{
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos)
        return Fail(problem, "no header line");
    const auto words = Words(text.substr(0, lineEnd));
    if (words.size() != HeaderWords || words[0] != Magic || NumberOf<int>(words[1]) != FormatVersion)
        return Fail(problem, "not a restore point of this program");
    const auto time = NumberOf<std::int64_t>(words[2]);
    const auto cause = CauseNamed(words[3]);
    const auto pinned = NumberOf<int>(words[4]);
    auto name = UnescapeWord(words[5]);
    if (!time || !cause || !pinned || *pinned < 0 || *pinned > 1 || !name)
        return Fail(problem, "a damaged header line");
    RestorePoint point;
    point.timeMs = *time;
    point.cause = *cause;
    point.pinned = *pinned == 1;
    point.name = std::move(*name);
    const LastImageReading reading = ParseLastImage(text.substr(lineEnd + 1), point.state.image, point.state.flags);
    if (reading.numbers != LastImageNumberCount)
        return Fail(problem, "the parameter set is incomplete");
    return point;
}

RestorePointStore::RestorePointStore(std::string directory, std::size_t kept)
    : directory(std::move(directory)), kept(kept)
{
}

std::string RestorePointStore::Keep(const EditorState& state, StepCause cause, const std::string& name,
                                    std::int64_t timeMs)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::filesystem::path folder(directory);
    const std::string stem = FileStem(timeMs, cause);
    std::filesystem::path path = folder / (stem + RestorePointExtension);
    for (int n = 2; std::filesystem::exists(path) && n < MaxSameTimeFiles; ++n)
        path = folder / (stem + '-' + std::to_string(n) + RestorePointExtension);
    const std::string failure =
        ReplaceFile(path.string(), FormatRestorePoint(RestorePoint{{}, timeMs, cause, false, name, state}));
    if (failure.empty())
        Prune();
    return failure;
}

RestorePointListing RestorePointStore::List() const
{
    RestorePointListing listing;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        if (entry.path().extension() != RestorePointExtension)
            continue;
        const FileReadResult file = ReadFileUpTo(entry.path().string(), RestorePointSizeLimit);
        std::string problem = file.reason;
        if (file.status == FileReadStatus::Read) {
            if (auto point = ParseRestorePoint(file.contents, &problem)) {
                point->path = entry.path().string();
                listing.points.push_back(std::move(*point));
                continue;
            }
        }
        listing.problems.push_back(entry.path().string() + ": " + problem);
    }
    std::sort(listing.points.begin(), listing.points.end(), [](const RestorePoint& a, const RestorePoint& b) {
        return a.timeMs != b.timeMs ? a.timeMs > b.timeMs : a.path > b.path;
    });
    return listing;
}

std::string RestorePointStore::SetPinned(const RestorePoint& point, bool pinned) const
{
    RestorePoint changed = point;
    changed.pinned = pinned;
    return ReplaceFile(point.path, FormatRestorePoint(changed));
}

// File names sort by time, so only the files beyond the kept count are read.
void RestorePointStore::Prune() const
{
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        if (entry.path().extension() == RestorePointExtension)
            paths.push_back(entry.path().string());
    }
    if (paths.size() <= kept)
        return;
    std::sort(paths.begin(), paths.end(), std::greater<>());
    for (std::size_t i = kept; i < paths.size(); ++i) {
        const FileReadResult file = ReadFileUpTo(paths[i], RestorePointSizeLimit);
        const auto point = file.status == FileReadStatus::Read ? ParseRestorePoint(file.contents) : std::nullopt;
        // A file that is not a whole restore point is not removed: it may be a tuner's.
        if (point && !point->pinned) {
            std::error_code ignored;  // a file that stays is pruned again next time
            std::filesystem::remove(paths[i], ignored);
        }
    }
}

}  // namespace torvana
