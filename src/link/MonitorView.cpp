#include "link/MonitorView.h"

namespace torvana {

namespace {

constexpr std::array<std::string_view, MonitorLabelCount> LabelNames = {
    "LabelRpm",          "LabelLambda",       "LabelTpsMon",
    "LabelMon_Ign1",     "LabelMon_Ign2",     "LabelMon_Ign3",
    "LabelMon_Jet1A",    "LabelMon_Jet1B",    "LabelMon_Jet2A",
    "LabelMon_Jet2B",    "LabelMon_Jet3A",    "LabelMon_Jet3B",
    "LabelMaxInjProcent", "LabelMon_PolohaA", "LabelMon_PolohaB",
    "LabelTlak",         "LabelVoda",         "LabelVzduch",
    "LabelNapeti",       "LabelServoPoz",     "LabelServoMer",
    "LabelLimiter1",     "LabelTacho_Lambda", "LabelTlakOleje",
    "LabelKorVoda",      "LabelKorVzduch",    "LabelKorTlak",
    "LabelKorSytic",     "LabelKorNapeti",    "LabelKnockMon1",
    "LabelKnockMon2",    "LabelKnockMon3",    "LabelPowerOut1",
    "LabelPowerOut2",    "LabelPowerOut3",    "LabelPocetProgramovani",
    "LabelTest1",        "LabelTest2",        "LabelTest3",
    "LabelTest4",        "LabelTest5",        "LabelTest6",
    "LabelTest7",        "LabelTest8",
};
static_assert(!LabelNames.back().empty(), "one name per label");

constexpr std::array<std::string_view, MonitorGaugeCount> GaugeNames = {
    "CGaugeRpm", "CGaugeLambda", "CGaugeTps", "CGaugeDuty", "CGaugeVoda",
};
static_assert(!GaugeNames.back().empty(), "one name per gauge");

}  // namespace

std::string_view MonitorLabelName(MonitorLabel label)
{
    return LabelNames[static_cast<int>(label)];
}

std::string_view MonitorGaugeName(MonitorGauge gauge)
{
    return GaugeNames[static_cast<int>(gauge)];
}

std::vector<MonitorTextLine> MonitorTextLines(const MonitorView& view)
{
    std::vector<MonitorTextLine> lines;
    lines.reserve(MonitorLabelCount);
    for (int i = 0; i < MonitorLabelCount; ++i) {
        if (view.labels[i].text) {
            lines.push_back({LabelNames[i], *view.labels[i].text});
        }
    }
    return lines;
}

}  // namespace torvana
