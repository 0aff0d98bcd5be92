#include "ui/log/LogScatterView.h"

#include "texts/LogTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace torvana {

namespace {

constexpr int NoChannel = -1;
constexpr double PointSize = 4.0;
constexpr double CursorSize = 12.0;
constexpr int CursorPenWidth = 2;
const QColor CursorColour = Qt::red;

QString ColumnText(LogChannel channel)
{
    const std::string_view column = ChannelInfo(channel).column;
    return QString::fromUtf8(column.data(), static_cast<qsizetype>(column.size()));
}

}  // namespace

LogScatterView::LogScatterView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LogScatterView"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    layout->addLayout(choices);
    const auto labelled = [&](const char* labelName, QComboBox* box) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setBuddy(box);
        choices->addWidget(label);
        choices->addWidget(box, 1);
    };
    xBox = ChannelBox("ComboLogScatterX", false);
    yBox = ChannelBox("ComboLogScatterY", false);
    colourBox = ChannelBox("ComboLogScatterColour", true);
    labelled("LabelLogScatterX", xBox);
    labelled("LabelLogScatterY", yBox);
    labelled("LabelLogScatterColour", colourBox);

    plot = new QCustomPlot(this);
    plot->setObjectName(QStringLiteral("PlotLogScatter"));
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    layout->addWidget(plot, 1);
    colourScale = new QCPColorScale(plot);
    plot->plotLayout()->addElement(0, 1, colourScale);
    colourScale->setGradient(QCPColorGradient(QCPColorGradient::gpJet));
    for (int c = 0; c < ScatterColourClasses; ++c) {
        QCPGraph* graph = plot->addGraph();
        graph->setLineStyle(QCPGraph::lsNone);
        const QColor colour = QColor::fromRgb(
            colourScale->gradient().color((c + 0.5) / ScatterColourClasses, QCPRange(0.0, 1.0)));
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colour, colour, PointSize));
    }
    cursorGraph = plot->addGraph();
    cursorGraph->setLineStyle(QCPGraph::lsNone);
    cursorGraph->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(CursorColour, CursorPenWidth), Qt::NoBrush, CursorSize));

    SetChoice(ScatterChoice{});
    for (QComboBox* box : {xBox, yBox, colourBox})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Rebuild(); });
}

QComboBox* LogScatterView::ChannelBox(const char* name, bool withNone)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    if (withNone)
        box->addItem(QString(), NoChannel);
    for (int i = 0; i < LogChannelCount; ++i)
        box->addItem(ColumnText(NthChannel(i)), i);
    return box;
}

std::optional<LogChannel> LogScatterView::Chosen(const QComboBox* box) const
{
    const int channel = box->currentData().toInt();
    return channel == NoChannel ? std::nullopt : std::optional<LogChannel>(NthChannel(channel));
}

void LogScatterView::SetTimeline(const LogTimeline* value)
{
    timeline = value;
    Rebuild();
}

void LogScatterView::SetChoice(const ScatterChoice& choice)
{
    {
        const QSignalBlocker xBlock(xBox);
        const QSignalBlocker yBlock(yBox);
        const QSignalBlocker colourBlock(colourBox);
        xBox->setCurrentIndex(xBox->findData(static_cast<int>(choice.x)));
        yBox->setCurrentIndex(yBox->findData(static_cast<int>(choice.y)));
        colourBox->setCurrentIndex(colourBox->findData(choice.colour ? static_cast<int>(*choice.colour) : NoChannel));
    }
    Rebuild();
}

ScatterChoice LogScatterView::Choice() const
{
    return ScatterChoice{*Chosen(xBox), *Chosen(yBox), Chosen(colourBox)};
}

void LogScatterView::Rebuild()
{
    const std::optional<LogChannel> x = Chosen(xBox);
    const std::optional<LogChannel> y = Chosen(yBox);
    const std::optional<LogChannel> colour = Chosen(colourBox);
    scatter = timeline && x && y ? MakeScatter(*timeline, *x, *y, colour) : Scatter{};
    std::vector<QVector<double>> xs(ScatterColourClasses);
    std::vector<QVector<double>> ys(ScatterColourClasses);
    for (const ScatterPoint& point : scatter.points) {
        xs[static_cast<std::size_t>(point.colourClass)].push_back(point.x);
        ys[static_cast<std::size_t>(point.colourClass)].push_back(point.y);
    }
    for (int c = 0; c < ScatterColourClasses; ++c)
        plot->graph(c)->setData(xs[static_cast<std::size_t>(c)], ys[static_cast<std::size_t>(c)]);
    plot->xAxis->setLabel(x ? ColumnText(*x) : QString());
    plot->yAxis->setLabel(y ? ColumnText(*y) : QString());
    colourScale->setVisible(colour.has_value());
    colourScale->setDataRange(QCPRange(scatter.colourLow, scatter.colourHigh));
    colourScale->axis()->setLabel(colour ? ColumnText(*colour) : QString());
    plot->rescaleAxes();
    ShowCursor(cursorFrame);
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void LogScatterView::ShowCursor(std::optional<std::size_t> frame)
{
    cursorFrame = frame;
    const std::optional<LogChannel> x = Chosen(xBox);
    const std::optional<LogChannel> y = Chosen(yBox);
    cursorGraph->data()->clear();
    if (timeline && frame && *frame < timeline->FrameCount() && x && y) {
        const LogRow& row = timeline->Frame(*frame);
        if (row.Value(*x) && row.Value(*y))
            cursorGraph->addData(ChannelUnits(*x, *row.Value(*x)), ChannelUnits(*y, *row.Value(*y)));
    }
    if (isVisible())
        plot->replot(QCustomPlot::rpQueuedReplot);
}

void LogScatterView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void LogScatterView::SetLanguage(int languageIndex)
{
    colourBox->setItemText(0, QString::fromStdString(LogTextFor(LogText::ScatterOneColour, languageIndex)));
}

}  // namespace torvana
