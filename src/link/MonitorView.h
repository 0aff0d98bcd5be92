#pragma once
// What the monitor area shows after a decoded frame: one entry per label and
// per gauge, in the order the decoder writes them. A property left empty is
// one the decoder does not set; the window keeps what it had.

#include "link/Colour.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvana {

enum class MonitorLabel : int {
    LabelRpm,
    LabelLambda,
    LabelTpsMon,
    LabelMon_Ign1,
    LabelMon_Ign2,
    LabelMon_Ign3,
    LabelMon_Jet1A,
    LabelMon_Jet1B,
    LabelMon_Jet2A,
    LabelMon_Jet2B,
    LabelMon_Jet3A,
    LabelMon_Jet3B,
    LabelMaxInjProcent,
    LabelMon_PolohaA,
    LabelMon_PolohaB,
    LabelTlak,
    LabelVoda,
    LabelVzduch,
    LabelNapeti,
    LabelServoPoz,
    LabelServoMer,
    LabelLimiter1,
    LabelTacho_Lambda,
    LabelTlakOleje,
    LabelKorVoda,
    LabelKorVzduch,
    LabelKorTlak,
    LabelKorSytic,
    LabelKorNapeti,
    LabelKnockMon1,
    LabelKnockMon2,
    LabelKnockMon3,
    LabelPowerOut1,
    LabelPowerOut2,
    LabelPowerOut3,
    LabelPocetProgramovani,
    LabelTest1,
    LabelTest2,
    LabelTest3,
    LabelTest4,
    LabelTest5,
    LabelTest6,
    LabelTest7,
    LabelTest8,
    Count,
};
constexpr int MonitorLabelCount = static_cast<int>(MonitorLabel::Count);

enum class MonitorGauge : int { CGaugeRpm, CGaugeLambda, CGaugeTps, CGaugeDuty, CGaugeVoda, Count };
constexpr int MonitorGaugeCount = static_cast<int>(MonitorGauge::Count);

constexpr int GaugeMinimum = 0;
constexpr int GaugeMaximum = 100;

// The control's object name in the window, e.g. "LabelRpm".
std::string_view MonitorLabelName(MonitorLabel label);
std::string_view MonitorGaugeName(MonitorGauge gauge);

struct LabelState {
    std::optional<std::string> text;  // UTF-8
    std::optional<Colour> colour;
    std::optional<bool> visible;
};

struct GaugeState {
    int progress = GaugeMinimum;  // always within GaugeMinimum..GaugeMaximum
    std::optional<Colour> barColour;
};

struct MonitorView {
    std::array<LabelState, MonitorLabelCount> labels;
    std::array<GaugeState, MonitorGaugeCount> gauges;

    LabelState& operator[](MonitorLabel label) { return labels[static_cast<int>(label)]; }
    const LabelState& operator[](MonitorLabel label) const { return labels[static_cast<int>(label)]; }
    GaugeState& operator[](MonitorGauge gauge) { return gauges[static_cast<int>(gauge)]; }
    const GaugeState& operator[](MonitorGauge gauge) const { return gauges[static_cast<int>(gauge)]; }
};

struct MonitorTextLine {
    std::string_view name;
    std::string text;
};

// The labels that carry a text, in the decoder's order.
std::vector<MonitorTextLine> MonitorTextLines(const MonitorView& view);

}  // namespace torvana
