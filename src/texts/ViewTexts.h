#pragma once
// Texts of the table views and region editing: the View and Region menus,
// their prompts and refusals. UTF-8, four languages each.

#include "texts/LanguageTexts.h"

#include <string>
#include <vector>

namespace torvana {

// Captions of the View and Region menus, applied by object name.
std::vector<LocalisedText> ViewCaptionTexts();

enum class ViewText {
    PromptSet,
    PromptAdd,
    PromptScale,
    NoRegion,
    NotEditable,
    EngineStopped,
    PasteShape,
    PasteValue,  // %1 line, %2 column of the text
    PlotTitle,
    Count,
};

// The text for a language (outside 0 to 3: English).
const std::string& ViewTextFor(ViewText text, int languageIndex);

}  // namespace torvana
