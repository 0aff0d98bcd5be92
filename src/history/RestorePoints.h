#pragma once
// Restore points: the set as it was before it was replaced as a whole (Read,
// Open, New, a variant's defaults, Program, an undo past one of these). One
// file each, a header line and then the last-image format, so that a tuner
// can read one by hand.

#include "history/HistoryStep.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvana {

// The newest this many are kept, and every pinned one besides.
constexpr std::size_t RestorePointsKept = 200;
constexpr const char* RestorePointExtension = ".image";
// A restore point is a header line and about 12 kB of numbers.
constexpr std::size_t RestorePointSizeLimit = std::size_t{1} << 20;

struct RestorePoint {
    std::string path;
    std::int64_t timeMs = 0;
    StepCause cause = StepCause::Edit;
    bool pinned = false;
    std::string name;  // the file name or the unit's version, when there is one
    EditorState state;
};

std::string FormatRestorePoint(const RestorePoint& point);
// Everything but the path; nullopt and why when the text is not a whole one.
std::optional<RestorePoint> ParseRestorePoint(std::string_view text, std::string* problem = nullptr);

struct RestorePointListing {
    std::vector<RestorePoint> points;   // newest first
    std::vector<std::string> problems;  // files that could not be read, one line each
};

class RestorePointStore {
public:
    explicit RestorePointStore(std::string directory, std::size_t kept = RestorePointsKept);

    // Writes a new restore point and drops the ones beyond the kept count.
    // Empty, or why it failed.
    std::string Keep(const EditorState& state, StepCause cause, const std::string& name, std::int64_t timeMs);

    RestorePointListing List() const;
    // Rewrites the point's file with the mark; empty, or why it failed.
    std::string SetPinned(const RestorePoint& point, bool pinned) const;

    const std::string& Directory() const { return directory; }

private:
    void Prune() const;

    std::string directory;
    std::size_t kept;
};

}  // namespace torvana
