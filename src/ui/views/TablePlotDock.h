#pragma once
// A dockable plot of the active curve table: one line per throttle row over
// engine speed, the cell in use and a trail of the last 30 s fading out.

#include "core/ImageLayout.h"
#include "ui/views/OperatingTrail.h"

#include <QDockWidget>

class QCustomPlot;

namespace torvana {

class TablePlotDock : public QDockWidget {
public:
    explicit TablePlotDock(QWidget* parent);

    // The table of curve page `page`; other pages leave the plot as it is.
    void ShowTable(const ParameterImage& image, int page);
    // The engine's point on the table shown; a stopped engine adds none.
    void ShowOperatingPoint(int liveRpm, int value, std::int64_t nowMs);

    QCustomPlot* Plot() const { return plot; }
    const OperatingTrail& Trail() const { return trail; }

private:
    QCustomPlot* plot;
    OperatingTrail trail;
    int shownPage = -1;
};

}  // namespace torvana
