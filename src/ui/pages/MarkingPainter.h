#pragma once
// Paints the operating-point marking: remembers each control's last colour
// so that a tick repaints only the controls whose colour changes.

#include <QHash>

#include "link/Colour.h"

class QWidget;

namespace torvana {

class MarkingPainter {
public:
    // Lime when marked, else the control's normal colour.
    void Paint(QWidget* control, bool marked);

private:
    QHash<QWidget*, Colour> lastColour;
};

}  // namespace torvana
