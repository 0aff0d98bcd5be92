#include "texts/MessageTable.h"

#include <array>

namespace torvana {

namespace {

using FourTexts = std::array<const char*, LanguageCount>;  // English, German, French, Czech

// Lead texts of TextManualOpenError; each ends in a blank before the file name.
constexpr FourTexts ManualOpenErrorLeads = {"Error by opening file ", "Fehler beim öffnen der Datei ",
                                            "Erreur à l´ouvertur du Fichier ", "Chyba při otevírání souboru "};
constexpr const char* ManualOpenErrorTail = " !";

// The program's own messages: the English ones say what the program said
// before they were translated.
void SetAddedMessageTexts(MessageTable& t, std::size_t slot)
{
    const auto pick = [slot](const FourTexts& texts) { return std::string(texts[slot]); };
    t.TextFileRejected = pick({"%1: line %2: %3. Nothing was loaded.", "%1: Zeile %2: %3. Es wurde nichts geladen.",
                               "%1 : ligne %2 : %3. Rien n'a été chargé.", "%1: řádek %2: %3. Nic nebylo načteno."});
    t.TextByteNotText = pick({"byte 0x%1 is not text", "Byte 0x%1 ist kein Text", "l'octet 0x%1 n'est pas du texte",
                              "bajt 0x%1 není text"});
    t.TextWordTooLong = pick({"word longer than %1 characters", "Wort länger als %1 Zeichen",
                              "mot de plus de %1 caractères", "slovo delší než %1 znaků"});
    t.TextNotANumber = pick({"%1 where a number of %2 is expected", "%1, wo eine Zahl für %2 erwartet wird",
                             "%1 au lieu d'un nombre pour %2", "%1 místo čísla pro %2"});
    t.TextLastImageUnreadable =
        pick({"The last parameter set %1 could not be read (%2); the factory set is shown.",
              "Der letzte Parametersatz %1 konnte nicht gelesen werden (%2); die Werkseinstellung wird angezeigt.",
              "Le dernier jeu de paramètres %1 n'a pas pu être lu (%2) ; les valeurs d'usine sont affichées.",
              "Poslední sadu parametrů %1 nelze přečíst (%2); zobrazeny jsou tovární hodnoty."});
    t.TextLastImageDamaged =
        pick({"The last parameter set %1 is damaged at line %2 (not a number): %3 of %4 values were read; the rest "
              "keep their factory values.",
              "Der letzte Parametersatz %1 ist in Zeile %2 beschädigt (keine Zahl): %3 von %4 Werten wurden gelesen; "
              "die übrigen behalten ihre Werkswerte.",
              "Le dernier jeu de paramètres %1 est endommagé à la ligne %2 (pas un nombre) : %3 valeurs sur %4 ont "
              "été lues ; les autres gardent leurs valeurs d'usine.",
              "Poslední sada parametrů %1 je poškozena na řádku %2 (není číslo): načteno %3 z %4 hodnot; ostatní "
              "mají tovární hodnoty."});
    t.TextLastImageIncomplete =
        pick({"The last parameter set %1 is incomplete: %2 of %3 values were read; the rest keep their factory "
              "values.",
              "Der letzte Parametersatz %1 ist unvollständig: %2 von %3 Werten wurden gelesen; die übrigen behalten "
              "ihre Werkswerte.",
              "Le dernier jeu de paramètres %1 est incomplet : %2 valeurs sur %3 ont été lues ; les autres gardent "
              "leurs valeurs d'usine.",
              "Poslední sada parametrů %1 je neúplná: načteno %2 z %3 hodnot; ostatní mají tovární hodnoty."});
    t.TextUnableToWrite = pick({"Unable to write to %1", "Schreiben nicht möglich in %1", "Impossible d'écrire dans %1",
                                "Nelze zapisovat do %1"});
    t.TextNoDefaultPrinter =
        pick({"There is no default printer currently selected", "Zurzeit ist kein Standarddrucker ausgewählt",
              "Aucune imprimante par défaut n'est sélectionnée", "Není vybrána žádná výchozí tiskárna"});
    t.TextPrinterRefused = pick({"The printer %1 did not take the print job",
                                 "Der Drucker %1 hat den Druckauftrag nicht angenommen",
                                 "L'imprimante %1 n'a pas accepté l'impression", "Tiskárna %1 nepřijala tiskovou úlohu"});
    t.TextPdfWriteError = pick({"The PDF file %1 could not be written: %2",
                                "Die PDF-Datei %1 konnte nicht geschrieben werden: %2",
                                "Le fichier PDF %1 n'a pas pu être écrit : %2", "Soubor PDF %1 nelze zapsat: %2"});
    t.TextUnexpectedError = pick({"An unexpected error stopped the last action: %1",
                                  "Ein unerwarteter Fehler hat die letzte Aktion abgebrochen: %1",
                                  "Une erreur inattendue a interrompu la dernière action : %1",
                                  "Neočekávaná chyba přerušila poslední akci: %1"});
    t.TextSetWrittenTo = pick({"The parameter set has been written to %1.", "Der Parametersatz wurde in %1 geschrieben.",
                               "Le jeu de paramètres a été écrit dans %1.", "Sada parametrů byla zapsána do %1."});
}

}  // namespace

// Slots in fill order. Czech TextProgramError and the German verify and read
// errors have no exclamation mark; TextPrintDate ends in two blanks in
// English and Czech, three in German and French.
void SetMessageTexts(MessageTable& t, int languageIndex)
{
    const std::size_t slot = LanguageSlot(languageIndex);
    const auto pick = [slot](const FourTexts& texts) { return std::string(texts[slot]); };
    t.TextManualFile = pick({"Torvana_R_en.pdf", "Torvana_R_en.pdf", "Torvana_R_en.pdf", "Torvana_R_en.pdf"});
    t.TextProgramError = pick({"Program error!", "Programmierfehler!", "Erreur de programmation!", "Chyba programování"});
    t.TextVerifyError = pick({"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"});
    t.TextReadError = pick({"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"});
    t.TextProgramDevice = pick({"Program device:", "Programmieren:", "Programmer:", "Programování:"});
    t.TextVersionMismatch = pick({"Unmatched version of PC and Ignition programs!",
                                  "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
                                  "Programme du boitier d´alumage non compatible avec programme PC!",
                                  "Neshodné verze proramu v PC a zapalování!"});
    t.TextVerify = pick({"Verify:", "Vergleichen:", "Vérifier:", "Verifikace:"});
    t.TextRead = pick({"Read:", "Lesen:", "Lire", "Čtení:"});
    t.TextSaving = pick({"Saving:", "Speicherung:", "Mémorisation", "Ukládání:"});
    t.TextNumberOfProgramming =
        pick({"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ", "Počet programování= "});
    t.TextComOpenError = pick({"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
                               "Chyba při otevírání portu Com!"});
    t.TextOpenFileError = pick({"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
                                "Chyba při otevírání souboru!"});
    t.TextDefaultQuestion = pick({"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
                                  "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"});
    t.TextFileVersionMismatch = pick({"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
                                      "Programme du fichier non compatible avec programme PC!",
                                      "Neshodná verze souboru *.ign!"});
    t.TextPrintDate = pick({"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
                            "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "});
    t.TextNoReading = pick({"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"});
    t.TextManualOpenError = pick(ManualOpenErrorLeads) + t.TextManualFile + ManualOpenErrorTail;
    t.TextComPermission = pick({"No permission to use %1: add your user to the group %2 "
                                "(sudo usermod -aG %2 $USER), then log in again.",
                                "Keine Berechtigung für %1: Benutzer zur Gruppe %2 hinzufügen "
                                "(sudo usermod -aG %2 $USER) und neu anmelden.",
                                "Pas d'autorisation pour %1 : ajoutez votre utilisateur au groupe %2 "
                                "(sudo usermod -aG %2 $USER), puis reconnectez-vous.",
                                "Chybí oprávnění k %1: přidejte uživatele do skupiny %2 "
                                "(sudo usermod -aG %2 $USER) a znovu se přihlaste."});
    t.TextValueLimited = pick({"Outside this box's range: the parameter set holds %1",
                               "Außerhalb des Bereichs dieses Feldes: der Kenndatensatz enthält %1",
                               "Hors de la plage de ce champ : le jeu de paramètres contient %1",
                               "Mimo rozsah tohoto pole: sada parametrů obsahuje %1"});
    SetAddedMessageTexts(t, slot);
}

std::string FillIn(std::string_view pattern, const std::vector<std::string>& values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number < values.size()) {
            text += values[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace torvana
