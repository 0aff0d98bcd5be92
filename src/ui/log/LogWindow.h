#pragma once
// TFormLog: a datalog over time. The chosen channels are plotted one above
// the other on one shared time axis (wheel zooms, dragging pans), a click
// puts the cursor whose time every value is read at, and the markers are
// drawn and listed.

#include "log/LogTimeline.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QCPAxisRect;
class QCPMarginGroup;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;

namespace torvana {

class TFormLog : public QWidget {
    Q_OBJECT
public:
    explicit TFormLog(QWidget* parent);
    ~TFormLog() override;

    // Reads and shows the log; false (and the reason shown) when it cannot
    // be read, the log shown before staying.
    bool OpenFile(const QString& path);
    // Reads the same file again (a log being written has grown).
    bool Reload();

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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void FillChannelList();
    void FillMarkerList();
    void Rebuild();
    void ShowCursor();
    void ShowProblems(const LogTable& table);
    void ShowError(const QString& text);
    void SyncRanges(const QCPAxisRect* source);
    void PlotPressed(QMouseEvent* event);
    void PlotReleased(QMouseEvent* event);

    std::unique_ptr<LogTimeline> timeline;
    QString file;
    std::optional<double> cursorTime;
    int languageIndex = 0;
    bool syncing = false;
    QPoint pressedAt;

    QCustomPlot* plot = nullptr;
    QCPMarginGroup* margins = nullptr;  // keeps the plots' left edges in line
    QListWidget* channelList = nullptr;
    QListWidget* markerList = nullptr;
    QTreeWidget* cursorTree = nullptr;
    QLabel* fileLabel = nullptr;
    std::vector<QCPAxisRect*> rects;
    std::vector<QCPItemStraightLine*> cursorLines;
};

}  // namespace torvana
