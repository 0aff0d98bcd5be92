#include "texts/PortTexts.h"

#include "texts/MessageTable.h"

#include <array>

namespace torvana {

PortTexts PortTextsFor(int languageIndex)
{
    using FourTexts = std::array<const char*, LanguageCount>;  // English, German, French, Czech
    const std::size_t slot = LanguageSlot(languageIndex);
    const auto pick = [slot](const FourTexts& texts) { return std::string(texts[slot]); };
    PortTexts t;
    t.portGone = pick({"The port's device is gone (adapter unplugged?)",
                       "Das Gerät des Anschlusses ist weg (Adapter abgezogen?)",
                       "Le périphérique du port a disparu (adaptateur débranché ?)",
                       "Zařízení portu zmizelo (adaptér odpojen?)"});
    t.noAnswer = pick({"The port is open, but the unit does not answer",
                       "Der Anschluss ist offen, aber das Steuergerät antwortet nicht",
                       "Le port est ouvert, mais le boîtier ne répond pas",
                       "Port je otevřen, ale jednotka neodpovídá"});
    t.badAnswers = pick({"Answers arrive but fail their check (noise on the line?)",
                         "Antworten kommen an, bestehen aber die Prüfung nicht (Störungen auf der Leitung?)",
                         "Des réponses arrivent mais échouent au contrôle (parasites sur la ligne ?)",
                         "Odpovědi přicházejí, ale neprojdou kontrolou (rušení na lince?)"});
    t.reconnected = pick({"Com %1 connected again (%2)", "Com %1 wieder verbunden (%2)", "Com %1 reconnecté (%2)",
                          "Com %1 znovu připojen (%2)"});
    t.devicePresent = pick({"%1: present", "%1: vorhanden", "%1 : présent", "%1: připojeno"});
    t.deviceMissing = pick({"%1: no such device", "%1: kein solches Gerät", "%1 : aucun périphérique",
                            "%1: zařízení neexistuje"});
    t.serialNumber = pick({"serial number %1", "Seriennummer %1", "numéro de série %1", "sériové číslo %1"});
    return t;
}

}  // namespace torvana
