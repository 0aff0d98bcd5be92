#pragma once
// The window title and the captions of the status line and the menus.

#include "texts/LanguageTexts.h"

#include <vector>

namespace torvana {

// The title first (target "TFormHlav"), then the captions in menu order.
std::vector<LocalisedText> WindowTexts();

}  // namespace torvana
