#include "texts/LanguageTexts.h"

#include "TextSample.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

TEST(HintTextsTest, VersionLabelsAndFileCommands)
{
    test::ExpectTexts(TextKind::Hint, {
        {"LabelVerze1", {"Version of program in ignition", "Version des Programms der Zündung",
                         "Variantes de courbe d´avance", "Verze programu v zapalování"}},
        {"LabelVerze3", {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
                         "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
        {"MenuNew", {"Set default parametrs", "Neue Kenndatendaten erstellen",
                     "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
        {"SpeedButtonPrint", {"Print parametrs", "Druck der Kenndaten", "Imprimer paramètres", "Tisk parametrů"}},
        {"MenuExit", {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    });
}

TEST(HintTextsTest, TransferCommandsKeepTheirDoubleBlanks)
{
    test::ExpectTexts(TextKind::Hint, {
        {"ButtonProgram", {"Programing  set parametrs to ignition", "Programmieren der Kenndaten auf die Zündbox",
                           "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"}},
        {"MenuVerify", {"Compare set parametrs  with parametrs of ignition",
                        "Vergleich der Kenndaten mit Zündboxkenndaten", "Comparer les paramètres de ECU",
                        "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
        {"MenuRead", {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU",
                      "Čtení parametrů ze zapalování"}},
    });
}

TEST(HintTextsTest, OptionsLanguageAndCom)
{
    // Only the English language hint is two-part; the Czech COM hint ends in a blank.
    test::ExpectTexts(TextKind::Hint, {
        {"MenuLanguage", {"Language|Set English or German or French", "Sprache", "Sélection de la lange",
                          "Nastavení jazyka na angličtinu, češtinu nebo němčinu"}},
        {"CheckBoxProgHned", {"Programing at once after change", "Programmmierung gleich nach der Änderung",
                              "Programation instantanée des modifications", "Programování ihned po změně"}},
        {"GroupBoxActivation",
         {"Checked items means activation by closing to ground",
          "Gezeichnete Punkt bedeutet Aktivierung durch Schaltverbindung zu Grund",
          "Les points marqués sont activ avec le contacte de masse", "Zaškrtnutí znamená aktivaci připojením na zem"}},
        {"MenuCom", {"Set number of com", "Com-Anschluß festlegen", "installer nombre de com",
                     "Nastavení čísla serivého portu (Com) "}},
    });
    for (const LocalisedText& entry : LanguageTexts()) {
        for (int language = English; language < LanguageCount; ++language) {
            const bool twoPart = entry.texts[static_cast<std::size_t>(language)].find('|') != std::string::npos;
            const bool languageHint = entry.kind == TextKind::Hint && entry.target == "MenuLanguage";
            EXPECT_EQ(twoPart, languageHint && language == English) << entry.target;
        }
    }
}

}  // namespace
}  // namespace torvana
