#include "ui/Hint.h"
#include "ui/LanguageApplier.h"
#include "ui/StartupRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

TEST(Centring, UsesIntegerDivisionAndGoesNegativeOnASmallScreen)
{
    EXPECT_EQ(CentredWindowPosition({1920, 1080}, {1010, 788}), QPoint(455, 146));
    EXPECT_EQ(CentredWindowPosition({1025, 801}, {1010, 788}), QPoint(7, 6));
    EXPECT_EQ(CentredWindowPosition({800, 600}, {1010, 788}), QPoint(-105, -94));
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

TEST(Manual, WorkingDirectoryComesBeforeTheExecutablesFolder)
{
    QTemporaryDir work;
    QTemporaryDir exe;
    const QString name = QStringLiteral("Torvana_R_en.pdf");
    EXPECT_TRUE(FindManual(name, work.path(), exe.path()).isEmpty());

    QFile(QDir(exe.path()).filePath(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindManual(name, work.path(), exe.path()), QDir(exe.path()).filePath(name));

    QFile(QDir(work.path()).filePath(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindManual(name, work.path(), exe.path()), QDir(work.path()).filePath(name));
}

}  // namespace
}  // namespace torvana
