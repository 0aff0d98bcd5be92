#pragma once
// The pages' edit boxes are as narrow as the design's grid: Fusion's frame
// padding and wide arrows leave too little room for five-digit values, so
// their first or last digit was cut off. This style gives the text all the
// room between the frame line and slimmer arrows; everything else is drawn
// by the application style.

#include <QProxyStyle>

namespace torvana {

class SpinBoxStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// The one SpinBoxStyle shared by every edit box of the pages.
QStyle* PageSpinBoxStyle();

}  // namespace torvana
