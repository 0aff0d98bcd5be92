#include "texts/AnalysisTexts.h"

#include "texts/MessageTable.h"
#include "texts/TextRows.h"

#include <array>

namespace torvana {

namespace {

using Texts = std::array<std::string, LanguageCount>;

const std::array<Texts, static_cast<std::size_t>(AnalysisText::Count)>& Table()
{
    static const std::array<Texts, static_cast<std::size_t>(AnalysisText::Count)> table = {{
        {"Lambda analysis", "Lambda-Analyse", "Analyse lambda", "Analýza lambda"},
        {"Suggestions %", "Vorschläge %", "Suggestions %", "Návrhy %"},
        {"Target lambda", "Ziel-Lambda", "Lambda cible", "Cílová lambda"},
        {"engine speed outside the range", "Drehzahl außerhalb des Bereichs", "régime hors plage",
         "otáčky mimo rozsah"},
        {"throttle outside the range", "Drosselklappe außerhalb des Bereichs", "papillon hors plage",
         "škrticí klapka mimo rozsah"},
        {"coolant too cold", "Kühlmittel zu kalt", "liquide de refroidissement trop froid", "chladivo příliš studené"},
        {"throttle moving too fast", "Drosselklappe bewegt sich zu schnell", "papillon trop rapide",
         "klapka se mění příliš rychle"},
        {"just after the start", "kurz nach dem Start", "juste après le démarrage", "krátce po startu"},
        {"limiter active", "Begrenzer aktiv", "limiteur actif", "omezovač aktivní"},
        {"overrun", "Schubbetrieb", "frein moteur", "brzdění motorem"},
        {"sensor at its rail", "Sonde am Anschlag", "sonde en butée", "sonda na mezi"},
        {"no reading after the delay", "kein Messwert nach der Verzögerung", "pas de mesure après le délai",
         "žádné měření po zpoždění"},
        {"narrow-band sensor cannot read this target", "Schmalbandsonde kann dieses Ziel nicht messen",
         "sonde à bande étroite ne peut lire cette cible", "úzkopásmová sonda tento cíl nezměří"},
        {"%1 samples taken", "%1 Messpunkte übernommen", "%1 échantillons retenus", "%1 vzorků přijato"},
        {"no table value", "kein Tabellenwert", "pas de valeur", "bez hodnoty"},
        {"no samples", "keine Messpunkte", "aucun échantillon", "žádné vzorky"},
        {"too few samples (%1)", "zu wenige Messpunkte (%1)", "trop peu d'échantillons (%1)", "málo vzorků (%1)"},
        {"%1 %, %2 samples, confidence %3 %", "%1 %, %2 Messpunkte, Vertrauen %3 %",
         "%1 %, %2 échantillons, confiance %3 %", "%1 %, %2 vzorků, důvěra %3 %"},
        {" (limited by the authority)", " (auf die max. Änderung begrenzt)", " (limité à la variation max.)",
         " (omezeno povoleným krokem)"},
        {"Suggestions applied to %1 cells.", "Vorschläge auf %1 Zellen angewendet.",
         "Suggestions appliquées à %1 cellules.", "Návrhy použity na %1 buněk."},
        {"No cell has a suggestion to apply.", "Keine Zelle hat einen anwendbaren Vorschlag.",
         "Aucune cellule n'a de suggestion à appliquer.", "Žádná buňka nemá návrh k použití."},
        {"Show an injection table that is not a coupled follower to apply suggestions.",
         "Eine Einspritztabelle zeigen, die nicht gekoppelt folgt, um Vorschläge anzuwenden.",
         "Affichez une table d'injection non suiveuse pour appliquer les suggestions.",
         "Pro použití návrhů zobrazte tabulku vstřiku, která není spřažená."},
        {"The log %1 cannot be read: %2", "Das Protokoll %1 kann nicht gelesen werden: %2",
         "Le journal %1 ne peut pas être lu : %2", "Záznam %1 nelze přečíst: %2"},
        {"%1 frames of %2 analysed.", "%1 Rahmen aus %2 analysiert.", "%1 trames de %2 analysées.",
         "Analyzováno %1 rámců z %2."},
        {"Estimated delay: %1 ms (correlation %2).", "Geschätzte Verzögerung: %1 ms (Korrelation %2).",
         "Délai estimé : %1 ms (corrélation %2).", "Odhadnuté zpoždění: %1 ms (korelace %2)."},
        {"The log shows no clear delay: too few changes of the injection time.",
         "Das Protokoll zeigt keine klare Verzögerung: zu wenige Änderungen der Einspritzzeit.",
         "Le journal ne montre pas de délai net : trop peu de changements du temps d'injection.",
         "Záznam neukazuje jasné zpoždění: příliš málo změn doby vstřiku."},
        {"The target-lambda file %1 cannot be used: %2", "Die Ziel-Lambda-Datei %1 ist unbrauchbar: %2",
         "Le fichier lambda cible %1 est inutilisable : %2", "Soubor cílové lambdy %1 nelze použít: %2"},
        {"Target lambda saved to %1.", "Ziel-Lambda in %1 gespeichert.", "Lambda cible enregistrée dans %1.",
         "Cílová lambda uložena do %1."},
        {"\"%1\" is not a target lambda: type a number from 0.6 to 1.6.",
         "\"%1\" ist kein Ziel-Lambda: eine Zahl von 0,6 bis 1,6 eingeben.",
         "« %1 » n'est pas une lambda cible : saisissez un nombre de 0,6 à 1,6.",
         "„%1“ není cílová lambda: zadejte číslo od 0,6 do 1,6."},
        {"The target-lambda file %1 cannot be written: %2", "Die Ziel-Lambda-Datei %1 kann nicht geschrieben werden: %2",
         "Le fichier lambda cible %1 ne peut pas être écrit : %2", "Soubor cílové lambdy %1 nelze zapsat: %2"},
        {"Lambda analysis settings: %1; the default is used.", "Lambda-Analyse-Einstellungen: %1; Standard gilt.",
         "Réglages de l'analyse lambda : %1 ; la valeur par défaut est utilisée.",
         "Nastavení analýzy lambda: %1; použije se výchozí hodnota."},
        {"Analyse a log", "Protokoll analysieren", "Analyser un journal", "Analyzovat záznam"},
    }};
    return table;
}

}  // namespace

std::vector<LocalisedText> AnalysisCaptionTexts()
{
    std::vector<LocalisedText> entries;
    AppendRows(entries, TextKind::Caption, {
        {{"MenuLambda"}, {"La&mbda", "La&mbda", "La&mbda", "&Lambda"}},
        {{"MenuLambdaAnalysis"},
         {"Lambda &analysis...", "Lambda-&Analyse...", "&Analyse lambda...", "&Analýza lambda..."}},
        {{"AnalysisLiveCheckBox"}, {"Live", "Live", "En direct", "Živě"}},
        {{"AnalysisOpenLogButton"}, {"Analyse log...", "Protokoll analysieren...", "Analyser un journal...",
                                     "Analyzovat záznam..."}},
        {{"AnalysisClearButton"}, {"Clear", "Leeren", "Effacer", "Vymazat"}},
        {{"AnalysisDelayButton"}, {"Estimate delay", "Verzögerung schätzen", "Estimer le délai",
                                   "Odhadnout zpoždění"}},
        {{"AnalysisApplyChosenButton"}, {"Apply chosen", "Gewählte anwenden", "Appliquer la sélection",
                                         "Použít vybrané"}},
        {{"AnalysisApplyConfidentButton"}, {"Apply all confident", "Alle sicheren anwenden",
                                            "Appliquer les sûres", "Použít všechny jisté"}},
        {{"AnalysisSaveTargetButton"}, {"Save target", "Ziel speichern", "Enregistrer la cible", "Uložit cíl"}},
        {{"AnalysisWideBandRadio"}, {"Wide-band", "Breitband", "Large bande", "Širokopásmová"}},
        {{"AnalysisNarrowBandRadio"}, {"Narrow-band", "Schmalband", "Bande étroite", "Úzkopásmová"}},
        {{"AnalysisDelayLabel"}, {"Delay [ms]", "Verzögerung [ms]", "Délai [ms]", "Zpoždění [ms]"}},
        {{"AnalysisAuthorityLabel"}, {"Authority [%]", "Max. Änderung [%]", "Variation max. [%]", "Povolený krok [%]"}},
        {{"AnalysisLambdaZeroLabel"}, {"λ at 0 V", "λ bei 0 V", "λ à 0 V", "λ při 0 V"}},
        {{"AnalysisLambdaFiveLabel"}, {"λ at 5 V", "λ bei 5 V", "λ à 5 V", "λ při 5 V"}},
    });
    return entries;
}

const std::string& AnalysisTextFor(AnalysisText text, int languageIndex)
{
    return Table()[static_cast<std::size_t>(text)][LanguageSlot(languageIndex)];
}

}  // namespace torvana
