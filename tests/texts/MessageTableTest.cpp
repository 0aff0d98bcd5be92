#include "texts/MessageTable.h"
#include "texts/PortTexts.h"

#include "texts/HistoryTexts.h"
#include "texts/LogTexts.h"
#include "texts/ViewTexts.h"

#include "Utf8Check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace torvana {
namespace {

MessageTable Filled(int language)
{
    MessageTable table;
    SetMessageTexts(table, language);
    return table;
}

std::vector<const std::string*> AllSlots(const MessageTable& t)
{
    return {&t.TextManualFile,       &t.TextProgramError,    &t.TextVerifyError,       &t.TextReadError,
            &t.TextProgramDevice,    &t.TextVersionMismatch, &t.TextVerify,            &t.TextRead,
            &t.TextSaving,           &t.TextNumberOfProgramming, &t.TextComOpenError,  &t.TextOpenFileError,
            &t.TextDefaultQuestion,  &t.TextFileVersionMismatch, &t.TextPrintDate,     &t.TextNoReading,
            &t.TextManualOpenError, &t.TextComPermission};
}

std::vector<const std::string*> AddedSlots(const MessageTable& t)
{
    return {&t.TextFileRejected,        &t.TextByteNotText,      &t.TextWordTooLong,    &t.TextNotANumber,
            &t.TextLastImageUnreadable, &t.TextLastImageDamaged, &t.TextLastImageIncomplete, &t.TextUnableToWrite,
            &t.TextNoDefaultPrinter,    &t.TextPrinterRefused,   &t.TextPdfWriteError,   &t.TextValueLimited,
            &t.TextUnexpectedError,  &t.TextSetWrittenTo};
}

// The numbered places of a pattern, in order of appearance.
std::string Places(const std::string& pattern)
{
    std::string places;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            places += pattern[i + 1];
        }
    }
    std::sort(places.begin(), places.end());
    return places;
}

TEST(MessageTableTest, AddedMessagesExistInEveryLanguageWithTheSamePlaces)
{
    const MessageTable english = Filled(English);
    for (int language = German; language < LanguageCount; ++language) {
        SCOPED_TRACE(language);
        const MessageTable table = Filled(language);
        const auto slots = AddedSlots(table);
        const auto englishSlots = AddedSlots(english);
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_TRUE(test::IsValidUtf8(*slots[i])) << *slots[i];
            EXPECT_NE(*slots[i], *englishSlots[i]) << "slot " << i << " untranslated";
            EXPECT_EQ(Places(*slots[i]), Places(*englishSlots[i])) << *slots[i];
        }
    }
}

// Texts of the edit history and of the table views keep their places in every
// language; names that read the same in a language (e.g. "Editor") are
// allowed, an empty text not.
template <typename Text, typename Lookup>
void ExpectTranslatedWithTheSamePlaces(Lookup textFor)
{
    for (int text = 0; text < static_cast<int>(Text::Count); ++text) {
        const std::string& english = textFor(static_cast<Text>(text), English);
        for (int language = German; language < LanguageCount; ++language) {
            const std::string& translated = textFor(static_cast<Text>(text), language);
            EXPECT_FALSE(translated.empty()) << english;
            EXPECT_TRUE(test::IsValidUtf8(translated)) << translated;
            EXPECT_EQ(Places(translated), Places(english)) << translated;
        }
    }
}

TEST(MessageTableTest, HistoryViewAndLogTextsExistInEveryLanguageWithTheSamePlaces)
{
    ExpectTranslatedWithTheSamePlaces<HistoryText>(HistoryTextFor);
    ExpectTranslatedWithTheSamePlaces<ViewText>(ViewTextFor);
    ExpectTranslatedWithTheSamePlaces<LogText>(LogTextFor);
}

TEST(MessageTableTest, PortTextsExistInEveryLanguageWithTheSamePlaces)
{
    const auto fields = [](const PortTexts& t) {
        return std::vector<const std::string*>{&t.portGone,      &t.noAnswer,      &t.badAnswers,  &t.reconnected,
                                               &t.devicePresent, &t.deviceMissing, &t.serialNumber};
    };
    const PortTexts english = PortTextsFor(English);
    for (int language = German; language < LanguageCount; ++language) {
        SCOPED_TRACE(language);
        const PortTexts texts = PortTextsFor(language);
        const auto translated = fields(texts);
        const auto original = fields(english);
        for (std::size_t i = 0; i < translated.size(); ++i) {
            EXPECT_TRUE(test::IsValidUtf8(*translated[i])) << *translated[i];
            EXPECT_NE(*translated[i], *original[i]) << "field " << i << " untranslated";
            EXPECT_EQ(Places(*translated[i]), Places(*original[i])) << *translated[i];
        }
    }
}

TEST(MessageTableTest, FillInPutsEachValueInItsPlace)
{
    EXPECT_EQ(FillIn("%2 at %1, %2", {"a", "b"}), "b at a, b");
    EXPECT_EQ(FillIn("100 % and %3 %1", {"x"}), "100 % and %3 x");
    EXPECT_EQ(FillIn("%1", {"%2", "y"}), "%2");
    EXPECT_EQ(FillIn("ends in %", {}), "ends in %");
}

TEST(MessageTableTest, EverySlotFilledWithValidUtf8InEveryLanguage)
{
    for (int language = English; language < LanguageCount; ++language) {
        SCOPED_TRACE(language);
        const MessageTable table = Filled(language);
        for (const std::string* slot : AllSlots(table)) {
            EXPECT_FALSE(slot->empty());
            EXPECT_TRUE(test::IsValidUtf8(*slot)) << *slot;
        }
    }
}

TEST(MessageTableTest, TransferMessages)
{
    const std::array<MessageTable, LanguageCount> t = {Filled(English), Filled(German), Filled(French), Filled(Czech)};
    EXPECT_EQ(t[English].TextProgramError, "Program error!");
    EXPECT_EQ(t[German].TextProgramError, "Programmierfehler!");
    EXPECT_EQ(t[French].TextProgramError, "Erreur de programmation!");
    EXPECT_EQ(t[Czech].TextProgramError, "Chyba programování");  // no exclamation mark
    EXPECT_EQ(t[English].TextVerifyError, "Verify error!");
    EXPECT_EQ(t[German].TextVerifyError, "Vergleichsfehler");
    EXPECT_EQ(t[German].TextReadError, "Lesefehler");
    EXPECT_EQ(t[Czech].TextReadError, "Chyba čtení!");
    EXPECT_EQ(t[French].TextVerify, "Vérifier:");
    EXPECT_EQ(t[French].TextRead, "Lire");
    EXPECT_EQ(t[French].TextSaving, "Mémorisation");
    EXPECT_EQ(t[Czech].TextSaving, "Ukládání:");
    EXPECT_EQ(t[German].TextProgramDevice, "Programmieren:");
    EXPECT_EQ(t[Czech].TextNumberOfProgramming, "Počet programování= ");
    EXPECT_EQ(t[German].TextNoReading, "Lesen verboten!");
    EXPECT_EQ(t[French].TextNoReading, "Pas axessible!");
    EXPECT_EQ(t[Czech].TextVersionMismatch, "Neshodné verze proramu v PC a zapalování!");
}

TEST(MessageTableTest, PortFileAndReportMessages)
{
    const std::array<MessageTable, LanguageCount> t = {Filled(English), Filled(German), Filled(French), Filled(Czech)};
    EXPECT_EQ(t[German].TextComOpenError, "Falscher COM-Anschlußes!");
    EXPECT_EQ(t[French].TextComOpenError, "Erreur connections PC!");
    EXPECT_EQ(t[German].TextOpenFileError, "Fehler beim öffnen der Datei!");
    EXPECT_EQ(t[Czech].TextDefaultQuestion, "Chcete nastavit základní hodnoty?");
    EXPECT_EQ(t[German].TextFileVersionMismatch, "Datendatei *.ign ist nicht kompatiebel!");
    EXPECT_EQ(t[French].TextFileVersionMismatch, "Programme du fichier non compatible avec programme PC!");
    // Two trailing blanks in English and Czech, three in German and French.
    EXPECT_EQ(t[English].TextPrintDate, "Date and time of printing:  ");
    EXPECT_EQ(t[German].TextPrintDate, "Zeitpunkt des Ausdruckes   ");
    EXPECT_EQ(t[French].TextPrintDate, "Date et heur de l´imprimé:   ");
    EXPECT_EQ(t[Czech].TextPrintDate, "Datum a čas tisku:  ");
    for (const MessageTable& table : t) {
        EXPECT_EQ(table.TextManualFile, "Torvana_R_en.pdf");
    }
}

TEST(MessageTableTest, ManualOpenErrorFramesTheFileNameWithBlanks)
{
    EXPECT_EQ(Filled(English).TextManualOpenError, "Error by opening file Torvana_R_en.pdf !");
    EXPECT_EQ(Filled(German).TextManualOpenError, "Fehler beim öffnen der Datei Torvana_R_en.pdf !");
    EXPECT_EQ(Filled(French).TextManualOpenError, "Erreur à l´ouvertur du Fichier Torvana_R_en.pdf !");
    EXPECT_EQ(Filled(Czech).TextManualOpenError, "Chyba při otevírání souboru Torvana_R_en.pdf !");
    for (int language = English; language < LanguageCount; ++language) {
        const MessageTable table = Filled(language);
        EXPECT_NE(table.TextManualOpenError.find(" " + table.TextManualFile + " !"), std::string::npos);
    }
}

TEST(MessageTableTest, SwitchingLanguageOverwritesEverySlot)
{
    MessageTable table = Filled(Czech);
    SetMessageTexts(table, English);
    const MessageTable english = Filled(English);
    const std::vector<const std::string*> switched = AllSlots(table);
    const std::vector<const std::string*> fresh = AllSlots(english);
    for (std::size_t i = 0; i < switched.size(); ++i) {
        EXPECT_EQ(*switched[i], *fresh[i]) << "slot " << i;
    }
}

TEST(MessageTableTest, LanguageOutsideTheTablesReadsAsEnglish)
{
    const MessageTable english = Filled(English);
    for (int language : {-1, LanguageCount, 255}) {
        SCOPED_TRACE(language);
        const MessageTable table = Filled(language);
        EXPECT_EQ(table.TextProgramError, "Program error!");
        EXPECT_EQ(table.TextPrintDate, english.TextPrintDate);
        EXPECT_EQ(table.TextManualOpenError, english.TextManualOpenError);
    }
}

}  // namespace
}  // namespace torvana
