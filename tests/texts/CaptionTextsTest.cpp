#include "texts/LanguageTexts.h"

#include "TextSample.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

using test::ExpectTexts;

TEST(WindowCaptionsTest, TitleAndStatusLine)
{
    ExpectTexts(TextKind::Title, {
        {"TFormHlav",
         {"Programming of Torvana_Racing unit", "Programmierung der Torvana_Racing Zündbox",
          "Programation de Torvana_Racing unité", "Programování jednotky Torvana_Racing"}},
    });
    ExpectTexts(TextKind::Caption, {
        {"LabelSpojeni", {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc",
                          "Není spojení s PC"}},
    });
}

TEST(WindowCaptionsTest, MenusKeepTheirAcceleratorsWhereTheyStand)
{
    ExpectTexts(TextKind::Caption, {
        {"MenuExit", {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
        {"MenuOpen", {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
        {"MenuSave", {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
        {"MenuCom", {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
        {"ButtonRead", {"&Read", "&Lesen", "&Lire", "Čí&st"}},
        {"MenuCzech", {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
        {"MenuFrench", {"&French", "&Französisch", "&Francais", "Francouzky"}},
        {"MenuHelp", {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
        {"MenuContens", {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
        {"MenuAbout", {"&About...", "&Über Programm...", "&Information", "&O programu..."}},
    });
}

TEST(WindowCaptionsTest, CouplingModeMenus)
{
    ExpectTexts(TextKind::Caption, {
        {"Menu_Ign123Mode", {"Ign 1-2-3", "Zündung 1-2-3", "Allumage 1-2-3", "Ign 1-2-3"}},
        {"Menu_Jet123Normal", {"Separate", "Getrennt", "Séparé", "Oddělený"}},
        {"Menu_Ign123Coupled", {"Coupled", "Gekoppelt", "couplé", "Spřažený"}},
        {"Menu_Jet123Mode", {"Jet 1-2-3", "Einspritzung 1-2-3", "inject 1-2-3", "Jet 1-2-3"}},
        {"MenuTools", {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    });
}

TEST(WindowCaptionsTest, FrenchAccentsAreTheLettersNotCzechReadingsOfTheirBytes)
{
    // 0xE8 reads è in Windows-1252 but č in Windows-1250.
    EXPECT_EQ(LocalisedFor("MenuSave", TextKind::Caption, French), "&M\u00e8moriser");
    EXPECT_EQ(LocalisedFor("MenuCzech", TextKind::Caption, French), "&Tch\u00e8que");
    EXPECT_EQ(LocalisedFor("ButtonRead", TextKind::Caption, Czech), "\u010c\u00ed&st");
}

TEST(PageCaptionsTest, PositionAndServoPages)
{
    ExpectTexts(TextKind::Caption, {
        {"TabSheet_Poloha", {"Position", "Lage", "Positon", "Poloha"}},
        {"GroupBoxPolohaA", {"Position of Injection A", "Einspritzlage A", "Position Injectiion A",
                             "Poloha vstřiku A"}},
        {"RadioGroupPolohaB", {"Position of:", "Lage für:", "Position pour", "Poloha zadána pro:"}},
        {"CurvePageAllCheckBox", {"All", "Alles", "Tout", "Vše"}},
        {"CheckBoxAll_Servo", {"All", "Alles", "Tout", "Vše"}},
        {"TabSheet_Servo", {"Power Outputs - Servo", "Power Outputs - Servo", "Power Outputs - Servo",
                            "Power Outputs - Servo"}},
        {"CheckBoxServoEnable", {"Servo Enable", "Servo zulassen", "Servo Axessible", "Servo povoleno"}},
        {"LabelServoHyster", {"Servo Hysteresis [mV]", "Servo Hysteresis [mV]", "servo Hysteresis [mV]",
                              "Hystereze [mV]"}},
    });
}

TEST(PageCaptionsTest, VariousPage)
{
    ExpectTexts(TextKind::Caption, {
        {"TabSheet_Ruzne", {"Various", "Verschiedene", "Divers", "Různé"}},
        {"CheckBoxProgHned", {"Programming after change", "Programmierung nach Änderung",
                              "Sovegarde après modification", "Programování po změně"}},
        {"CheckBoxAktLimiter1", {"Start limiter [rpm]", "Startbegrenzer [rpm]", "Limitateur départ [rpm]",
                                 "Startovací omezovač [rpm]"}},
        {"LabelOmez2", {"Ignition Limiter [rpm]", "Zündungsbegrenzer [rpm]", "Limitateur  par Allumage [RPM]",
                        "Omezovač zážehem [rpm]"}},
        {"LabelOmez3", {"Injection Limiter [rpm]", "Einspritzbegrenzer [rpm]", "Limitateur (RPM) par Injection",
                        "Omezovač vstřikem[rpm]"}},
        {"CheckBoxAktTlakOleje", {"Oil Pressure", "Öldruck", "Pression D´huile", "Tlak oleje"}},
        {"LabelAkcelJet", {"Size [us]", "Größe [us]", "Valeur", "Velikost [us]"}},
        {"GroupBoxStartJet", {"Start Injection", "Start Einspritzung", "Commencement d´activation d´Injection",
                              "Startovní přístřik"}},
    });
}

TEST(PageCaptionsTest, CorrectionsPageWithItsOddTexts)
{
    // German GroupBoxVodaVzduch ends in a blank; French GroupBoxTlak is Czech.
    ExpectTexts(TextKind::Caption, {
        {"TabSheet_Korekce", {"Corrections", "Korrektionen", "Corrections", "Korekce"}},
        {"GroupBoxVodaVzduch", {"Temperature Corrections", "Temperatur ", "Facteur corection Température",
                                "Teplotní korekce"}},
        {"GroupBoxTlak", {"Pressure Correction", "Druck Korrektur", "Tlaková korekce", "Korekce"}},
        {"GroupBoxSytic", {"Starting Corrections", "Anlaßkorrektur", "correction d´injection moteur froid démarage",
                           "Korekce po startu"}},
        {"LabelSyticKorekce", {"Corrections for -10°C [%]", "Korrektur für -10°C [%]", "correction pour -10°c [%]",
                               "Korekce pro -10°C [%]"}},
        {"LabelRetardRetard", {"Correction of Advance[°]", "Vorzündungkorrektur[°]", "Correction d´allumage[°]",
                               "Korekce predstihu [°]"}},
    });
}

}  // namespace
}  // namespace torvana
