#include "ui/Painting.h"

#include <QProgressBar>
#include <QWidget>

namespace torvana {

std::optional<QColor> ToQColor(Colour colour)
{
    switch (colour) {
    case Colour::Normal:
        return std::nullopt;
    case Colour::Window:
        return QPalette().color(QPalette::Base);
    case Colour::Red:
        return QColor(Qt::red);
    case Colour::Yellow:
        return QColor(Qt::yellow);
    case Colour::Lime:
        return QColor(Qt::green);
    case Colour::Aqua:
        return QColor(Qt::cyan);
    case Colour::Fuchsia:
        return QColor(Qt::magenta);
    case Colour::White:
        return QColor(Qt::white);
    }
    return std::nullopt;
}

void SetBackground(QWidget* widget, std::optional<QColor> colour)
{
    if (!colour) {
        widget->setAutoFillBackground(false);
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, *colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetBarColour(QProgressBar* gauge, std::optional<QColor> colour)
{
    QPalette palette = gauge->palette();
    palette.setColor(QPalette::Highlight, colour.value_or(QPalette().color(QPalette::Highlight)));
    gauge->setPalette(palette);
}

}  // namespace torvana
