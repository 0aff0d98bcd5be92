#pragma once
// The rectangle of curve cells the region operations act on. A drag from
// one cell across others selects them, Ctrl+Shift+arrows grow or shrink the
// rectangle from the cell with the focus, Ctrl+arrows move the focus to the
// next cell; the plain arrows keep stepping values. A frame over the grid
// shows a rectangle of more than one cell.

#include "ui/tools/RegionTools.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <optional>

class QWidget;

namespace torvana {

struct CurveGridControls;
class SelectionFrame;

class CellSelection : public QObject {
public:
    explicit CellSelection(const CurveGridControls& grid, QObject* parent);

    // None until a cell was clicked, focused or dragged across.
    std::optional<CellRegion> Region() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Cells as (column, row).
    std::optional<QPoint> CellAt(QPoint global) const;
    void Select(QPoint from, QPoint to);
    bool KeyPressed(QPoint cell, int key, Qt::KeyboardModifiers modifiers);

    const CurveGridControls& grid;
    // The grid's controls outlive the page structure that grid refers to (the
    // window frees that first, then its widgets): events of their destruction
    // are told apart by this copy, never through grid.
    const QObject* groupBox;
    SelectionFrame* frame;
    QHash<const QObject*, QPoint> cellOf;  // spin boxes and their line edits
    std::optional<QPoint> anchor;
    QPoint corner;
    bool dragging = false;
};

}  // namespace torvana
