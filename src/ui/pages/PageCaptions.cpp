#include "ui/pages/PageCaptions.h"

#include <QHash>
#include <array>

#include "core/ImageLayout.h"

namespace torvana {

namespace {

QHash<QString, QString> BuildCaptions()
{
    QHash<QString, QString> captions = {
        // Curve pages.
        {"CurveRpmLabel", "RPM"},
        {"CurveTpsLabel", "TPS"},
        {"CurveMinusButton", "-"},
        {"CurvePlusButton", "+"},
        {"CurvePageAllCheckBox", "All"},
        {"CouplingLabel", "  1->2->3  "},
        // Knock page.
        {"KnockTabSheet", "Knock"},
        {"LabelKnockRow[0]", "RPM"},
        {"LabelKnockRow[1]", "Knock Fr. [kHz]"},
        {"LabelKnockRow[2]", "Ref. Fr. [kHz]"},
        {"LabelKnockRow[3]", "Level"},
        {"LabelKnockRow[4]", "Knoch higher gain"},
        {"LabelKnockRow[5]", "Time const. [us]"},
        {"LabelKnockRow[6]", "Start [°]"},
        {"LabelKnockRow[7]", "End [°]"},
        {"LabelKnockRow[8]", "Alarm level [mV]"},
        {"LabelKnockCylinder[0]", "Cylinder 1"},
        {"LabelKnockCylinder[1]", "Cylinder 2"},
        {"LabelKnockCylinder[2]", "Cylinder 3"},
        // Position page.
        {"TabSheet_Poloha", "Position"},
        {"GroupBoxPolohaA", "Position of Injection A"},
        {"GroupBoxPolohaB", "Position of Injection B"},
        {"LabelPolohaA_1", "RPM"},
        {"LabelPolohaA_2", "Angle [°]"},
        {"LabelPolohaB_1", "RPM"},
        {"LabelPolohaB_2", "Angle [°]"},
        {"RadioGroupPolohaA", "Position of:"},
        {"RadioGroupPolohaB", "Position of:"},
        {"CheckBoxAll_PolohaA", "All"},
        {"CheckBoxAll_PolohaB", "All"},
        {"ButtonMinus_PolohaA", "-"},
        {"ButtonPlus_PolohaA", "+"},
        {"ButtonMinus_PolohaB", "-"},
        {"ButtonPlus_PolohaB", "+"},
        // Servo and power-output page.
        {"TabSheet_Servo", "Power Outputs - Servo"},
        {"GroupBoxServo", "Servo"},
        {"LabelServoRpm", "RPM"},
        {"LabelServoNap", "mV"},
        {"CheckBoxServoEnable", "Servo Enable"},
        {"LabelServoHyster", "Servo Hysteresis [mV]"},
        {"CheckBoxAll_Servo", "All"},
        {"ButtonMinus_Servo", "-"},
        {"ButtonPlus_Servo", "+"},
        {"GroupBoxPowerOut", "Power Outputs"},
        {"LabelPowerOutLevel1", "Level 1 [rpm]"},
        {"LabelPowerOutLevel2", "Level 2 [rpm]"},
        {"LabelPowerOutInv", "Reversed"},
        {"LabelPowerOutRow[0]", "Output 1"},
        {"LabelPowerOutRow[1]", "Output 2"},
        {"LabelPowerOutRow[2]", "Output 3"},
        // Various page.
        {"TabSheet_Ruzne", "Various"},
        {"GroupBoxOther", "Other"},
        {"LabelBike", "Motor and fuel"},
        {"CheckBoxProgHned", "Programming after change"},
        {"CheckBoxZakazCteni", "No Reading"},
        {"LabelOmez1", "Start limiter [rpm]"},
        {"LabelOmez2", "Ignition Limiter [rpm]"},
        {"LabelOmez3", "Injection Limiter [rpm]"},
        {"CheckBoxRpm2Krat", "Tachometer 2x"},
        {"GroupBoxActivation", "Activation by Switch on"},
        {"CheckBoxAktLimiter1", "Start limiter [rpm]"},
        {"CheckBoxAktRpm", "Rpm / Lambda"},
        {"CheckBoxAktTlakOleje", "Oil Pressure"},
        {"GroupBoxTps", "Throttle Sensor [mV]"},
        {"ButtonTps0", "TPS 0 %"},
        {"ButtonTps100", "TPS 100 %"},
        {"GroupBoxAkcel", "Acceleration Injection"},
        {"LabelAkcelPrah", "Threshold [%/s]"},
        {"LabelAkcelJet", "Size [us]"},
        {"GroupBoxTempWarning", "Temperature Warning Light"},
        {"LabelTempWarning", "[°C]"},
        {"GroupBoxStartJet", "Start Injection"},
        {"LabelStartJet", "[ms]"},
        {"GroupBoxVerze", "Program in Ignition"},
        // Corrections page.
        {"TabSheet_Korekce", "Corrections"},
        {"GroupBoxVodaVzduch", "Temperature Corrections"},
        {"LabelVoda2", "Coolant"},
        {"LabelVzduch2", "Inlet Air"},
        {"LabelVodaVzduchTemp[0]", "-10 °C"},
        {"LabelVodaVzduchTemp[1]", "20 °C"},
        {"LabelVodaVzduchTemp[2]", "50 °C"},
        {"LabelVodaVzduchTemp[3]", "80 °C"},
        {"LabelVodaVzduchTemp[4]", "110 °C"},
        {"GroupBoxTlak", "Pressure Correction"},
        {"LabelTlakTlak", "Pressure [kPa]"},
        {"LabelTlakKor", "Correction [%]"},
        {"GroupBoxSytic", "Starting Corrections"},
        {"LabelSyticCas", "Time [s]"},
        {"LabelSyticKorekce", "Corrections for -10°C [%]"},
        {"LabelSyticCas0", "0"},
        {"LabelSyticKorekce4", "100"},
        {"GroupBoxRetard", "Temperature Correction of Advance"},
        {"LabelRetardTemp", "Temperature [°C]"},
        {"LabelRetardRetard", "Correction of Advance[°]"},
    };
    constexpr std::array<const char*, CurveCount> curveCaptions = {
        "Ign 1", "Ign 2", "Ign 3", "Jet 1A", "Jet 2A", "Jet 3A", "Jet 1B", "Jet 2B", "Jet 3B"};
    for (int t = 0; t < CurveCount; ++t) {
        captions.insert(QStringLiteral("CurveTabSheet[%1]").arg(t), curveCaptions[t]);
    }
    for (int r = 0; r < CurveRows; ++r) {
        captions.insert(QStringLiteral("CurveRowLabel[%1]").arg(r),
                        QStringLiteral("%1%").arg(TpsAxis[r]));
    }
    return captions;
}

}  // namespace

QString PageCaption(const QString& objectName)
{
    static const QHash<QString, QString> captions = BuildCaptions();
    return captions.value(objectName);
}

}  // namespace torvana

namespace torvana {

QStringList PageItems(const QString& objectName)
{
    static const QHash<QString, QStringList> items = {
        {"ComboBoxBike",
         {"6 injectors fuel 100+ oct.", "6 injectors fuel  98 oct.", "3 injectors fuel 100+ oct.",
          "3 injectors fuel 98 oct."}},
        {"RadioGroupPolohaA", {"Beginning", "Centre", "End"}},
        {"RadioGroupPolohaB", {"Beginning", "Centre", "End"}},
    };
    return items.value(objectName);
}

}  // namespace torvana
