#pragma once
// A target's four texts as the tables give them, compared per language.

#include "texts/LanguageTexts.h"

#include <array>
#include <string>
#include <vector>

namespace torvana::test {

struct TextSample {
    std::string target;
    std::array<std::string, LanguageCount> texts;  // English, German, French, Czech
};

// Expects LocalisedFor to give every sample's text in every language.
void ExpectTexts(TextKind kind, const std::vector<TextSample>& samples);

}  // namespace torvana::test
