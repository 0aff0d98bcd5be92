#pragma once
// Paints the operating-point marking: remembers each control's last colour
// so that a tick repaints only the controls whose colour changes.

#include <QHash>
#include <QSet>

#include "link/Colour.h"

class QWidget;

namespace torvana {

class MarkingPainter {
public:
    // Lime when marked, else the control's resting colour.
    void Paint(QWidget* control, bool marked);
    // A control that shows a limited value rests in yellow instead of its
    // normal colour.
    void SetLimited(QWidget* control, bool limited);

private:
    void Apply(QWidget* control);

    QHash<QWidget*, Colour> lastColour;
    QSet<QWidget*> marked;
    QSet<QWidget*> limited;
};

}  // namespace torvana
