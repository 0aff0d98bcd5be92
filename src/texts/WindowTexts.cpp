#include "texts/WindowTexts.h"

#include "texts/TextRows.h"

namespace torvana {

namespace {

constexpr const char* WindowObjectName = "TFormHlav";

}  // namespace

std::vector<LocalisedText> WindowTexts()
{
    std::vector<LocalisedText> entries = {
        {WindowObjectName, TextKind::Title,
         {"Programming of Torvana_Racing unit",
          "Programmierung der Torvana_Racing Zündbox",
          "Programation de Torvana_Racing unité",
          "Programování jednotky Torvana_Racing"}},
    };
    AppendRows(entries, TextKind::Caption, {
        {{"LabelSpojeni"},
         {"No connection with PC",
          "Keine Verbindung zum PC",
          "Pas de connection acec pc",
          "Není spojení s PC"}},
        {{"MenuFile"}, {"&File", "&Datei", "&Fichier", "&Soubor"}},
        {{"MenuNew"}, {"&New", "&Neu", "&Nouveau", "&Nový"}},
        {{"MenuOpen"}, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
        {{"MenuSave"}, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
        {{"MenuPrint"}, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
        // This program's own item beside Print; its accelerators avoid the
        // other items of the File menu.
        {{"MenuPrintPdf"}, {"Print to P&DF...", "Als &PDF drucken...", "Imprimer en &PDF...", "Tisk do &PDF..."}},
        {{"MenuExit"}, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
        {{"MenuCom"}, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
        {{"MenuDevice"}, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
        {{"MenuRead", "ButtonRead"}, {"&Read", "&Lesen", "&Lire", "Čí&st"}},
        {{"MenuVerify", "ButtonVerify"}, {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
        {{"MenuProgram", "ButtonProgram"}, {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
        {{"Menu_Ign123Mode"}, {"Ign 1-2-3", "Zündung 1-2-3", "Allumage 1-2-3", "Ign 1-2-3"}},
        {{"Menu_Ign123Normal", "Menu_Jet123Normal"}, {"Separate", "Getrennt", "Séparé", "Oddělený"}},
        {{"Menu_Ign123Coupled", "Menu_Jet123Coupled"}, {"Coupled", "Gekoppelt", "couplé", "Spřažený"}},
        {{"Menu_Jet123Mode"}, {"Jet 1-2-3", "Einspritzung 1-2-3", "inject 1-2-3", "Jet 1-2-3"}},
        {{"MenuTools"}, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
        {{"MenuLanguage"}, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
        {{"MenuEnglish"}, {"&English", "&Englisch", "&Englais", "&Anglicky"}},
        {{"MenuGerman"}, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
        {{"MenuFrench"}, {"&French", "&Französisch", "&Francais", "Francouzky"}},
        {{"MenuCzech"}, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
        {{"MenuHelp"}, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
        {{"MenuContens"}, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
        {{"MenuAbout"}, {"&About...", "&Über Programm...", "&Information", "&O programu..."}},
    });
    return entries;
}

}  // namespace torvana
