#include "texts/LanguageTexts.h"

#include "Utf8Check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace torvana {
namespace {

std::size_t IndexOf(const std::string& target, TextKind kind)
{
    const std::vector<LocalisedText>& entries = LanguageTexts();
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const LocalisedText& entry) {
        return entry.target == target && entry.kind == kind;
    });
    return static_cast<std::size_t>(found - entries.begin());
}

TEST(LanguageTextsTest, EveryEntryHasFourNonEmptyValidUtf8Texts)
{
    ASSERT_FALSE(LanguageTexts().empty());
    for (const LocalisedText& entry : LanguageTexts()) {
        SCOPED_TRACE(entry.target);
        EXPECT_FALSE(entry.target.empty());
        for (const std::string& text : entry.texts) {
            EXPECT_FALSE(text.empty());
            EXPECT_TRUE(test::IsValidUtf8(text)) << text;
        }
    }
}

TEST(LanguageTextsTest, NoTargetHasTwoEntriesOfOneKind)
{
    std::set<std::pair<std::string, TextKind>> seen;
    for (const LocalisedText& entry : LanguageTexts()) {
        EXPECT_TRUE(seen.emplace(entry.target, entry.kind).second) << entry.target;
    }
}

TEST(LanguageTextsTest, TablesComeInTheOrderTheWindowAppliesThem)
{
    // Title, window captions, page captions, item lists, hints: each kind one block.
    const std::vector<LocalisedText>& entries = LanguageTexts();
    ASSERT_EQ(entries.front().kind, TextKind::Title);
    EXPECT_EQ(entries.front().target, "TFormHlav");
    const std::vector<TextKind> order = {TextKind::Title, TextKind::Caption, TextKind::Items, TextKind::Hint};
    std::size_t block = 0;
    for (const LocalisedText& entry : entries) {
        while (block < order.size() && order[block] != entry.kind) {
            ++block;
        }
        ASSERT_LT(block, order.size()) << entry.target << " is out of its table's place";
    }
    EXPECT_EQ(entries[1].target, "LabelSpojeni");
    EXPECT_LT(IndexOf("MenuAbout", TextKind::Caption), IndexOf("TabSheet_Poloha", TextKind::Caption));
    EXPECT_LT(IndexOf("ComboBoxBike", TextKind::Items), IndexOf("RadioGroupPolohaA", TextKind::Items));
    EXPECT_LT(IndexOf("LabelVerze1", TextKind::Hint), IndexOf("MenuCom", TextKind::Hint));
}

TEST(LanguageTextsTest, RowsNamingTwoTargetsGiveBothTheSameTexts)
{
    const std::vector<std::pair<std::string, std::string>> captionPairs = {
        {"MenuRead", "ButtonRead"},           {"MenuVerify", "ButtonVerify"},
        {"MenuProgram", "ButtonProgram"},     {"Menu_Ign123Normal", "Menu_Jet123Normal"},
        {"Menu_Ign123Coupled", "Menu_Jet123Coupled"}, {"LabelOmez1", "CheckBoxAktLimiter1"},
        {"RadioGroupPolohaA", "RadioGroupPolohaB"},   {"CheckBoxAll_PolohaA", "CurvePageAllCheckBox"},
    };
    const std::vector<std::pair<std::string, std::string>> hintPairs = {
        {"SpeedButton5", "MenuOpen"},  {"SpeedButton6", "MenuNew"},       {"SpeedButton7", "MenuSave"},
        {"SpeedButtonPrint", "MenuPrint"}, {"ButtonProgram", "MenuProgram"}, {"ButtonRead", "MenuRead"},
    };
    for (int language = English; language < LanguageCount; ++language) {
        for (const auto& [first, second] : captionPairs) {
            SCOPED_TRACE(first + " / " + second);
            EXPECT_FALSE(LocalisedFor(first, TextKind::Caption, language).empty());
            EXPECT_EQ(LocalisedFor(first, TextKind::Caption, language),
                      LocalisedFor(second, TextKind::Caption, language));
        }
        for (const auto& [first, second] : hintPairs) {
            SCOPED_TRACE(first + " / " + second);
            EXPECT_FALSE(LocalisedFor(first, TextKind::Hint, language).empty());
            EXPECT_EQ(LocalisedFor(first, TextKind::Hint, language), LocalisedFor(second, TextKind::Hint, language));
        }
    }
}

TEST(LanguageTextsTest, LookupDistinguishesKindAndKnowsNoOtherTarget)
{
    EXPECT_EQ(LocalisedFor("MenuOpen", TextKind::Caption, English), "&Open");
    EXPECT_EQ(LocalisedFor("MenuOpen", TextKind::Hint, English), "Open file with parametrs");
    EXPECT_EQ(LocalisedFor("MenuOpen", TextKind::Items, English), "");
    EXPECT_EQ(LocalisedFor("NoSuchControl", TextKind::Caption, German), "");
}

TEST(LanguageTextsTest, LanguageOutsideTheTablesReadsAsEnglish)
{
    for (int language : {-1, LanguageCount, 255}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(LocalisedFor("MenuFile", TextKind::Caption, language), "&File");
        EXPECT_EQ(LocalisedFor("TFormHlav", TextKind::Title, language), "Programming of Torvana_Racing unit");
        EXPECT_EQ(ComHintPrefix(language), "Set com");
    }
}

TEST(LanguageTextsTest, ComHintPrefixPerLanguage)
{
    EXPECT_EQ(ComHintPrefix(English), "Set com");
    EXPECT_EQ(ComHintPrefix(German), "Com-Anschluß auswahl");
    EXPECT_EQ(ComHintPrefix(French), "installer com");
    EXPECT_EQ(ComHintPrefix(Czech), "Nastavení komunikace na port com");
    for (int language = English; language < LanguageCount; ++language) {
        EXPECT_TRUE(test::IsValidUtf8(ComHintPrefix(language)));
    }
}

TEST(LanguageTextsTest, TextsTheWindowKeepsInEveryLanguageAreNotEntries)
{
    // The window's own fixed texts must survive every language switch.
    EXPECT_EQ(LocalisedFor("MenuEnglish", TextKind::Hint, English), "");
    EXPECT_EQ(LocalisedFor("MenuHelp", TextKind::Hint, English), "");
    EXPECT_EQ(LocalisedFor("CheckBoxExtMonitor", TextKind::Caption, English), "");
    EXPECT_EQ(LocalisedFor("Menu_Ign123Stejny", TextKind::Caption, English), "");
    // The COM item hints are the prefix and the port number, built by the window.
    EXPECT_EQ(LocalisedFor("MenuCom1", TextKind::Hint, English), "");
}

TEST(Utf8CheckTest, RejectsCodePageBytesAndMalformedSequences)
{
    EXPECT_TRUE(test::IsValidUtf8("Tchèque Čí&st Größe °"));
    EXPECT_FALSE(test::IsValidUtf8("Tch\xE8que"));       // Windows-1252 è
    EXPECT_FALSE(test::IsValidUtf8("\xC8\xED&st"));      // Windows-1250 Čí
    EXPECT_FALSE(test::IsValidUtf8("\xC3"));             // truncated
    EXPECT_FALSE(test::IsValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(test::IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(test::IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
}

}  // namespace
}  // namespace torvana
