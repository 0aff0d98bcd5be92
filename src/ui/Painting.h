#pragma once
// Background and bar colours of labels, check boxes and gauges. No colour
// means the normal one (the button face, as the rest of the window).

#include "link/Colour.h"

#include <QColor>
#include <optional>

class QProgressBar;
class QWidget;

namespace torvana {

// Normal gives no colour.
std::optional<QColor> ToQColor(Colour colour);

void SetBackground(QWidget* widget, std::optional<QColor> colour);
void SetBarColour(QProgressBar* gauge, std::optional<QColor> colour);

}  // namespace torvana
