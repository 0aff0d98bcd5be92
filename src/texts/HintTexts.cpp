#include "texts/HintTexts.h"

#include "texts/TextRows.h"

namespace torvana {

std::vector<LocalisedText> HintTexts()
{
    std::vector<LocalisedText> entries;
    AppendRows(entries, TextKind::Hint, {
        {{"LabelVerze1"},
         {"Version of program in ignition",
          "Version des Programms der Zündung",
          "Variantes de courbe d´avance",
          "Verze programu v zapalování"}},
        {{"LabelVerze2"},
         {"Date of program in ignition",
          "Datum des Programms der Zündung",
          "Date de programation de la courbe d´avance",
          "Datum zhotovení programu v zapalování"}},
        {{"LabelVerze3"},
         {"Time of program in ignition",
          "Programmierzeitpunkt der Zündung",
          "Temp de programation de la courbe d´avance",
          "Čas zhotovení programu v zapalování"}},
        {{"SpeedButton5", "MenuOpen"},
         {"Open file with parametrs",
          "Kenndatendatei öffnen",
          "Ouvrir fichier avec paramètres",
          "Otevření souboru s parametry"}},
        {{"SpeedButton6", "MenuNew"},
         {"Set default parametrs",
          "Neue Kenndatendaten erstellen",
          "Reprogramation des paramètres initial Dórigine",
          "Nastavení výchozích parametrů"}},
        {{"SpeedButton7", "MenuSave"},
         {"Save parametrs to file",
          "Kenndaten in Datei speichern",
          "Sauvegarder les paramètres",
          "Uložení parametrů do souboru"}},
        {{"SpeedButtonPrint", "MenuPrint"},
         {"Print parametrs",
          "Druck der Kenndaten",
          "Imprimer paramètres",
          "Tisk parametrů"}},
        {{"MenuPrintPdf"},
         {"Print parameters to a PDF file",
          "Kenndaten in eine PDF-Datei drucken",
          "Imprimer les paramètres dans un fichier PDF",
          "Tisk parametrů do souboru PDF"}},
        {{"ButtonProgram", "MenuProgram"},
         {"Programing  set parametrs to ignition",
          "Programmieren der Kenndaten auf die Zündbox",
          "Programer les paramètres dans ECU",
          "Programování nastavených parametrů do zapalování"}},
        {{"ButtonVerify", "MenuVerify"},
         {"Compare set parametrs  with parametrs of ignition",
          "Vergleich der Kenndaten mit Zündboxkenndaten",
          "Comparer les paramètres de ECU",
          "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
        {{"ButtonRead", "MenuRead"},
         {"Reading parametrs from ignition",
          "Kenndaten aus Zündung lesen",
          "Lire paramètres ECU",
          "Čtení parametrů ze zapalování"}},
        {{"MenuExit"}, {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
        {{"MenuLanguage"},
         {"Language|Set English or German or French",
          "Sprache",
          "Sélection de la lange",
          "Nastavení jazyka na angličtinu, češtinu nebo němčinu"}},
        {{"CheckBoxProgHned"},
         {"Programing at once after change",
          "Programmmierung gleich nach der Änderung",
          "Programation instantanée des modifications",
          "Programování ihned po změně"}},
        {{"GroupBoxActivation"},
         {"Checked items means activation by closing to ground",
          "Gezeichnete Punkt bedeutet Aktivierung durch Schaltverbindung zu Grund",
          "Les points marqués sont activ avec le contacte de masse",
          "Zaškrtnutí znamená aktivaci připojením na zem"}},
        // The Czech text ends in a blank.
        {{"MenuCom"},
         {"Set number of com",
          "Com-Anschluß festlegen",
          "installer nombre de com",
          "Nastavení čísla serivého portu (Com) "}},
    });
    return entries;
}

std::array<std::string, LanguageCount> ComHintPrefixes()
{
    return {"Set com", "Com-Anschluß auswahl", "installer com", "Nastavení komunikace na port com"};
}

}  // namespace torvana
