#include "texts/MessageTable.h"

#include <array>

namespace torvana {

namespace {

using FourTexts = std::array<const char*, LanguageCount>;  // English, German, French, Czech

// Lead texts of TextManualOpenError; each ends in a blank before the file name.
constexpr FourTexts ManualOpenErrorLeads = {"Error by opening file ", "Fehler beim öffnen der Datei ",
                                            "Erreur à l´ouvertur du Fichier ", "Chyba při otevírání souboru "};
constexpr const char* ManualOpenErrorTail = " !";

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
}

}  // namespace torvana
