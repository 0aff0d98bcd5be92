#pragma once
// Hints of the main window's controls and menu items, and the prefix of the
// COM item hints, which the window completes with a blank and the port number.

#include "texts/LanguageTexts.h"

#include <array>
#include <string>
#include <vector>

namespace torvana {

// In the order the window applies them; only the English MenuLanguage hint is
// a two-part "tip|long hint".
std::vector<LocalisedText> HintTexts();

std::array<std::string, LanguageCount> ComHintPrefixes();

}  // namespace torvana
