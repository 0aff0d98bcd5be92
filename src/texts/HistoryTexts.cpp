#include "texts/HistoryTexts.h"

#include "texts/TextRows.h"

#include <array>

namespace torvana {

namespace {

using Texts = std::array<std::string, LanguageCount>;

const std::array<Texts, static_cast<std::size_t>(HistoryText::Count)>& Table()
{
    static const std::array<Texts, static_cast<std::size_t>(HistoryText::Count)> table = {{
        {"&Undo", "&Rückgängig", "&Annuler", "&Zpět"},
        {"&Redo", "&Wiederholen", "&Rétablir", "Zn&ovu"},
        {"row", "Zeile", "ligne", "řádek"},
        {"parameters", "Parameter", "paramètres", "parametrů"},
        {"\"All\" marks", "\"Alle\"-Markierungen", "marques \"Tout\"", "značky \"Vše\""},
        {"Edit", "Änderung", "Modification", "Úprava"},
        {"Tool", "Werkzeug", "Outil", "Nástroj"},
        {"Coupling mode", "Kopplungsart", "Mode de couplage", "Režim spřažení"},
        {"New parameter set", "Neuer Parametersatz", "Nouveau jeu de paramètres", "Nová sada parametrů"},
        {"Engine variant defaults", "Standardwerte der Motorvariante", "Valeurs par défaut de la variante",
         "Výchozí hodnoty varianty motoru"},
        {"Open", "Öffnen", "Ouvrir", "Otevřít"},
        {"Read from the unit", "Aus dem Gerät gelesen", "Lecture de l'unité", "Čtení z jednotky"},
        {"Unit header after Program", "Gerätekopf nach Programmierung", "En-tête de l'unité après programmation",
         "Hlavička jednotky po programování"},
        {"Restore point", "Wiederherstellungspunkt", "Point de restauration", "Bod obnovení"},
        {"Taken from comparison", "Aus dem Vergleich übernommen", "Repris de la comparaison",
         "Převzato z porovnání"},
        {"Before undo", "Vor Rückgängig", "Avant annulation", "Před vrácením zpět"},
        {"Before Program", "Vor Programmierung", "Avant programmation", "Před programováním"},
        {"A restore point could not be kept:", "Ein Wiederherstellungspunkt konnte nicht gespeichert werden:",
         "Un point de restauration n'a pas pu être gardé :", "Bod obnovení nelze uložit:"},
        {"All causes", "Alle Ursachen", "Toutes les causes", "Všechny příčiny"},
        {"Pinned", "Angeheftet", "Épinglé", "Připnuto"},
        {"Time", "Zeit", "Heure", "Čas"},
        {"Cause", "Ursache", "Cause", "Příčina"},
        {"File or unit", "Datei oder Gerät", "Fichier ou unité", "Soubor nebo jednotka"},
        {"Parameter", "Parameter", "Paramètre", "Parametr"},
        {"Editor", "Editor", "Éditeur", "Editor"},
        {"Compared set", "Verglichener Satz", "Jeu comparé", "Porovnaná sada"},
        {"The sets are equal.", "Die Sätze sind gleich.", "Les jeux sont identiques.", "Sady jsou shodné."},
        {"Differing parameters:", "Abweichende Parameter:", "Paramètres différents :", "Rozdílné parametry:"},
        {"The unit could not be read:", "Das Gerät konnte nicht gelesen werden:", "L'unité n'a pas pu être lue :",
         "Jednotku nelze přečíst:"},
        {"Unit", "Gerät", "Unité", "Jednotka"},
        {"The comparison with the unit waits until the transfer with the unit has ended.",
         "Der Vergleich mit dem Gerät wartet, bis die Übertragung mit dem Gerät beendet ist.",
         "La comparaison avec l'unité attend la fin du transfert avec l'unité.",
         "Porovnání s jednotkou čeká, až skončí přenos s jednotkou."},
        {"Undo and Redo wait until the transfer with the unit has ended.",
         "Rückgängig und Wiederholen warten, bis die Übertragung mit dem Gerät beendet ist.",
         "Annuler et Rétablir attendent la fin du transfert avec l'unité.",
         "Zpět a Znovu čekají, až skončí přenos s jednotkou."},
        {"The edit history %1 could not be read (%2); the editor starts with an empty history.",
         "Der Bearbeitungsverlauf %1 konnte nicht gelesen werden (%2); der Editor beginnt mit einem leeren Verlauf.",
         "L'historique des modifications %1 n'a pas pu être lu (%2) ; l'éditeur démarre avec un historique vide.",
         "Historii úprav %1 nelze přečíst (%2); editor začíná s prázdnou historií."},
        {"The file was kept as %1.", "Die Datei wurde als %1 aufbewahrt.", "Le fichier a été gardé sous %1.",
         "Soubor byl uschován jako %1."},
        {"The file could not be set aside: %1.", "Die Datei konnte nicht beiseitegelegt werden: %1.",
         "Le fichier n'a pas pu être mis de côté : %1.", "Soubor nelze odložit: %1."},
        {"A restore point could not be read:", "Ein Wiederherstellungspunkt konnte nicht gelesen werden:",
         "Un point de restauration n'a pas pu être lu :", "Bod obnovení nelze přečíst:"},
        {"A restore point could not be pinned or unpinned:",
         "Ein Wiederherstellungspunkt konnte nicht angeheftet oder gelöst werden:",
         "Un point de restauration n'a pas pu être épinglé ou détaché :", "Bod obnovení nelze připnout ani odepnout:"},
    }};
    return table;
}

}  // namespace

std::vector<LocalisedText> HistoryCaptionTexts()
{
    std::vector<LocalisedText> entries;
    AppendRows(entries, TextKind::Caption, {
        {{"MenuEdit"}, {"&Edit", "&Bearbeiten", "É&dition", "Úpr&avy"}},
        {{"MenuRestorePoints"},
         {"Restore &points...", "Wieder&herstellungspunkte...", "&Points de restauration...", "&Body obnovení..."}},
        {{"MenuCompare"}, {"&Compare...", "&Vergleichen mit...", "&Comparer...", "&Porovnat..."}},
        {{"MenuCompareUnit"},
         {"Compare with the u&nit", "Mit dem &Gerät vergleichen", "Comparer avec l'&unité", "Porovnat s &jednotkou"}},
        {{"TFormRestorePoints"},
         {"Restore points", "Wiederherstellungspunkte", "Points de restauration", "Body obnovení"}},
        {{"ButtonRestorePoint"}, {"&Restore", "&Wiederherstellen", "&Restaurer", "&Obnovit"}},
        {{"ButtonPinRestorePoint"}, {"&Pin / unpin", "&Anheften / lösen", "É&pingler / détacher", "&Připnout / odepnout"}},
        {{"ButtonCloseRestorePoints", "ButtonCloseCompare"}, {"&Close", "&Schließen", "&Fermer", "&Zavřít"}},
        {{"TFormCompare"}, {"Compare", "Vergleichen", "Comparer", "Porovnat"}},
        {{"ButtonCompareFile"}, {"&File...", "&Datei...", "Fic&hier...", "&Soubor..."}},
        {{"ButtonCompareRestorePoint"}, {"Co&mpare", "&Vergleichen", "&Comparer", "Po&rovnat"}},
        {{"ButtonCompareUnit"}, {"&Unit", "&Gerät", "&Unité", "&Jednotka"}},
        {{"MenuChangeMarks"},
         {"&Mark changed cells", "&Geänderte Zellen markieren", "&Marquer les cellules modifiées",
          "&Označit změněné buňky"}},
        {{"ButtonTakeDifferences"},
         {"&Take chosen", "Auswahl &übernehmen", "&Reprendre la sélection", "&Převzít vybrané"}},
    });
    return entries;
}

const std::string& HistoryTextFor(HistoryText text, int languageIndex)
{
    return Table()[static_cast<std::size_t>(text)][LanguageSlot(languageIndex)];
}

}  // namespace torvana
