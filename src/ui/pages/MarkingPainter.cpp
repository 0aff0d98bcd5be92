#include "ui/pages/MarkingPainter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QWidget>

#include "ui/pages/PageWidgets.h"

namespace torvana {

void MarkingPainter::Paint(QWidget* control, bool marked)
{
    const bool isBox = qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                       qobject_cast<QComboBox*>(control) != nullptr;
    const Colour normal = isBox ? Colour::Window : Colour::Normal;
    const Colour wanted = marked ? Colour::Lime : normal;
    // Controls start in their normal colour.
    if (lastColour.value(control, normal) == wanted) {
        return;
    }
    SetBackground(control, wanted);
    lastColour.insert(control, wanted);
}

}  // namespace torvana
