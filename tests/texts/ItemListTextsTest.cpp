#include "texts/LanguageTexts.h"

#include "TextSample.h"

#include <gtest/gtest.h>

#include <sstream>

namespace torvana {
namespace {

std::vector<std::string> Items(const std::string& target, int language)
{
    std::vector<std::string> items;
    std::istringstream lines(LocalisedFor(target, TextKind::Items, language));
    for (std::string line; std::getline(lines, line);) {
        items.push_back(line);
    }
    return items;
}

TEST(ItemListTextsTest, EngineVariantsInItemOrder)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Items("ComboBoxBike", English), (Lines{"6 injectors fuel 100+ oct.", "6 injectors fuel  98 oct.",
                                                     "3 injectors fuel 100+ oct.", "3 injectors fuel 98 oct."}));
    EXPECT_EQ(Items("ComboBoxBike", German),
              (Lines{"6 Einspritzdüsen Benzin 100+ oct.", "6 Einspritzdüsen Benzin  98 oct.",
                     "3 Einspritzdüsen Benzin 100+ oct.", "3 Einspritzdüsen Benzin 98 oct."}));
    EXPECT_EQ(Items("ComboBoxBike", French), Items("ComboBoxBike", English));
    EXPECT_EQ(Items("ComboBoxBike", Czech), (Lines{"6 trysek benzin 100+ oct.", "6 trysek fuel  98 oct.",
                                                   "3 trysek fuel 100+ oct.", "3 trysek fuel 98 oct."}));
}

TEST(ItemListTextsTest, ListsHaveTheSameItemCountInEveryLanguage)
{
    // Other parts select by position, so a missing or extra line shifts them.
    for (int language = English; language < LanguageCount; ++language) {
        SCOPED_TRACE(language);
        EXPECT_EQ(Items("ComboBoxBike", language).size(), 4u);
        EXPECT_EQ(Items("RadioGroupPolohaA", language).size(), 3u);
        EXPECT_EQ(Items("RadioGroupPolohaB", language), Items("RadioGroupPolohaA", language));
        EXPECT_EQ(LocalisedFor("ComboBoxBike", TextKind::Items, language).back(), '.');
    }
}

TEST(ItemListTextsTest, PositionItems)
{
    test::ExpectTexts(TextKind::Items, {
        {"RadioGroupPolohaA", {"Beginning\nCentre\nEnd", "Beginn\nMitte\nEnde", "Commencement\ncentre\nFin",
                               "Počátek\nStřed\nKonec"}},
    });
}

}  // namespace
}  // namespace torvana
