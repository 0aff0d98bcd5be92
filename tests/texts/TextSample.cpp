#include "TextSample.h"

#include <gtest/gtest.h>

namespace torvana::test {

void ExpectTexts(TextKind kind, const std::vector<TextSample>& samples)
{
    constexpr std::array<const char*, LanguageCount> languageNames = {"English", "German", "French", "Czech"};
    for (const TextSample& sample : samples) {
        for (int language = English; language < LanguageCount; ++language) {
            const auto slot = static_cast<std::size_t>(language);
            EXPECT_EQ(LocalisedFor(sample.target, kind, language), sample.texts[slot])
                << sample.target << " in " << languageNames[slot];
        }
    }
}

}  // namespace torvana::test
