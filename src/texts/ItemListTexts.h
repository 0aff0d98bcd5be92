#pragma once
// Item lists of the engine-variant combo box and the position radio groups.

#include "texts/LanguageTexts.h"

#include <vector>

namespace torvana {

// One text per language, the items in item order separated by '\n'.
std::vector<LocalisedText> ItemListTexts();

}  // namespace torvana
