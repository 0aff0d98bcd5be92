#include "ui/Hint.h"
#include "ui/LanguageApplier.h"
#include "ui/StartupRules.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

TEST(CommandLineLanguage, OnlyTheThreeExactWordsChooseALanguage)
{
    EXPECT_EQ(LanguageFromArguments({"ENGLISH"}), 0);
    EXPECT_EQ(LanguageFromArguments({"DEUTSCH"}), 1);
    EXPECT_EQ(LanguageFromArguments({"FRENCH"}), 2);
    EXPECT_EQ(LanguageFromArguments({"FRENCH", "DEUTSCH"}), 2);
    EXPECT_FALSE(LanguageFromArguments({}));
    EXPECT_FALSE(LanguageFromArguments({"english"}));
    EXPECT_FALSE(LanguageFromArguments({"Deutsch"}));
    EXPECT_FALSE(LanguageFromArguments({"CZECH"}));
    EXPECT_FALSE(LanguageFromArguments({"ENGLISH "}));
    EXPECT_FALSE(LanguageFromArguments({"x", "DEUTSCH"}));
}

TEST(Hints, BarSplitsTipFromLongHint)
{
    EXPECT_EQ(SplitHint("Open|Open file with parametrs").tip, "Open");
    EXPECT_EQ(SplitHint("Open|Open file with parametrs").longHint, "Open file with parametrs");
    EXPECT_EQ(SplitHint("|Set Englich menu").tip, "");
    EXPECT_EQ(SplitHint("|Set Englich menu").longHint, "Set Englich menu");
    EXPECT_EQ(SplitHint("End of program").tip, "End of program");
    EXPECT_EQ(SplitHint("End of program").longHint, "End of program");
}

TEST(LocalisedText, FallsBackToEnglishForMissingOrUnknownLanguages)
{
    const LocalisedText entry{"MenuFile", TextKind::Caption, {"&File", "&Datei", "", "&Soubor"}};
    EXPECT_EQ(TextFor(entry, 1), "&Datei");
    EXPECT_EQ(TextFor(entry, 2), "&File");
    EXPECT_EQ(TextFor(entry, 3), "&Soubor");
    EXPECT_EQ(TextFor(entry, 7), "&File");
}

}  // namespace
}  // namespace torvana
