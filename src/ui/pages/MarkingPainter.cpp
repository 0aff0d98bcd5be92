#include "ui/pages/MarkingPainter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QWidget>

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

void MarkingPainter::Apply(QWidget* control)
{
    const bool isBox = qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                       qobject_cast<QComboBox*>(control) != nullptr;
    const Colour normal = isBox ? Colour::Window : Colour::Normal;
    const Colour resting = limited.contains(control) ? Colour::Yellow : normal;
    const Colour wanted = marked.contains(control) ? Colour::Lime : resting;
    // Controls start in their normal colour.
    if (lastColour.value(control, normal) == wanted) {
        return;
    }
    SetBackground(control, wanted);
    lastColour.insert(control, wanted);
}

}  // namespace torvana
