#include "ui/pages/PageWidgets.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <string>

#include "texts/LanguageTexts.h"
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

QStringList Translations(const QObject* control, TextKind kind)
{
    QStringList texts;
    if (const LocalisedText* entry = FindLocalised(control->objectName().toStdString(), kind)) {
        for (const std::string& text : entry->texts) {
            texts.append(QString::fromStdString(text));
        }
    }
    return texts;
}

namespace {

template <typename Control>
int WidestWidth(Control* control)
{
    const QString shown = control->text();
    int widest = control->sizeHint().width();
    for (const QString& text : Translations(control, TextKind::Caption)) {
        control->setText(text);
        widest = std::max(widest, control->sizeHint().width());
    }
    control->setText(shown);
    return widest;
}

}  // namespace

void FitWidestItems(QComboBox* combo)
{
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i) {
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    }
    for (const QString& items : Translations(combo, TextKind::Items)) {
        for (const QString& item : items.split(u'\n')) {
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(item));
        }
    }
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    combo->resize(std::max(combo->width(), combo->width() - field.width() + widest), combo->height());
}

QGroupBox* MakeGroup(QWidget* parent, const QString& name, QRect geometry)
{
    auto* group = new QGroupBox(PageCaption(name), parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    int widest = group->minimumSizeHint().width();
    for (const QString& title : Translations(group, TextKind::Caption)) {
        group->setTitle(title);
        widest = std::max(widest, group->minimumSizeHint().width());
    }
    group->setTitle(PageCaption(name));
    group->resize(std::max(geometry.width(), widest), geometry.height());
    return group;
}

void FitWidestCaption(QWidget* control)
{
    int width = control->width();
    if (auto* label = qobject_cast<QLabel*>(control)) {
        width = WidestWidth(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        width = WidestWidth(button);
    }
    control->resize(std::max(width, control->width()), control->height());
}

void FitTallestCaption(QLabel* label)
{
    // An antialiased fringe this faint may be cut; a stroke may not.
    constexpr double InkFringe = 0.25;
    const QFontMetricsF metrics(label->font());
    QStringList texts = Translations(label, TextKind::Caption);
    texts.append(label->text());
    double overshoot = 0;
    for (const QString& text : texts) {
        const QRectF ink = metrics.tightBoundingRect(text);
        overshoot = std::max({overshoot, -(metrics.ascent() + ink.top()), ink.bottom() - metrics.descent()});
    }
    if (overshoot <= InkFringe) {
        return;
    }
    const int frame = label->height() - label->contentsRect().height();
    const int needed = static_cast<int>(std::ceil(metrics.height() + 2 * overshoot)) + frame;
    const int growth = needed - label->height();
    if (growth > 0) {
        label->setGeometry(label->x(), label->y() - growth / 2, label->width(), needed);
    }
}

QLabel* MakeLabel(QWidget* parent, const QString& name, QPoint position)
{
    auto* label = new QLabel(PageCaption(name), parent);
    label->setObjectName(name);
    label->move(position);
    label->adjustSize();
    FitWidestCaption(label);
    FitTallestCaption(label);
    return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, QPoint position)
{
    auto* box = new QCheckBox(PageCaption(name), parent);
    box->setObjectName(name);
    box->move(position);
    box->adjustSize();
    FitWidestCaption(box);
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
    constexpr int RowPitch = 60;
    std::array<UpDownSpinBox*, RowLength> row{};
    for (int i = 0; i < RowLength; ++i) {
        row[i] = MakeCommittingSpinBox(parent, IndexedName(editName, i), IndexedName(upDownName, i),
                                       CommitOnClick, QPoint(SpinRowLeft + RowPitch * i, top), events);
    }
    return row;
}

namespace {

class WheelFocusFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) {
            return false;
        }
        // An ignored wheel event goes on to the parent.
        event->ignore();
        return true;
    }
};

}  // namespace

void WheelNeedsFocus(QComboBox* combo)
{
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(new WheelFocusFilter(combo));
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
    SetBackgroundColour(control, ColourValue(colour));
}

void SetBackgroundColour(QWidget* control, const QColor& value)
{
    const bool isEdit = qobject_cast<QAbstractSpinBox*>(control) != nullptr;
    const bool isCombo = qobject_cast<QComboBox*>(control) != nullptr;
    // A closed combo box paints its face with the button role.
    const QPalette::ColorRole role = isEdit ? QPalette::Base : isCombo ? QPalette::Button : QPalette::Window;
    QPalette palette = control->palette();
    if (value.isValid()) {
        palette.setColor(role, value);
    } else {
        // Back to the style's colours per group, so a disabled box looks disabled again.
        const QPalette standard = QApplication::palette(control);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, role, standard.color(group, role));
        }
    }
    control->setPalette(palette);
    control->setAutoFillBackground(value.isValid() && !isEdit && !isCombo);
}

}  // namespace torvana
