#pragma once
// A dockable plot of the active curve table: one line per throttle row over
// engine speed, the cell in use and a trail of the last 30 s fading out. On
// the position, servo, knock and corrections pages it plots their lists.

#include "core/ImageLayout.h"
#include "ui/views/ListPlots.h"
#include "ui/views/OperatingTrail.h"

#include <QColor>
#include <QDockWidget>

#include <vector>

class QCustomPlot;
class QStackedWidget;

namespace torvana {

class SurfacePlot;

class TablePlotDock : public QDockWidget {
public:
    explicit TablePlotDock(QWidget* parent);

    // The table of a curve page or the lists of another page; a page
    // without either leaves the plot as it is.
    void ShowPage(const ParameterImage& image, int page, int languageIndex);
    // The engine's point on the table shown; a stopped engine adds none.
    void ShowOperatingPoint(int liveRpm, int value, std::int64_t nowMs);

    struct CellMark {
        int row = 0;
        int column = 0;
        QColor colour;
    };
    // Squares on the points of these cells of the curve table shown, in
    // their colours (at most three); none clears them.
    void ShowCellMarks(const ParameterImage& image, const std::vector<CellMark>& marks);

    QCustomPlot* Plot() const { return plot; }
    QCustomPlot* ListPlot() const { return listPlot; }
    // A curve table as a 3D surface where OpenGL is at hand; elsewhere the
    // 2D plot stays. Takes effect with the next ShowPage.
    void WantSurface(bool wanted);
    bool SurfaceShown() const;
    const OperatingTrail& Trail() const { return trail; }

private:
    void ShowTable(const ParameterImage& image, int page);
    // A page's panels are laid out once; its edits only replace the data.
    void ShowLists(const std::vector<PlotPanel>& panels);
    void UpdateLists(const std::vector<PlotPanel>& panels);

    struct TrailDot {
        int bucket = 0;  // age step; the last one is the engine's point
        int x = 0;       // pixels
        int y = 0;
        bool operator==(const TrailDot&) const = default;
    };

    QStackedWidget* stack;
    SurfacePlot* surface = nullptr;  // made when first wanted and possible
    bool surfaceWanted = false;
    QCustomPlot* plot;
    QCustomPlot* listPlot;
    OperatingTrail trail;
    int shownPage = -1;
    int listsPage = -1;  // whose panels the list plot has laid out
    int listsLanguage = -1;
    int markedCells = 0;
    std::vector<TrailDot> shownDots;  // as the trail layer was last drawn
};

}  // namespace torvana
