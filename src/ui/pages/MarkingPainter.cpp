#include "ui/pages/MarkingPainter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QWidget>

#include "ui/Painting.h"
#include "ui/pages/PageWidgets.h"

namespace torvana {

void MarkingPainter::Paint(QWidget* control, bool isMarked)
{
    if (isMarked) {
        marked.insert(control);
    } else {
        marked.remove(control);
    }
    Apply(control);
}

void MarkingPainter::SetLimited(QWidget* control, bool isLimited)
{
    if (isLimited) {
        limited.insert(control);
    } else {
        limited.remove(control);
    }
    Apply(control);
}

void MarkingPainter::SetHeat(QWidget* control, std::optional<QColor> colour)
{
    if (colour) {
        heat.insert(control, *colour);
    } else {
        heat.remove(control);
    }
    Apply(control);
}

void MarkingPainter::Apply(QWidget* control)
{
    const bool isBox = qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                       qobject_cast<QComboBox*>(control) != nullptr;
    const Colour normal = isBox ? Colour::Window : Colour::Normal;
    Colour meaning = normal;
    if (marked.contains(control)) {
        meaning = Colour::Lime;
    } else if (limited.contains(control)) {
        meaning = Colour::Yellow;
    }
    const bool heated = meaning == normal && heat.contains(control);
    // An invalid colour stands for the normal one, which sets no palette.
    const QColor wanted = heated ? heat.value(control) : ToQColor(meaning).value_or(QColor());
    // Controls start in their normal colour.
    if (lastColour.value(control, ToQColor(normal).value_or(QColor())) == wanted) {
        return;
    }
    if (heated) {
        SetBackgroundColour(control, wanted);
    } else {
        SetBackground(control, meaning);
    }
    lastColour.insert(control, wanted);
}

}  // namespace torvana
