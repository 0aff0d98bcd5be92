#include "ui/views/TablePlotDock.h"

#include "link/Tracking.h"
#include "ui/binding/UpDownRange.h"
#include "ui/views/HeatScale.h"

#include <qcustomplot.h>

namespace torvana {

namespace {

constexpr int TrailBuckets = 6;  // age steps of the fading trail
constexpr int TrailAlphaMax = 220;
constexpr double TrailDotSize = 5;
constexpr double PointSize = 11;
constexpr int PlotMinWidth = 360;
constexpr int PlotMinHeight = 240;
constexpr const char* TrailLayer = "trail";
// Graph order: the rows' lines, then the trail's buckets, then the point.
constexpr int FirstTrailGraph = CurveRows;
constexpr int PointGraph = CurveRows + TrailBuckets;

QColor RowColour(int row)
{
    const HeatRgb rgb = HeatColour(row * (HeatLevels - 1) / (CurveRows - 1));
    return QColor(rgb.red, rgb.green, rgb.blue).darker();
}

}  // namespace

TablePlotDock::TablePlotDock(QWidget* parent) : QDockWidget(parent), plot(new QCustomPlot(this))
{
    setObjectName(QStringLiteral("DockTablePlot"));
    plot->setObjectName(QStringLiteral("TablePlot"));
    plot->setMinimumSize(PlotMinWidth, PlotMinHeight);
    setWidget(plot);
    plot->xAxis->setLabel(QStringLiteral("rpm"));
    for (int r = 0; r < CurveRows; ++r) {
        QCPGraph* line = plot->addGraph();
        line->setPen(QPen(RowColour(r), 2));
        line->setName(QStringLiteral("%1 %").arg(TpsAxis[r]));
    }
    plot->addLayer(QString::fromLatin1(TrailLayer));
    plot->layer(QString::fromLatin1(TrailLayer))->setMode(QCPLayer::lmBuffered);
    for (int b = 0; b <= TrailBuckets; ++b) {
        QCPGraph* graph = plot->addGraph();
        graph->setLayer(QString::fromLatin1(TrailLayer));
        graph->setLineStyle(QCPGraph::lsNone);
        const bool point = b == TrailBuckets;
        QColor colour = point ? QColor(0, 200, 0) : QColor(Qt::red);
        colour.setAlpha(point ? 255 : TrailAlphaMax * (b + 1) / TrailBuckets);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colour, point ? PointSize : TrailDotSize));
    }
    plot->legend->setVisible(true);
    for (int b = 0; b <= TrailBuckets; ++b)
        plot->legend->removeItem(plot->legend->itemCount() - 1);
}

void TablePlotDock::ShowTable(const ParameterImage& image, int page)
{
    if (page < 0 || page >= CurveCount)
        return;
    if (page != shownPage)
        trail.Clear();
    shownPage = page;
    const UpDownRange range = CurveCellRange(page);
    QVector<double> rpm(CurveColumns);
    for (int c = 0; c < CurveColumns; ++c)
        rpm[c] = image[CurveAxisOffset(page) + c] * RpmPerStep;
    for (int r = 0; r < CurveRows; ++r) {
        QVector<double> values(CurveColumns);
        for (int c = 0; c < CurveColumns; ++c)
            values[c] = image[CurveCellOffset(page, r, c)] * range.step;
        plot->graph(r)->setData(rpm, values);
    }
    plot->yAxis->setLabel(IsIgnitionCurve(page) ? QStringLiteral("°") : QStringLiteral("µs"));
    plot->rescaleAxes();
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void TablePlotDock::ShowOperatingPoint(int liveRpm, int value, std::int64_t nowMs)
{
    if (liveRpm > 0)
        trail.Add({nowMs, liveRpm, value});
    std::array<QVector<double>, TrailBuckets> x, y;
    for (const TrailPoint& p : trail.Points()) {
        const std::int64_t age = nowMs - p.timeMs;
        const int bucket = TrailBuckets - 1 - static_cast<int>(age * TrailBuckets / (OperatingTrail::KeptMs + 1));
        x[bucket].push_back(p.rpm);
        y[bucket].push_back(p.value);
    }
    for (int b = 0; b < TrailBuckets; ++b)
        plot->graph(FirstTrailGraph + b)->setData(x[b], y[b], true);
    QVector<double> px, py;
    if (liveRpm > 0) {
        px.push_back(liveRpm);
        py.push_back(value);
    }
    plot->graph(PointGraph)->setData(px, py, true);
    if (isVisible())
        plot->layer(QString::fromLatin1(TrailLayer))->replot();
}

}  // namespace torvana
