#pragma once
// Paints the operating-point marking: remembers each control's last colour
// so that a tick repaints only the controls whose colour changes.

#include <QColor>
#include <QHash>
#include <QSet>
#include <optional>

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
    // The heat map's colour for a control, below every meaning colour;
    // none gives the control its normal colour back.
    void SetHeat(QWidget* control, std::optional<QColor> heat);

private:
    void Apply(QWidget* control);

    QHash<QWidget*, QColor> lastColour;
    QHash<QWidget*, QColor> heat;
    QSet<QWidget*> marked;
    QSet<QWidget*> limited;
};

}  // namespace torvana
