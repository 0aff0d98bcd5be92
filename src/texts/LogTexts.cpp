#include "texts/LogTexts.h"

#include "texts/TextRows.h"

#include <array>

namespace torvana {

namespace {

using Texts = std::array<std::string, LanguageCount>;

const std::array<Texts, static_cast<std::size_t>(LogText::Count)>& Table()
{
    static const std::array<Texts, static_cast<std::size_t>(LogText::Count)> table = {{
        {"Recording log", "Protokoll läuft", "Enregistrement", "Záznam běží"},
        {"Log recording started:", "Protokollaufzeichnung begonnen:", "Enregistrement du journal commencé :",
         "Záznam zahájen:"},
        {"Log recording stopped:", "Protokollaufzeichnung beendet:", "Enregistrement du journal arrêté :",
         "Záznam ukončen:"},
        {"Log recording stopped: less than 100 MB free on the disk.",
         "Protokollaufzeichnung beendet: weniger als 100 MB frei auf dem Datenträger.",
         "Enregistrement du journal arrêté : moins de 100 Mo libres sur le disque.",
         "Záznam zastaven: na disku je méně než 100 MB volného místa."},
        {"Log recording stopped, the file could not be written:",
         "Protokollaufzeichnung beendet, die Datei konnte nicht geschrieben werden:",
         "Enregistrement du journal arrêté, le fichier n'a pas pu être écrit :", "Záznam zastaven, soubor nelze zapsat:"},
        {"No log is being recorded.", "Es wird kein Protokoll aufgezeichnet.",
         "Aucun journal n'est en cours d'enregistrement.", "Žádný záznam neprobíhá."},
        {"Marker", "Markierung", "Repère", "Značka"},
        {"Note for the marker (optional):", "Notiz zur Markierung (freiwillig):", "Note du repère (facultative) :",
         "Poznámka ke značce (nepovinná):"},
        {"Marker set:", "Markierung gesetzt:", "Repère posé :", "Značka nastavena:"},
        {"The log could not be read:", "Das Protokoll konnte nicht gelesen werden:", "Le journal n'a pas pu être lu :",
         "Záznam nelze přečíst:"},
        {"rows left out:", "ausgelassene Zeilen:", "lignes ignorées :", "vynechaných řádků:"},
        {"Channel", "Kanal", "Canal", "Kanál"},
        {"Value", "Wert", "Valeur", "Hodnota"},
        {"Time [s]", "Zeit [s]", "Temps [s]", "Čas [s]"},
        {"Logs (*.csv)", "Protokolle (*.csv)", "Journaux (*.csv)", "Záznamy (*.csv)"},
        {"Showing a log, not the unit:", "Anzeige eines Protokolls, nicht des Steuergeräts:",
         "Affichage d'un journal, pas de l'unité :", "Zobrazuje se záznam, ne jednotka:"},
        {"paused", "angehalten", "en pause", "pozastaveno"},
        {"Over time", "Über der Zeit", "Dans le temps", "V čase"},
        {"Scatter", "Streudiagramm", "Nuage de points", "Bodový graf"},
        {"(one colour)", "(einfarbig)", "(une couleur)", "(jedna barva)"},
    }};
    return table;
}

}  // namespace

std::vector<LocalisedText> LogCaptionTexts()
{
    std::vector<LocalisedText> entries;
    AppendRows(entries, TextKind::Caption, {
        {{"MenuLog"}, {"L&og", "&Protokoll", "&Journal", "Zázna&m"}},
        {{"MenuLogStart"}, {"&Start recording", "Aufzeichnung &starten", "&Démarrer l'enregistrement", "&Spustit záznam"}},
        {{"MenuLogStop"}, {"S&top recording", "Aufzeichnung &beenden", "&Arrêter l'enregistrement", "&Zastavit záznam"}},
        {{"MenuLogMarker"}, {"Add &marker...", "&Markierung setzen...", "Ajouter un &repère...", "Přidat &značku..."}},
        {{"MenuLogOpen"}, {"&Open log...", "Protokoll ö&ffnen...", "&Ouvrir un journal...", "&Otevřít záznam..."}},
        {{"MenuLogCurrent"},
         {"Show the &current log", "&Laufendes Protokoll zeigen", "Afficher le journal &en cours",
          "Zobrazit &aktuální záznam"}},
        {{"TFormLog"}, {"Log", "Protokoll", "Journal", "Záznam"}},
        {{"ButtonLogReload"}, {"&Reload", "&Neu laden", "&Recharger", "Znovu &načíst"}},
        {{"ButtonLogZoomAll"}, {"&Whole log", "&Ganzes Protokoll", "&Journal entier", "&Celý záznam"}},
        {{"ButtonCloseLog"}, {"&Close", "&Schließen", "&Fermer", "&Zavřít"}},
        {{"GroupBoxLogChannels"}, {"Channels", "Kanäle", "Canaux", "Kanály"}},
        {{"GroupBoxLogMarkers"}, {"Markers", "Markierungen", "Repères", "Značky"}},
        {{"GroupBoxLogCursor"}, {"Cursor", "Cursor", "Curseur", "Kurzor"}},
        {{"ButtonLogPlay"}, {"&Play", "&Abspielen", "&Lecture", "&Přehrát"}},
        {{"ButtonLogPause"}, {"P&ause", "&Pause", "&Pause", "Pozastav&it"}},
        {{"ButtonLogEndPlayback"},
         {"&End playback", "Wiedergabe &beenden", "Arrê&ter la lecture", "&Ukončit přehrávání"}},
        {{"LabelLogSpeed"}, {"&Speed:", "&Tempo:", "&Vitesse :", "R&ychlost:"}},
        {{"LabelLogScatterX"}, {"X axis:", "X-Achse:", "Axe X :", "Osa X:"}},
        {{"LabelLogScatterY"}, {"Y axis:", "Y-Achse:", "Axe Y :", "Osa Y:"}},
        {{"LabelLogScatterColour"}, {"Colour:", "Farbe:", "Couleur :", "Barva:"}},
    });
    return entries;
}

const std::string& LogTextFor(LogText text, int languageIndex)
{
    return Table()[static_cast<std::size_t>(text)][LanguageSlot(languageIndex)];
}

}  // namespace torvana
