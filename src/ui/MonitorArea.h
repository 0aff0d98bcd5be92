#pragma once
// The live-value area under the pages: every label and gauge of the monitor,
// named as the decoder names them, and the "Extended Monitor" box.

#include "link/MonitorView.h"

#include <array>

class QCheckBox;
class QLabel;
class QProgressBar;
class QWidget;

namespace torvana {

// What the number of programmings shows after its prefix while no unit answers.
constexpr const char* NumberOfProgrammingUnknown = "---";

class MonitorArea {
public:
    explicit MonitorArea(QWidget* parent);

    // Texts, colours and visibility the view sets; what it leaves empty stays.
    void Apply(const MonitorView& view);

    QLabel* Label(MonitorLabel label) const { return labels[static_cast<std::size_t>(label)]; }
    QProgressBar* Gauge(MonitorGauge gauge) const { return gauges[static_cast<std::size_t>(gauge)]; }
    QCheckBox* ExtMonitor() const { return extMonitor; }

private:
    std::array<QLabel*, MonitorLabelCount> labels{};
    std::array<QProgressBar*, MonitorGaugeCount> gauges{};
    QCheckBox* extMonitor = nullptr;
};

}  // namespace torvana
