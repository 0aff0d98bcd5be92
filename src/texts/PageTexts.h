#pragma once
// Captions of the tab pages and of the controls on them.

#include "texts/LanguageTexts.h"

#include <vector>

namespace torvana {

// Each tab page's caption followed by the captions of the controls it holds.
std::vector<LocalisedText> PageTexts();

}  // namespace torvana
