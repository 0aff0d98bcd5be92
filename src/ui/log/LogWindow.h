#pragma once
// TFormLog: a datalog over time. The chosen channels are plotted one above
// the other on one shared time axis (wheel zooms, dragging pans), a click
// puts the cursor whose time every value is read at, and the markers are
// drawn and listed. It plays the log back: from Play until the playback
// ends, the main window shows the log's frames instead of the unit's.

#include "log/LogFollower.h"
#include "log/LogPlayer.h"
#include "log/LogTimeline.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCPAxisRect;
class QCPMarginGroup;
class QComboBox;
class QCustomPlot;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;

namespace torvana {

class LogCursorOverlay;
class LogScatterView;

class TFormLog : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, steady

    explicit TFormLog(QWidget* parent);
    ~TFormLog() override;

    void SetClock(Clock value) { clock = std::move(value); }

    // Reads and shows the log; false (and the reason shown) when it cannot
    // be read, the log shown before staying.
    bool OpenFile(const QString& path);
    // Reads the same file again (a log being written has grown).
    bool Reload();
    // Takes the rows appended to the file since it was read; a view that
    // showed the log's end moves on with it.
    bool Follow();

    // Playback.
    void PlayClick();
    void PauseClick();
    void EndPlaybackClick();
    void SetSpeed(double speed);
    void Seek(double seconds);
    // From Play until the playback ends or the window closes.
    bool ShowsLog() const { return showsLog; }
    // The frames due now, in order; the cursor and the seek bar follow.
    PlayStep PlaybackStep();
    // The log shown is still being written: the playback waits at its end
    // for the rows to come.
    void SetGrowing(bool value) { player.SetGrowing(value); }
    const LogPlayer& Player() const { return player; }

    // The channels plotted, in the list's order.
    void SetChannels(const std::vector<LogChannel>& channels);
    std::vector<LogChannel> Channels() const;
    // Puts the cursor on the frame at this time.
    void SetCursor(double seconds);
    std::optional<double> CursorTime() const { return cursorTime; }
    // The time range shown.
    void SetTimeRange(double from, double to);
    std::pair<double, double> TimeRange() const;
    void ZoomAll();
    void SetLanguage(int languageIndex);

    const LogTimeline* Timeline() const { return timeline.get(); }
    const QString& File() const { return file; }
    QCustomPlot* Plot() const { return plot; }
    LogScatterView* ScatterView() const { return scatterView; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildPlayback(QLayout* layout);
    void ShowPlayback();
    void FollowCursor();
    void FillChannelList();
    void FillMarkerList();
    void Rebuild();
    void ShowCursor();
    void PlaceCursor();
    void ShowProblems(const LogTable& table);
    void ShowError(const QString& text);
    void SyncRanges(const QCPAxisRect* source);
    void PlotPressed(QMouseEvent* event);
    void PlotReleased(QMouseEvent* event);

    std::unique_ptr<LogTimeline> timeline;
    std::unique_ptr<LogFollower> follower;
    LogPlayer player;
    Clock clock;
    bool showsLog = false;
    QString file;
    std::optional<double> cursorTime;
    int languageIndex = 0;
    bool syncing = false;
    QPoint pressedAt;

    QCustomPlot* plot = nullptr;
    QTabWidget* views = nullptr;
    LogScatterView* scatterView = nullptr;
    QCPMarginGroup* margins = nullptr;  // keeps the plots' left edges in line
    LogCursorOverlay* cursorOverlay = nullptr;
    QListWidget* channelList = nullptr;
    QListWidget* markerList = nullptr;
    QTreeWidget* cursorTree = nullptr;
    QLabel* fileLabel = nullptr;
    QComboBox* speedBox = nullptr;
    QSlider* seekBar = nullptr;
    QLabel* positionLabel = nullptr;
    QPushButton* playButton = nullptr;
    QPushButton* pauseButton = nullptr;
    QPushButton* endButton = nullptr;
    std::vector<QCPAxisRect*> rects;
};

}  // namespace torvana
