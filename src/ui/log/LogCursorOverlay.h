#pragma once
// The cursor over the log's plots: red lines drawn by a transparent widget
// of their own laid over the plot, so that moving them repaints the strips
// they leave and enter, not the whole plot with its curves.

#include <QLine>
#include <QWidget>
#include <vector>

namespace torvana {

class LogCursorOverlay : public QWidget {
    Q_OBJECT
public:
    explicit LogCursorOverlay(QWidget* plot);

    // The lines in the plot's pixels; none hides the cursor.
    void SetLines(std::vector<QLine> value);
    const std::vector<QLine>& Lines() const { return lines; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect Bounds() const;

    std::vector<QLine> lines;
};

}  // namespace torvana
