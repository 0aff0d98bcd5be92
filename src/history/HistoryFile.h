#pragma once
// The history kept across runs: a text file of steps, each stored as the
// bytes that differ (its before against the previous step's after, its
// after against its before), so that 1000 steps stay small.

#include "history/EditHistory.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {

constexpr const char* HistoryFileName = "history";
// Written files stay below this: the oldest steps are left out to fit.
constexpr std::size_t HistoryWriteBudget = std::size_t{8} << 20;
// Anything larger is not the program's own file.
constexpr std::size_t HistoryFileSizeLimit = HistoryWriteBudget * 2;
// A damaged file is renamed to its name plus this, replacing an older one.
constexpr const char* DamagedHistorySuffix = ".damaged";

std::string FormatHistory(const EditHistory& history);

// The steps and cursor of text; nullopt and why when the text is damaged.
struct HistoryParse {
    std::optional<EditHistory> history;
    std::string problem;
};
HistoryParse ParseHistory(std::string_view text, std::size_t capacity = DefaultHistoryCapacity);

// Writes the history atomically, leaving out its oldest steps when it would
// not fit the budget. Empty, or why it failed.
std::string SaveHistoryFile(const std::string& path, const EditHistory& history,
                            std::size_t budget = HistoryWriteBudget);

// Reads path into history. A missing file leaves it empty without a word; a
// damaged one is set aside as path + DamagedHistorySuffix, which the caller
// tells the user in the user's language.
struct HistoryLoad {
    bool loaded = false;
    std::string problem;        // why the file could not be read; empty when there is nothing to tell
    std::string setAsideError;  // why it could not be set aside; empty when it was
};
HistoryLoad LoadHistoryFile(const std::string& path, EditHistory& history);

// Percent-escaping of file names and control names in one word.
std::string EscapeWord(std::string_view text);
std::optional<std::string> UnescapeWord(std::string_view word);

}  // namespace torvana
