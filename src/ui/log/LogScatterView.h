#pragma once
// The log window's scatter view: any channel against any other, coloured
// by a third, with the cursor's frame ringed.

#include "log/LogScatter.h"
#include "log/ScatterChoice.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QCPColorScale;
class QCPGraph;
class QCustomPlot;

namespace torvana {

class LogScatterView : public QWidget {
    Q_OBJECT
public:
    explicit LogScatterView(QWidget* parent);

    // The log shown; null for none. Kept by the caller.
    void SetTimeline(const LogTimeline* value);
    void SetChoice(const ScatterChoice& choice);
    // The channels chosen in the boxes.
    ScatterChoice Choice() const;
    void ShowCursor(std::optional<std::size_t> frame);
    void SetLanguage(int languageIndex);

    const Scatter& Shown() const { return scatter; }
    QCustomPlot* Plot() const { return plot; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* ChannelBox(const char* name, bool withNone);
    void Rebuild();
    std::optional<LogChannel> Chosen(const QComboBox* box) const;

    const LogTimeline* timeline = nullptr;
    Scatter scatter;
    std::optional<std::size_t> cursorFrame;
    QComboBox* xBox = nullptr;
    QComboBox* yBox = nullptr;
    QComboBox* colourBox = nullptr;
    QCustomPlot* plot = nullptr;
    QCPColorScale* colourScale = nullptr;
    QCPGraph* cursorGraph = nullptr;
};

}  // namespace torvana
