#include "ui/log/LogWindow.h"

#include "texts/LogTexts.h"
#include "ui/LanguageApplier.h"
#include "ui/log/LogCursorOverlay.h"
#include "ui/log/LogScatterView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <chrono>
#include <cmath>
#include <qcustomplot.h>

namespace torvana {

namespace {

constexpr int WindowWidth = 1100;
constexpr int WindowHeight = 720;
constexpr int SideWidth = 260;
constexpr int ClickSlopPixels = 4;  // a press and release closer than this is a click, not a drag
constexpr int ChannelRole = Qt::UserRole;
constexpr int MarkerRole = Qt::UserRole;
constexpr int ColumnName = 0;
constexpr int ColumnValue = 1;
constexpr double RangeMarginSeconds = 1.0;
constexpr double SeekStepsPerSecond = 10.0;  // the seek bar moves in tenths of a second
constexpr int NormalSpeedIndex = 2;
const QColor MarkerColour = QColor(0, 0, 200);
const QColor ErrorColour = Qt::red;
constexpr std::array<LogChannel, 3> DefaultChannels = {LogChannel::Rpm, LogChannel::TpsPercent,
                                                        LogChannel::LambdaMillivolts};

QString ColumnText(LogChannel channel)
{
    return QString::fromUtf8(ChannelInfo(channel).column.data(), static_cast<qsizetype>(ChannelInfo(channel).column.size()));
}

QCPItemStraightLine* VerticalLine(QCustomPlot* plot, QCPAxisRect* rect, double at, const QPen& pen)
{
    auto* line = new QCPItemStraightLine(plot);
    line->setClipAxisRect(rect);
    line->setPen(pen);
    for (QCPItemPosition* point : {line->point1, line->point2}) {
        point->setAxisRect(rect);
        point->setAxes(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
    }
    line->point1->setCoords(at, 0);
    line->point2->setCoords(at, 1);
    return line;
}

std::int64_t SteadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

TFormLog::TFormLog(QWidget* parent) : QWidget(parent, Qt::Window), clock(SteadyMilliseconds)
{
    setObjectName(QStringLiteral("TFormLog"));
    resize(WindowWidth, WindowHeight);
    BuildControls();
    SetLanguage(languageIndex);
    ShowPlayback();
}

TFormLog::~TFormLog() = default;

void TFormLog::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    fileLabel = new QLabel(this);
    fileLabel->setObjectName(QStringLiteral("LabelLogFile"));
    fileLabel->setWordWrap(true);
    layout->addWidget(fileLabel);

    auto* splitter = new QSplitter(this);
    layout->addWidget(splitter, 1);
    auto* side = new QWidget(splitter);
    side->setMaximumWidth(SideWidth * 2);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    const auto group = [&](const char* name) {
        auto* box = new QGroupBox(side);
        box->setObjectName(QString::fromLatin1(name));
        new QVBoxLayout(box);
        sideLayout->addWidget(box, 1);
        return box;
    };
    QGroupBox* channels = group("GroupBoxLogChannels");
    channelList = new QListWidget(channels);
    channelList->setObjectName(QStringLiteral("ListLogChannels"));
    channels->layout()->addWidget(channelList);
    QGroupBox* markers = group("GroupBoxLogMarkers");
    markerList = new QListWidget(markers);
    markerList->setObjectName(QStringLiteral("ListLogMarkers"));
    markers->layout()->addWidget(markerList);
    QGroupBox* cursor = group("GroupBoxLogCursor");
    cursorTree = new QTreeWidget(cursor);
    cursorTree->setObjectName(QStringLiteral("TreeLogCursor"));
    cursorTree->setColumnCount(ColumnValue + 1);
    cursorTree->setRootIsDecorated(false);
    // Every value changes with each played frame: no row measured again.
    cursorTree->setUniformRowHeights(true);
    cursorTree->header()->setStretchLastSection(true);
    cursor->layout()->addWidget(cursorTree);

    views = new QTabWidget(splitter);
    views->setObjectName(QStringLiteral("TabLogViews"));
    plot = new QCustomPlot(views);
    plot->setObjectName(QStringLiteral("PlotLog"));
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    margins = new QCPMarginGroup(plot);
    cursorOverlay = new LogCursorOverlay(plot);
    connect(plot, &QCustomPlot::afterReplot, this, &TFormLog::PlaceCursor);
    scatterView = new LogScatterView(views);
    views->addTab(plot, QString());
    views->addTab(scatterView, QString());
    splitter->addWidget(side);
    splitter->addWidget(views);
    splitter->setSizes({SideWidth, WindowWidth - SideWidth});

    BuildPlayback(layout);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    const auto button = [&](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* reload = button("ButtonLogReload");
    QPushButton* zoomAll = button("ButtonLogZoomAll");
    buttons->addStretch();
    QPushButton* close = button("ButtonCloseLog");

    FillChannelList();
    connect(reload, &QPushButton::clicked, this, &TFormLog::Reload);
    connect(zoomAll, &QPushButton::clicked, this, &TFormLog::ZoomAll);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(channelList, &QListWidget::itemChanged, this, [this] { Rebuild(); });
    connect(markerList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const double at = item->data(MarkerRole).toDouble();
        const auto [from, to] = TimeRange();
        SetTimeRange(at - (to - from) / 2, at + (to - from) / 2);
        SetCursor(at);
    });
    connect(plot, &QCustomPlot::mousePress, this, &TFormLog::PlotPressed);
    connect(plot, &QCustomPlot::mouseRelease, this, &TFormLog::PlotReleased);
}

void TFormLog::BuildPlayback(QLayout* layout)
{
    auto* row = new QHBoxLayout;
    static_cast<QVBoxLayout*>(layout)->addLayout(row);
    const auto button = [&](const char* name, void (TFormLog::*click)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    playButton = button("ButtonLogPlay", &TFormLog::PlayClick);
    pauseButton = button("ButtonLogPause", &TFormLog::PauseClick);
    endButton = button("ButtonLogEndPlayback", &TFormLog::EndPlaybackClick);
    auto* speedLabel = new QLabel(this);
    speedLabel->setObjectName(QStringLiteral("LabelLogSpeed"));
    row->addWidget(speedLabel);
    speedBox = new QComboBox(this);
    speedBox->setObjectName(QStringLiteral("ComboLogSpeed"));
    for (const double speed : LogPlayer::Speeds)
        speedBox->addItem(QStringLiteral("%1\u00d7").arg(speed), speed);
    speedBox->setCurrentIndex(NormalSpeedIndex);
    speedLabel->setBuddy(speedBox);
    row->addWidget(speedBox);
    seekBar = new QSlider(Qt::Horizontal, this);
    seekBar->setObjectName(QStringLiteral("SliderLogSeek"));
    row->addWidget(seekBar, 1);
    positionLabel = new QLabel(this);
    positionLabel->setObjectName(QStringLiteral("LabelLogPlayPosition"));
    row->addWidget(positionLabel);
    connect(speedBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetSpeed(speedBox->itemData(index).toDouble()); });
    connect(seekBar, &QSlider::valueChanged, this, [this](int value) { Seek(value / SeekStepsPerSecond); });
}

void TFormLog::FillChannelList()
{
    const QSignalBlocker blocker(channelList);
    for (int i = 0; i < LogChannelCount; ++i) {
        const LogChannel channel = NthChannel(i);
        auto* item = new QListWidgetItem(ColumnText(channel), channelList);
        item->setData(ChannelRole, i);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool chosen = std::find(DefaultChannels.begin(), DefaultChannels.end(), channel) != DefaultChannels.end();
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
    for (int i = 0; i < LogChannelCount; ++i)
        new QTreeWidgetItem(cursorTree, {ColumnText(NthChannel(i)), QString()});
}

bool TFormLog::OpenFile(const QString& path)
{
    auto reader = std::make_unique<LogFollower>(QFile::encodeName(path).toStdString());
    LogParse parse = reader->Read();
    if (!parse.ok) {
        ShowError(QString::fromStdString(LogTextFor(LogText::OpenFailed, languageIndex) + " " + parse.error));
        return false;
    }
    const bool sameFile = path == file && timeline;
    if (!sameFile)
        EndPlaybackClick();
    const auto range = TimeRange();
    file = path;
    follower = std::move(reader);
    ShowProblems(parse.table);
    timeline = std::make_unique<LogTimeline>(std::move(parse.table));
    scatterView->SetTimeline(timeline.get());
    FillMarkerList();
    Rebuild();
    if (sameFile)
        SetTimeRange(range.first, range.second);
    else
        ZoomAll();
    if (cursorTime)
        SetCursor(*cursorTime);
    ShowPlayback();
    return true;
}

bool TFormLog::Follow()
{
    if (!follower || !timeline)
        return false;
    LogParse parse = follower->Read();
    if (!parse.ok) {
        ShowError(QString::fromStdString(LogTextFor(LogText::OpenFailed, languageIndex) + " " + parse.error));
        return false;
    }
    if (parse.table.rows.empty() && parse.table.skippedRows == 0)
        return true;
    const auto [from, to] = TimeRange();
    const bool atEnd = to >= timeline->End();
    const std::size_t markersBefore = timeline->Markers().size();
    timeline->Append(std::move(parse.table));
    ShowProblems(timeline->Table());
    if (timeline->Markers().size() != markersBefore)
        FillMarkerList();
    scatterView->SetTimeline(timeline.get());
    Rebuild();
    if (atEnd && timeline->End() > to)
        SetTimeRange(from + timeline->End() - to + RangeMarginSeconds, timeline->End() + RangeMarginSeconds);
    ShowPlayback();
    return true;
}

bool TFormLog::Reload()
{
    return !file.isEmpty() && OpenFile(file);
}

void TFormLog::ShowProblems(const LogTable& table)
{
    QString text = QFileInfo(file).fileName();
    if (table.skippedRows > 0) {
        text += QStringLiteral(": %1 %2").arg(QString::fromStdString(LogTextFor(LogText::RowsLeftOut, languageIndex)))
                    .arg(table.skippedRows);
        if (!table.problems.empty())
            text += QStringLiteral(" (%1)").arg(QString::fromStdString(table.problems.front()));
    }
    fileLabel->setText(text);
    fileLabel->setStyleSheet(table.skippedRows > 0 ? QStringLiteral("color: %1").arg(ErrorColour.name()) : QString());
}

void TFormLog::ShowError(const QString& text)
{
    fileLabel->setText(text);
    fileLabel->setStyleSheet(QStringLiteral("color: %1").arg(ErrorColour.name()));
}

void TFormLog::FillMarkerList()
{
    markerList->clear();
    for (const LogMarker& marker : timeline->Markers()) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 s  %2").arg(marker.seconds, 0, 'f', 1).arg(QString::fromStdString(marker.text)),
            markerList);
        item->setData(MarkerRole, marker.seconds);
    }
}

std::vector<LogChannel> TFormLog::Channels() const
{
    std::vector<LogChannel> channels;
    for (int i = 0; i < channelList->count(); ++i) {
        if (channelList->item(i)->checkState() == Qt::Checked)
            channels.push_back(NthChannel(channelList->item(i)->data(ChannelRole).toInt()));
    }
    return channels;
}

void TFormLog::SetChannels(const std::vector<LogChannel>& channels)
{
    {
        const QSignalBlocker blocker(channelList);
        for (int i = 0; i < channelList->count(); ++i) {
            const LogChannel channel = NthChannel(channelList->item(i)->data(ChannelRole).toInt());
            const bool chosen = std::find(channels.begin(), channels.end(), channel) != channels.end();
            channelList->item(i)->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
        }
    }
    Rebuild();
}

void TFormLog::Rebuild()
{
    const auto range = TimeRange();
    plot->clearItems();
    plot->clearGraphs();
    plot->plotLayout()->clear();
    rects.clear();
    const std::vector<LogChannel> channels = Channels();
    const QVector<double> keys =
        timeline ? QVector<double>(timeline->Seconds().begin(), timeline->Seconds().end()) : QVector<double>();
    QPen markerPen(MarkerColour);
    markerPen.setStyle(Qt::DashLine);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        auto* rect = new QCPAxisRect(plot);
        plot->plotLayout()->addElement(static_cast<int>(i), 0, rect);
        rect->setRangeDrag(Qt::Horizontal);
        rect->setRangeZoom(Qt::Horizontal);
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
        rect->axis(QCPAxis::atLeft)->setLabel(ColumnText(channels[i]));
        QCPAxis* time = rect->axis(QCPAxis::atBottom);
        time->setTickLabels(i + 1 == channels.size());
        time->setRange(range.first, range.second);
        connect(time, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this, rect] { SyncRanges(rect); });
        if (timeline) {
            const std::vector<double> values = timeline->Values(channels[i]);
            QCPGraph* graph = plot->addGraph(time, rect->axis(QCPAxis::atLeft));
            graph->setData(keys, QVector<double>(values.begin(), values.end()), true);
            graph->rescaleValueAxis(false, false);
            for (const LogMarker& marker : timeline->Markers())
                VerticalLine(plot, rect, marker.seconds, markerPen);
        }
        rects.push_back(rect);
    }
    if (!rects.empty())
        rects.back()->axis(QCPAxis::atBottom)->setLabel(QString::fromStdString(LogTextFor(LogText::ColumnTime, languageIndex)));
    plot->replot();
}

void TFormLog::SyncRanges(const QCPAxisRect* source)
{
    if (syncing)
        return;
    syncing = true;
    const QCPRange range = source->axis(QCPAxis::atBottom)->range();
    for (QCPAxisRect* rect : rects) {
        if (rect != source)
            rect->axis(QCPAxis::atBottom)->setRange(range);
    }
    syncing = false;
    plot->replot(QCustomPlot::rpQueuedReplot);
}

std::pair<double, double> TFormLog::TimeRange() const
{
    if (rects.empty())
        return timeline ? std::pair{timeline->Begin(), timeline->End() + RangeMarginSeconds} : std::pair{0.0, 1.0};
    const QCPRange range = rects.front()->axis(QCPAxis::atBottom)->range();
    return {range.lower, range.upper};
}

void TFormLog::SetTimeRange(double from, double to)
{
    for (QCPAxisRect* rect : rects)
        rect->axis(QCPAxis::atBottom)->setRange(from, to);
    plot->replot();
}

void TFormLog::ZoomAll()
{
    if (timeline)
        SetTimeRange(timeline->Begin(), std::max(timeline->End(), timeline->Begin() + RangeMarginSeconds));
}

void TFormLog::SetCursor(double seconds)
{
    if (!timeline || timeline->FrameCount() == 0)
        return;
    cursorTime = timeline->Seconds()[*timeline->FrameAt(seconds)];
    ShowCursor();
}

void TFormLog::ShowCursor()
{
    const std::size_t frame = *timeline->FrameAt(*cursorTime);
    scatterView->ShowCursor(frame);
    const LogRow& row = timeline->Frame(frame);
    for (int i = 0; i < LogChannelCount; ++i) {
        const LogChannel channel = NthChannel(i);
        cursorTree->topLevelItem(i)->setText(ColumnValue, QString::fromStdString(LogValueText(channel, row.Value(channel))));
    }
    qobject_cast<QGroupBox*>(cursorTree->parentWidget())
        ->setTitle(QStringLiteral("%1: %2 s")
                       .arg(QString::fromStdString(LocalisedFor("GroupBoxLogCursor", TextKind::Caption, languageIndex)))
                       .arg(*cursorTime, 0, 'f', 2));
    PlaceCursor();
}

// After every replot too: the axes may have moved under the cursor.
void TFormLog::PlaceCursor()
{
    std::vector<QLine> lines;
    for (const QCPAxisRect* rect : rects) {
        if (!cursorTime)
            break;
        const int x = qRound(rect->axis(QCPAxis::atBottom)->coordToPixel(*cursorTime));
        if (x >= rect->left() && x <= rect->right())
            lines.emplace_back(x, rect->top(), x, rect->bottom());
    }
    cursorOverlay->SetLines(std::move(lines));
}

void TFormLog::PlayClick()
{
    if (!timeline || timeline->FrameCount() == 0)
        return;
    if (!showsLog && cursorTime)
        player.Seek(timeline->Seconds(), *cursorTime, clock());
    showsLog = true;
    player.Play(timeline->Seconds(), clock());
    ShowPlayback();
}

void TFormLog::PauseClick()
{
    player.Pause(clock());
    ShowPlayback();
}

void TFormLog::EndPlaybackClick()
{
    player.Pause(clock());
    showsLog = false;
    ShowPlayback();
}

void TFormLog::SetSpeed(double speed)
{
    player.SetSpeed(speed, clock());
    const QSignalBlocker blocker(speedBox);
    speedBox->setCurrentIndex(speedBox->findData(player.Speed()));
}

void TFormLog::Seek(double seconds)
{
    if (!timeline || timeline->FrameCount() == 0)
        return;
    player.Seek(timeline->Seconds(), seconds, clock());
    SetCursor(seconds);
    ShowPlayback();
}

PlayStep TFormLog::PlaybackStep()
{
    if (!showsLog || !timeline)
        return {};
    const PlayStep step = player.Step(timeline->Seconds(), clock());
    if (!step.Empty()) {
        cursorTime = timeline->Seconds()[step.end - 1];
        ShowCursor();
        FollowCursor();
    }
    ShowPlayback();
    return step;
}

// The cursor played out of the view turns the page to it.
void TFormLog::FollowCursor()
{
    const auto [from, to] = TimeRange();
    if (*cursorTime >= from && *cursorTime <= to)
        return;
    const double width = to - from;
    SetTimeRange(*cursorTime - width / 2, *cursorTime + width / 2);
}

void TFormLog::ShowPlayback()
{
    const double end = timeline ? timeline->End() : 0.0;
    const double at = std::min(player.Position(clock()), end);
    {
        const QSignalBlocker blocker(seekBar);
        seekBar->setRange(0, static_cast<int>(std::ceil(end * SeekStepsPerSecond)));
        seekBar->setValue(static_cast<int>(std::lround(at * SeekStepsPerSecond)));
    }
    positionLabel->setText(QStringLiteral("%1 / %2 s").arg(at, 0, 'f', 1).arg(end, 0, 'f', 1));
    const bool frames = timeline && timeline->FrameCount() > 0;
    playButton->setEnabled(frames && !player.Playing());
    pauseButton->setEnabled(player.Playing());
    endButton->setEnabled(showsLog);
    seekBar->setEnabled(frames);
}

void TFormLog::closeEvent(QCloseEvent* event)
{
    EndPlaybackClick();
    QWidget::closeEvent(event);
}

void TFormLog::PlotPressed(QMouseEvent* event)
{
    pressedAt = event->position().toPoint();
}

void TFormLog::PlotReleased(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if ((at - pressedAt).manhattanLength() > ClickSlopPixels || rects.empty())
        return;
    const double time = rects.front()->axis(QCPAxis::atBottom)->pixelToCoord(at.x());
    if (showsLog)
        Seek(time);
    else
        SetCursor(time);
}

void TFormLog::keyPressEvent(QKeyEvent* event)
{
    const bool left = event->key() == Qt::Key_Left;
    if ((!left && event->key() != Qt::Key_Right) || !timeline || timeline->FrameCount() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    std::size_t frame = cursorTime ? *timeline->FrameAt(*cursorTime) : 0;
    if (left && frame > 0)
        --frame;
    else if (!left && cursorTime && frame + 1 < timeline->FrameCount())
        ++frame;
    if (showsLog)
        Seek(timeline->Seconds()[frame]);
    else
        SetCursor(timeline->Seconds()[frame]);
}

void TFormLog::SetLanguage(int language)
{
    languageIndex = language;
    ApplyLanguageTexts(this, LogCaptionTexts(), languageIndex, [](const QString&, const QStringList&) {});
    setWindowTitle(QString::fromStdString(LocalisedFor("TFormLog", TextKind::Caption, languageIndex)));
    views->setTabText(0, QString::fromStdString(LogTextFor(LogText::ViewOverTime, languageIndex)));
    views->setTabText(1, QString::fromStdString(LogTextFor(LogText::ViewScatter, languageIndex)));
    scatterView->SetLanguage(languageIndex);
    cursorTree->setHeaderLabels({QString::fromStdString(LogTextFor(LogText::ColumnChannel, languageIndex)),
                                 QString::fromStdString(LogTextFor(LogText::ColumnValue, languageIndex))});
    if (cursorTime)
        ShowCursor();
    if (!rects.empty())
        rects.back()->axis(QCPAxis::atBottom)->setLabel(QString::fromStdString(LogTextFor(LogText::ColumnTime, languageIndex)));
}

}  // namespace torvana
