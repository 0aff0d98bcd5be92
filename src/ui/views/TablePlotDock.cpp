#include "ui/views/TablePlotDock.h"

#include "link/Tracking.h"
#include "ui/binding/UpDownRange.h"
#include "ui/views/SurfacePlot.h"

#include <QStackedWidget>
#include <algorithm>
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
constexpr int LegendRows = 2;
// The legend's row takes only the height it needs.
constexpr double LegendRowStretch = 0.001;
// Graph order: the rows' lines, the cell marks by colour, then the trail's
// buckets, then the point.
constexpr int MarkGraphs = 3;
constexpr int FirstTrailGraph = CurveRows + MarkGraphs;
constexpr double MarkSize = 9;

constexpr std::int64_t FadeStepMs = 1000;
constexpr double ListDotSize = 5;
constexpr double AxisMargin = 1.1;
constexpr double SpeedMargin = 1.06;

// Ten colours told apart at a glance (Tableau 10), one per throttle row and
// for the lists' lines; the trail is drawn in grey and the point in lime
// with a dark rim, so neither is taken for a row.
constexpr std::array<QRgb, CurveRows> LinePalette = {0x4e79a7, 0xf28e2b, 0xe15759, 0x76b7b2, 0x59a14f,
                                                    0xedc948, 0xb07aa1, 0xff9da7, 0x9c755f, 0x17becf};
constexpr QRgb TrailGrey = 0x404040;
constexpr QRgb PointRim = 0x202020;
constexpr double PointRimWidth = 1.5;

QColor LineColour(int line)
{
    return QColor(LinePalette[static_cast<std::size_t>(line) % LinePalette.size()]);
}

void FitAxes(QCPAxisRect* rect)
{
    rect->axis(QCPAxis::atBottom)->rescale();
    rect->axis(QCPAxis::atLeft)->rescale();
    rect->axis(QCPAxis::atLeft)->scaleRange(AxisMargin);
}

}  // namespace

TablePlotDock::TablePlotDock(QWidget* parent)
    : QDockWidget(parent), stack(new QStackedWidget(this)), plot(new QCustomPlot(stack)),
      listPlot(new QCustomPlot(stack))
{
    setObjectName(QStringLiteral("DockTablePlot"));
    plot->setObjectName(QStringLiteral("TablePlot"));
    listPlot->setObjectName(QStringLiteral("ListPlot"));
    plot->setMinimumSize(PlotMinWidth, PlotMinHeight);
    stack->addWidget(plot);
    stack->addWidget(listPlot);
    setWidget(stack);
    plot->xAxis->setLabel(QStringLiteral("rpm"));
    for (int r = 0; r < CurveRows; ++r) {
        QCPGraph* line = plot->addGraph();
        line->setPen(QPen(LineColour(r), 2));
        line->setName(QStringLiteral("%1 %").arg(TpsAxis[r]));
    }
    for (int m = 0; m < MarkGraphs; ++m) {
        QCPGraph* marks = plot->addGraph();
        marks->setLineStyle(QCPGraph::lsNone);
        marks->removeFromLegend();
    }
    plot->addLayer(QString::fromLatin1(TrailLayer));
    plot->layer(QString::fromLatin1(TrailLayer))->setMode(QCPLayer::lmBuffered);
    for (int b = 0; b <= TrailBuckets; ++b) {
        QCPGraph* graph = plot->addGraph();
        graph->setLayer(QString::fromLatin1(TrailLayer));
        graph->setLineStyle(QCPGraph::lsNone);
        if (b == TrailBuckets) {
            graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(QColor(PointRim), PointRimWidth),
                                                   QBrush(Qt::green), PointSize));
            continue;
        }
        QColor colour(TrailGrey);
        colour.setAlpha(TrailAlphaMax * (b + 1) / TrailBuckets);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colour, TrailDotSize));
    }
    plot->legend->setVisible(true);
    for (int b = 0; b <= TrailBuckets; ++b)
        plot->legend->removeItem(plot->legend->itemCount() - 1);
    // Below the lines in two rows, not over them: inside, it hid the high speeds.
    plot->axisRect()->insetLayout()->take(plot->legend);
    plot->plotLayout()->addElement(1, 0, plot->legend);
    plot->plotLayout()->setRowStretchFactor(1, LegendRowStretch);
    plot->legend->setFillOrder(QCPLegend::foColumnsFirst);
    plot->legend->setWrap(CurveRows / LegendRows);
    plot->legend->setBorderPen(Qt::NoPen);
}

void TablePlotDock::ShowPage(const ParameterImage& image, int page, int languageIndex)
{
    if (page >= 0 && page < CurveCount) {
        ShowTable(image, page);
        if (surfaceWanted && surface) {
            surface->ShowTable(image, page);
            stack->setCurrentWidget(surface);
        } else {
            stack->setCurrentWidget(plot);
        }
    } else if (std::vector<PlotPanel> panels = ListPlots(image, page, languageIndex); !panels.empty()) {
        trail.Clear();
        shownPage = page;
        // Hidden, the lists are drawn when the panel opens (the menu refills it).
        if (isHidden()) {
            listsPage = -1;
            return;
        }
        if (page == listsPage && languageIndex == listsLanguage) {
            UpdateLists(panels);
        } else {
            ShowLists(panels);
            listsPage = page;
            listsLanguage = languageIndex;
        }
        stack->setCurrentWidget(listPlot);
    }
}

void TablePlotDock::WantSurface(bool wanted)
{
    surfaceWanted = wanted;
    if (wanted && !surface && SurfaceAvailable()) {
        surface = new SurfacePlot(stack);
        stack->addWidget(surface);
    }
}

bool TablePlotDock::SurfaceShown() const
{
    return surface && stack->currentWidget() == surface;
}

void TablePlotDock::UpdateLists(const std::vector<PlotPanel>& panels)
{
    int graph = 0;
    for (const PlotPanel& panel : panels) {
        for (const PlotLine& line : panel.lines) {
            listPlot->graph(graph++)->setData(QVector<double>(line.x.begin(), line.x.end()),
                                              QVector<double>(line.y.begin(), line.y.end()));
        }
    }
    for (QCPAxisRect* rect : listPlot->axisRects())
        FitAxes(rect);
    listPlot->replot(QCustomPlot::rpQueuedReplot);
}

void TablePlotDock::ShowLists(const std::vector<PlotPanel>& panels)
{
    listPlot->clearGraphs();
    listPlot->plotLayout()->clear();
    const int columns = panels.size() > 1 ? 2 : 1;
    for (int i = 0; i < static_cast<int>(panels.size()); ++i) {
        const PlotPanel& panel = panels[static_cast<std::size_t>(i)];
        auto* rect = new QCPAxisRect(listPlot);
        listPlot->plotLayout()->addElement(i / columns, i % columns, rect);
        QCPAxis* x = rect->axis(QCPAxis::atBottom);
        QCPAxis* y = rect->axis(QCPAxis::atLeft);
        QCPAxis* title = rect->axis(QCPAxis::atTop);
        x->setLabel(QString::fromStdString(panel.xLabel));
        y->setLabel(QString::fromStdString(panel.yLabel));
        title->setVisible(true);
        title->setTicks(false);
        title->setTickLabels(false);
        title->setLabel(QString::fromStdString(panel.title));
        QCPLegend* legend = nullptr;
        if (panel.lines.size() > 1) {
            legend = new QCPLegend;
            rect->insetLayout()->addElement(legend, Qt::AlignTop | Qt::AlignRight);
            legend->setLayer(QStringLiteral("legend"));
        }
        for (std::size_t l = 0; l < panel.lines.size(); ++l) {
            const PlotLine& line = panel.lines[l];
            QCPGraph* graph = listPlot->addGraph(x, y);
            graph->setName(QString::fromStdString(line.name));
            graph->setPen(QPen(LineColour(static_cast<int>(l)), 2));
            graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, ListDotSize));
            graph->setData(QVector<double>(line.x.begin(), line.x.end()), QVector<double>(line.y.begin(), line.y.end()));
            graph->removeFromLegend();
            if (legend)
                graph->addToLegend(legend);
        }
        FitAxes(rect);
    }
    listPlot->replot(QCustomPlot::rpQueuedReplot);
}

void TablePlotDock::ShowTable(const ParameterImage& image, int page)
{
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
    // Room at both ends, so that a point at the first or last speed shows whole.
    plot->xAxis->scaleRange(SpeedMargin);
    plot->yAxis->scaleRange(AxisMargin);
    shownDots.clear();
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void TablePlotDock::ShowCellMarks(const ParameterImage& image, const std::vector<CellMark>& marks)
{
    // Most pages have none: no replot for nothing.
    if (marks.empty() && markedCells == 0)
        return;
    markedCells = static_cast<int>(marks.size());
    std::array<QVector<double>, MarkGraphs> x, y;
    std::vector<QColor> colours;
    if (shownPage >= 0 && shownPage < CurveCount) {
        const double step = CurveCellRange(shownPage).step;
        for (const CellMark& mark : marks) {
            const auto found = std::find(colours.begin(), colours.end(), mark.colour);
            const auto graph = static_cast<std::size_t>(found - colours.begin());
            if (graph >= MarkGraphs)
                continue;
            if (found == colours.end())
                colours.push_back(mark.colour);
            x[graph].push_back(image[CurveAxisOffset(shownPage) + mark.column] * RpmPerStep);
            y[graph].push_back(image[CurveCellOffset(shownPage, mark.row, mark.column)] * step);
        }
    }
    for (std::size_t m = 0; m < MarkGraphs; ++m) {
        QCPGraph* graph = plot->graph(CurveRows + static_cast<int>(m));
        if (m < colours.size())
            graph->setScatterStyle(
                QCPScatterStyle(QCPScatterStyle::ssSquare, QPen(QColor(PointRim)), QBrush(colours[m]), MarkSize));
        graph->setData(x[m], y[m]);
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void TablePlotDock::ShowOperatingPoint(int liveRpm, int value, std::int64_t nowMs)
{
    if (liveRpm > 0)
        trail.Add({nowMs, liveRpm, value});
    // Ages step by whole seconds, and points are compared by the pixel they
    // fall on: the layer is drawn again only when the picture changes.
    const std::int64_t fadeNowMs = nowMs - nowMs % FadeStepMs;
    std::array<QVector<double>, TrailBuckets + 1> x, y;
    std::vector<TrailDot> dots;
    const auto addDot = [&](int bucket, int rpm, int shown) {
        const TrailDot dot{bucket, static_cast<int>(std::lround(plot->xAxis->coordToPixel(rpm))),
                           static_cast<int>(std::lround(plot->yAxis->coordToPixel(shown)))};
        if (!dots.empty() && dots.back() == dot)
            return;
        dots.push_back(dot);
        x[static_cast<std::size_t>(bucket)].push_back(rpm);
        y[static_cast<std::size_t>(bucket)].push_back(shown);
    };
    for (const TrailPoint& p : trail.Points()) {
        const std::int64_t age = std::max<std::int64_t>(0, fadeNowMs - p.timeMs);
        addDot(TrailBuckets - 1 - static_cast<int>(age * TrailBuckets / (OperatingTrail::KeptMs + 1)), p.rpm, p.value);
    }
    if (liveRpm > 0)
        addDot(TrailBuckets, liveRpm, value);
    if (dots == shownDots)
        return;
    shownDots = std::move(dots);
    for (int b = 0; b <= TrailBuckets; ++b)
        plot->graph(FirstTrailGraph + b)->setData(x[static_cast<std::size_t>(b)], y[static_cast<std::size_t>(b)], true);
    if (isVisible())
        plot->layer(QString::fromLatin1(TrailLayer))->replot();
}

}  // namespace torvana
