#include "ui/views/CellSelection.h"

#include "ui/pages/CurveGrid.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace torvana {

// Drawn over the grid; the mouse passes through to the cells.
class SelectionFrame : public QWidget {
public:
    explicit SelectionFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("CurveRegionFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    void Show(const QRect& area)
    {
        shown = area;
        setGeometry(parentWidget()->rect());
        raise();
        setVisible(!area.isEmpty());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        constexpr int PenWidth = 2;
        constexpr int FillAlpha = 40;
        QPainter painter(this);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(FillAlpha);
        painter.fillRect(shown, fill);
        painter.setPen(QPen(palette().color(QPalette::Highlight), PenWidth));
        painter.drawRect(shown.adjusted(0, 0, -1, -1));
    }

private:
    QRect shown;
};

namespace {

constexpr int FrameMargin = 2;

QPoint Clamped(QPoint cell)
{
    return {std::clamp(cell.x(), 0, CurveColumns - 1), std::clamp(cell.y(), 0, CurveRows - 1)};
}

std::optional<QPoint> ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left: return QPoint(-1, 0);
    case Qt::Key_Right: return QPoint(1, 0);
    case Qt::Key_Up: return QPoint(0, -1);
    case Qt::Key_Down: return QPoint(0, 1);
    default: return std::nullopt;
    }
}

}  // namespace

CellSelection::CellSelection(const CurveGridControls& grid, QObject* parent)
    : QObject(parent), grid(grid), groupBox(grid.groupBox), frame(new SelectionFrame(grid.groupBox))
{
    frame->hide();
    grid.groupBox->installEventFilter(this);
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            UpDownSpinBox* box = grid.cellEdits[r][c];
            cellOf.insert(box, QPoint(c, r));
            box->installEventFilter(this);
            if (auto* edit = box->findChild<QLineEdit*>()) {
                cellOf.insert(edit, QPoint(c, r));
                edit->installEventFilter(this);
            }
        }
    }
}

std::optional<CellRegion> CellSelection::Region() const
{
    if (!anchor)
        return std::nullopt;
    return RegionSpanning(anchor->y(), anchor->x(), corner.y(), corner.x());
}

std::optional<QPoint> CellSelection::CellAt(QPoint global) const
{
    const QPoint at = grid.groupBox->mapFromGlobal(global);
    for (int r = 0; r < CurveRows; ++r)
        for (int c = 0; c < CurveColumns; ++c)
            if (grid.cellEdits[r][c]->geometry().contains(at))
                return QPoint(c, r);
    return std::nullopt;
}

void CellSelection::Select(QPoint from, QPoint to)
{
    anchor = from;
    corner = to;
    if (from == to) {
        frame->Show({});
        return;
    }
    const QRect first = grid.cellEdits[from.y()][from.x()]->geometry();
    const QRect last = grid.cellEdits[to.y()][to.x()]->geometry();
    frame->Show(first.united(last).adjusted(-FrameMargin, -FrameMargin, FrameMargin, FrameMargin));
}

bool CellSelection::KeyPressed(QPoint cell, int key, Qt::KeyboardModifiers modifiers)
{
    const std::optional<QPoint> step = ArrowStep(key);
    if (!step)
        return false;
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (!anchor)
            Select(cell, cell);
        Select(*anchor, Clamped(corner + *step));
        return true;
    }
    if (modifiers == Qt::ControlModifier) {
        const QPoint next = Clamped(cell + *step);
        grid.cellEdits[next.y()][next.x()]->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

bool CellSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Destroy || event->type() == QEvent::ChildRemoved) {
        return false;
    }
    if (watched == groupBox) {
        if (event->type() == QEvent::Resize && anchor)
            Select(*anchor, corner);
        return false;
    }
    const auto found = cellOf.constFind(watched);
    if (found == cellOf.constEnd())
        return false;
    const QPoint cell = *found;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!dragging && (!anchor || !Region()->Contains(cell.y(), cell.x()) || *anchor == corner))
            Select(cell, cell);
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            dragging = true;
            Select(cell, cell);
        }
        break;
    case QEvent::MouseMove:
        if (dragging) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (const std::optional<QPoint> over = CellAt(mouse->globalPosition().toPoint()); over && *over != corner)
                Select(*anchor, *over);
        }
        break;
    case QEvent::MouseButtonRelease: dragging = false; break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        return KeyPressed(cell, key->key(), key->modifiers() & ~Qt::KeypadModifier);
    }
    default: break;
    }
    return false;
}

}  // namespace torvana
