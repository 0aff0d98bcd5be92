#include "texts/ViewTexts.h"

#include "texts/MessageTable.h"
#include "texts/TextRows.h"

#include <array>

namespace torvana {

namespace {

using Texts = std::array<std::string, LanguageCount>;

const std::array<Texts, static_cast<std::size_t>(ViewText::Count)>& Table()
{
    static const std::array<Texts, static_cast<std::size_t>(ViewText::Count)> table = {{
        {"Value for the selected cells:", "Wert für die gewählten Zellen:", "Valeur des cellules choisies :",
         "Hodnota pro vybrané buňky:"},
        {"Add to the selected cells (negative subtracts):", "Zu den gewählten Zellen addieren (negativ zieht ab):",
         "Ajouter aux cellules choisies (négatif soustrait) :", "Přičíst k vybraným buňkám (záporné odečte):"},
        {"Scale the selected cells to percent:", "Gewählte Zellen auf Prozent skalieren:",
         "Mettre les cellules choisies à pour cent :", "Změnit vybrané buňky na procenta:"},
        {"Select cells of a curve table first (drag across them or Ctrl+Shift+arrows).",
         "Zuerst Zellen einer Kennfeldtabelle wählen (darüber ziehen oder Strg+Umschalt+Pfeile).",
         "Choisissez d'abord des cellules d'une table (glisser ou Ctrl+Maj+flèches).",
         "Nejprve vyberte buňky tabulky (tažením nebo Ctrl+Shift+šipky)."},
        {"This table is a coupled follower and cannot be edited here.",
         "Diese Tabelle folgt gekoppelt und kann hier nicht geändert werden.",
         "Cette table suit en mode couplé et ne peut pas être modifiée ici.",
         "Tato tabulka je spřažená a zde ji nelze upravit."},
        {"The engine is not running: there is no cell in use.", "Der Motor läuft nicht: keine Zelle in Gebrauch.",
         "Le moteur ne tourne pas : aucune cellule en cours.", "Motor neběží: žádná buňka se nepoužívá."},
        {"The pasted text does not fit: its rows and columns must match the selected cells. Nothing was changed.",
         "Der eingefügte Text passt nicht: Zeilen und Spalten müssen den gewählten Zellen entsprechen. Nichts wurde geändert.",
         "Le texte collé ne convient pas : ses lignes et colonnes doivent correspondre aux cellules choisies. Rien n'a été modifié.",
         "Vložený text nesedí: řádky a sloupce musí odpovídat vybraným buňkám. Nic nebylo změněno."},
        {"The pasted value in line %1, column %2 is not a number within the table's range. Nothing was changed.",
         "Der eingefügte Wert in Zeile %1, Spalte %2 ist keine Zahl im Bereich der Tabelle. Nichts wurde geändert.",
         "La valeur collée ligne %1, colonne %2 n'est pas un nombre dans la plage de la table. Rien n'a été modifié.",
         "Vložená hodnota na řádku %1, sloupci %2 není číslo v rozsahu tabulky. Nic nebylo změněno."},
        {"Table plot", "Tabellendiagramm", "Graphique de la table", "Graf tabulky"},
    }};
    return table;
}

}  // namespace

std::vector<LocalisedText> ViewCaptionTexts()
{
    std::vector<LocalisedText> entries;
    AppendRows(entries, TextKind::Caption, {
        {{"MenuView"}, {"&View", "&Ansicht", "Affic&hage", "Zo&brazení"}},
        {{"MenuHeatMap"}, {"&Heat map", "&Farbkarte", "Carte de &chaleur", "&Teplotní mapa"}},
        {{"MenuTablePlot"}, {"Table &plot", "Tabellen&diagramm", "&Graphique de la table", "&Graf tabulky"}},
        {{"MenuHitMap"}, {"H&it map", "&Trefferkarte", "Carte des &passages", "Mapa &zásahů"}},
        {{"MenuHitMapReset"},
         {"&Reset hit map", "Trefferkarte &zurücksetzen", "&Remettre les passages à zéro", "&Vynulovat mapu zásahů"}},
        {{"MenuLambdaLayer"},
         {"&Lambda suggestions", "&Lambda-Vorschläge", "Suggestions &lambda", "&Návrhy lambda"}},
        {{"MenuTablePlot3D"},
         {"Table plot in &3D", "Tabellendiagramm in &3D", "Graphique de la table en &3D", "Graf tabulky ve &3D"}},
        {{"MenuRegion"}, {"&Region", "Be&reich", "&Zone", "&Oblast"}},
        {{"MenuRegionSet"}, {"&Set value...", "Wert &setzen...", "&Fixer la valeur...", "&Nastavit hodnotu..."}},
        {{"MenuRegionAdd"}, {"&Add...", "&Addieren...", "&Ajouter...", "&Přičíst..."}},
        {{"MenuRegionScale"}, {"S&cale by %...", "&Skalieren in %...", "&Échelle en %...", "&Změnit v %..."}},
        {{"MenuRegionInterpolateHorizontal"},
         {"Interpolate &horizontally", "&Horizontal interpolieren", "Interpoler &horizontalement",
          "Interpolovat &vodorovně"}},
        {{"MenuRegionInterpolateVertical"},
         {"Interpolate &vertically", "&Vertikal interpolieren", "Interpoler &verticalement", "Interpolovat s&visle"}},
        {{"MenuRegionInterpolateBilinear"},
         {"Interpolate &bilinear", "&Bilinear interpolieren", "Interpoler &bilinéaire", "Interpolovat &bilineárně"}},
        {{"MenuRegionSmooth"}, {"S&mooth", "&Glätten", "&Lisser", "&Vyhladit"}},
        {{"MenuRegionFillFromTracked"},
         {"&Fill from the cell in use", "Aus der &Zelle in Gebrauch füllen", "Remplir depuis la cellule &en cours",
          "Vyplnit z &používané buňky"}},
        {{"MenuRegionCopy"}, {"&Copy as text", "Als Text &kopieren", "&Copier en texte", "&Kopírovat jako text"}},
        {{"MenuRegionPaste"}, {"&Paste text", "Text &einfügen", "Co&ller le texte", "&Vložit text"}},
    });
    return entries;
}

const std::string& ViewTextFor(ViewText text, int languageIndex)
{
    return Table()[static_cast<std::size_t>(text)][LanguageSlot(languageIndex)];
}

}  // namespace torvana
