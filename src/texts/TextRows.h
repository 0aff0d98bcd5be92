#pragma once
// Rows of the text tables: one set of four texts shared by one or more
// targets, as a menu item and the tool-bar button doing the same thing.

#include "texts/LanguageTexts.h"

#include <array>
#include <string>
#include <vector>

namespace torvana {

struct TextRow {
    std::vector<std::string> targets;
    std::array<std::string, LanguageCount> texts;  // English, German, French, Czech
};

// One entry per target of every row, in row order.
void AppendRows(std::vector<LocalisedText>& entries, TextKind kind, const std::vector<TextRow>& rows);

}  // namespace torvana
