#include "ui/pages/PageWidgets.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/pages/PageCaptions.h"
#include "ui/pages/PageEvents.h"
#include "ui/pages/PageRanges.h"

namespace torvana {

QString IndexedName(const char* name, int index)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(index);
}

QString IndexedName(const char* name, int row, int column)
{
    return QStringLiteral("%1[%2][%3]").arg(QLatin1String(name)).arg(row).arg(column);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, QPoint position)
{
    auto* label = new QLabel(PageCaption(name), parent);
    label->setObjectName(name);
    label->move(position);
    label->adjustSize();
    return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, QPoint position)
{
    auto* box = new QCheckBox(PageCaption(name), parent);
    box->setObjectName(name);
    box->move(position);
    box->adjustSize();
    return box;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, QPoint position, QSize size)
{
    auto* button = new QPushButton(PageCaption(name), parent);
    button->setObjectName(name);
    button->setGeometry(QRect(position, size));
    return button;
}

UpDownSpinBox* MakeSpinBox(QWidget* parent, const QString& editName, const QString& upDownName,
                           unsigned triggers, QPoint position, int editWidth)
{
    auto* box = new UpDownSpinBox(editName, upDownName, triggers, parent);
    box->move(position);
    box->setFixedWidth(editWidth + UpDownWidth);
    return box;
}

UpDownSpinBox* MakeCommittingSpinBox(QWidget* parent, const QString& editName,
                                     const QString& upDownName, unsigned triggers,
                                     QPoint position, PageEvents& events)
{
    auto* box = MakeSpinBox(parent, editName, upDownName, triggers, position);
    ApplyRange(box, RangeFor(upDownName));
    QObject::connect(box, &UpDownSpinBox::CommitRequested, &events,
                     [&events] { emit events.EditCommitted(); });
    return box;
}

std::array<UpDownSpinBox*, RowLength> MakeSpinRow(QWidget* parent, const char* editName,
                                                  const char* upDownName, int top,
                                                  PageEvents& events)
{
    constexpr int RowLeft = 44;
    constexpr int RowPitch = 60;
    std::array<UpDownSpinBox*, RowLength> row{};
    for (int i = 0; i < RowLength; ++i) {
        row[i] = MakeCommittingSpinBox(parent, IndexedName(editName, i), IndexedName(upDownName, i),
                                       CommitOnClick, QPoint(RowLeft + RowPitch * i, top), events);
    }
    return row;
}

namespace {
QColor ColourValue(Colour colour)
{
    switch (colour) {
    case Colour::Red: return Qt::red;
    case Colour::Yellow: return Qt::yellow;
    case Colour::Lime: return QColor(0, 255, 0);
    case Colour::Aqua: return Qt::cyan;
    case Colour::Fuchsia: return Qt::magenta;
    case Colour::White: return Qt::white;
    case Colour::Normal:
    case Colour::Window: break;
    }
    return {};
}
}  // namespace

void SetBackground(QWidget* control, Colour colour)
{
    const bool isEdit = qobject_cast<QAbstractSpinBox*>(control) != nullptr;
    const bool isCombo = qobject_cast<QComboBox*>(control) != nullptr;
    // A closed combo box paints its face with the button role.
    const QPalette::ColorRole role = isEdit ? QPalette::Base : isCombo ? QPalette::Button : QPalette::Window;
    QPalette palette = control->palette();
    const QColor value = ColourValue(colour);
    palette.setColor(role, value.isValid() ? value : QApplication::palette(control).color(role));
    control->setPalette(palette);
    control->setAutoFillBackground(value.isValid() && !isEdit && !isCombo);
}

}  // namespace torvana
