#include "ui/views/ListPlots.h"

#include "link/Tracking.h"
#include "texts/LanguageTexts.h"
#include "ui/binding/KnockPageBinding.h"
#include "ui/binding/TablePageBinding.h"

#include <array>
#include <span>

namespace torvana {

namespace {

// Captions the pages show in every language alike.
constexpr const char* RpmLabel = "RPM";
constexpr const char* DegreesLabel = "[°]";
constexpr const char* MillivoltsLabel = "[mV]";
constexpr const char* PercentLabel = "[%]";
constexpr const char* TemperatureLabel = "[°C]";
constexpr std::array<const char*, KnockCylinders> CylinderNames = {"Cylinder 1", "Cylinder 2", "Cylinder 3"};
// The temperatures of the coolant and inlet-air boxes, as their labels say.
constexpr std::array<int, CorrectionsPageValues::TemperaturePoints> WaterAirTemperatures = {-10, 20, 50, 80, 110};
constexpr int NoStartingCorrection = 100;

template <typename X, typename Y>
PlotLine Line(std::string name, const X& x, const Y& y)
{
    PlotLine line{std::move(name), {}, {}};
    for (std::size_t i = 0; i < std::size(x); ++i) {
        line.x.push_back(x[i]);
        line.y.push_back(y[i]);
    }
    return line;
}

struct KnockRow {
    const char* label;  // as on the knock page
    std::array<int, KnockIndexCount> KnockPageValues::*values;
};

constexpr std::array<KnockRow, 4> KnockRows = {{
    {"Level", &KnockPageValues::level},
    {"Knock Fr. [kHz]", &KnockPageValues::knockFrek},
    {"Ref. Fr. [kHz]", &KnockPageValues::refFrek},
    {"Alarm level [mV]", &KnockPageValues::alarm},
}};

std::vector<PlotPanel> KnockPlots(const ParameterImage& image)
{
    const KnockPageValues v = FillKnockPage(image);
    std::vector<PlotPanel> panels;
    for (const KnockRow& row : KnockRows) {
        PlotPanel panel{row.label, RpmLabel, row.label, {}};
        for (int cylinder = 0; cylinder < KnockCylinders; ++cylinder) {
            const std::size_t first = static_cast<std::size_t>(KnockPoints * cylinder);
            panel.lines.push_back(Line(CylinderNames[static_cast<std::size_t>(cylinder)],
                                       std::span(v.rpm).subspan(first, KnockPoints),
                                       std::span(v.*row.values).subspan(first, KnockPoints)));
        }
        panels.push_back(std::move(panel));
    }
    return panels;
}

// The page's starting corrections: time 0 and the four times; the
// corrections of the first four, and none (100 %) at the last.
PlotLine StartingLine(std::string name, const CorrectionsPageValues& v)
{
    PlotLine line{std::move(name), {0}, {}};
    line.x.insert(line.x.end(), v.syticCas.begin(), v.syticCas.end());
    line.y.assign(v.syticKorekce.begin(), v.syticKorekce.end());
    line.y.push_back(NoStartingCorrection);
    return line;
}

std::vector<PlotPanel> CorrectionPlots(const ParameterImage& image, int language)
{
    const auto text = [language](const char* name) { return LocalisedFor(name, TextKind::Caption, language); };
    const CorrectionsPageValues v = FillCorrectionsPage(image);
    return {
        {text("GroupBoxTlak"), text("LabelTlakTlak"), text("LabelTlakKor"),
         {Line(text("GroupBoxTlak"), v.tlakTlak, v.tlakKor)}},
        {text("GroupBoxVodaVzduch"), TemperatureLabel, PercentLabel,
         {Line(text("LabelVoda2"), WaterAirTemperatures, v.voda),
          Line(text("LabelVzduch2"), WaterAirTemperatures, v.vzduch)}},
        {text("GroupBoxSytic"), text("LabelSyticCas"), text("LabelSyticKorekce"),
         {StartingLine(text("GroupBoxSytic"), v)}},
        {text("GroupBoxRetard"), text("LabelRetardTemp"), text("LabelRetardRetard"),
         {Line(text("GroupBoxRetard"), v.retardTemp, v.retardRetard)}},
    };
}

}  // namespace

std::vector<PlotPanel> ListPlots(const ParameterImage& image, int page, int languageIndex)
{
    const auto text = [languageIndex](const char* name) {
        return LocalisedFor(name, TextKind::Caption, languageIndex);
    };
    switch (page) {
    case TrackedPageIndex::Poloha: {
        const PositionPageValues v = FillPositionPage(image);
        return {{text("TabSheet_Poloha"), RpmLabel, DegreesLabel,
                 {Line(text("GroupBoxPolohaA"), v.polohaARpm, v.polohaA),
                  Line(text("GroupBoxPolohaB"), v.polohaBRpm, v.polohaB)}}};
    }
    case TrackedPageIndex::Servo: {
        const ServoPageValues v = FillServoPage(image);
        return {{text("GroupBoxServo"), RpmLabel, MillivoltsLabel,
                 {Line(text("GroupBoxServo"), v.servoRpm, v.servoNap)}}};
    }
    case TrackedPageIndex::Knock: return KnockPlots(image);
    case TrackedPageIndex::Korekce: return CorrectionPlots(image, languageIndex);
    default: return {};
    }
}

}  // namespace torvana
