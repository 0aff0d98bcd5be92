#pragma once
// The style caches each drawing of a spin box or combo box under its
// palette's cache key, and every QWidget::setPalette makes a new key, even
// for colours seen before. Each move of the operating-point marking would
// leave drawings in the cache that are never used again, and the window's
// memory would grow while the monitor runs. Controls whose colours change
// hand their style one shared palette per set of colours instead.

#include <QComboBox>
#include <QPalette>

namespace torvana {

// An earlier palette with the same colours, or this one, kept for later.
QPalette SharedStylePalette(const QPalette& palette);

// A combo box of the editor pages, drawn with the shared palettes.
class PageComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PageComboBox(QWidget* parent) : QComboBox(parent) {}

protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;
};

}  // namespace torvana
