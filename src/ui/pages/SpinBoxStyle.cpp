#include "ui/pages/SpinBoxStyle.h"

#include <QApplication>
#include <QStyleOptionSpinBox>

namespace torvana {

namespace {
constexpr int FrameLine = 1;
constexpr int ArrowWidth = 11;  // the arrow glyph with a pixel or two beside it
constexpr int SeparatorLine = 1;
}  // namespace

QRect SpinBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const
{
    const QRect drawn = QProxyStyle::subControlRect(control, option, part, widget);
    const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    if (control != CC_SpinBox || spin == nullptr || !spin->frame) {
        return drawn;
    }
    const QRect& box = spin->rect;
    const int arrowsLeft = box.right() - FrameLine - ArrowWidth + 1;
    switch (part) {
    case SC_SpinBoxUp:
    case SC_SpinBoxDown:
        return QRect(arrowsLeft, drawn.top(), ArrowWidth, drawn.height());
    case SC_SpinBoxEditField: {
        const int left = box.left() + FrameLine;
        const int right = spin->buttonSymbols == QAbstractSpinBox::NoButtons
                              ? box.right() - FrameLine
                              : arrowsLeft - SeparatorLine - 1;
        return QRect(left, drawn.top(), right - left + 1, drawn.height());
    }
    default:
        return drawn;
    }
}

QStyle* PageSpinBoxStyle()
{
    // Owned by the application, so it outlives every window.
    static auto* style = [] {
        auto* made = new SpinBoxStyle;
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace torvana
