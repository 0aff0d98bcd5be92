#pragma once
// Captions, hints and item lists of the main window in the four languages.
// Each entry names its target by the control's object name; the window looks
// the control up and applies the text of the current language. UTF-8.

#include <array>
#include <string>
#include <vector>

#include "texts/MessageTable.h"

namespace torvana {

enum class TextKind {
    Caption,   // caption of a control, menu item or tab page (the tab's page name)
    Hint,      // tool tip / status-bar hint; "short|long" is a two-part hint
    Items,     // item list of a combo box or radio group, lines separated by '\n'
    Title,     // window title; target is the window's object name
};

struct LocalisedText {
    std::string target;  // object name, e.g. "MenuFile", "TabSheet_Poloha"
    TextKind kind;
    std::array<std::string, LanguageCount> texts;  // English, German, French, Czech
};

// Every localised item, in the order in which the window applies them.
const std::vector<LocalisedText>& LanguageTexts();

// The entry of one target and kind; null when it has none.
const LocalisedText* FindLocalised(const std::string& target, TextKind kind);

// The text of one target for a language (outside 0 to 3: English); empty
// when the target has no entry of that kind.
std::string LocalisedFor(const std::string& target, TextKind kind, int languageIndex);

// Prefix of the COM menu hints, followed by a blank and the port number
// (outside 0 to 3: English).
std::string ComHintPrefix(int languageIndex);

}  // namespace torvana
