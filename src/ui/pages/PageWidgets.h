#pragma once
// Small builders shared by the page modules: named controls at a position,
// captions from the page caption table, meaningful colours.

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

#include "link/Colour.h"
#include "texts/LanguageTexts.h"
#include "ui/pages/UpDownSpinBox.h"

class QCheckBox;
class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

namespace torvana {

class PageEvents;

constexpr int RowLength = 15;
constexpr int EditWidth = 40;
constexpr int NarrowEditWidth = 38;
constexpr int UpDownWidth = 16;
constexpr int SpinRowLeft = 44;  // left edge of a row of fifteen boxes

// "Name[i]" and "Name[r][c]".
QString IndexedName(const char* name, int index);
QString IndexedName(const char* name, int row, int column);

// Every translation of the named control's caption or item list; empty
// when the control's texts stay as they are.
QStringList Translations(const QObject* control, TextKind kind);

// Widens a label or button to the widest of its translations, so switching
// the language never clips it; the control keeps its current text.
void FitWidestCaption(QWidget* control);
// Widens a combo box so that any item of any translation shows whole.
void FitWidestItems(QComboBox* combo);
// A titled group box at geometry, widened where a translation of its title
// needs more room.
QGroupBox* MakeGroup(QWidget* parent, const QString& name, QRect geometry);

// Labels and check boxes come sized for their widest translation.
QLabel* MakeLabel(QWidget* parent, const QString& name, QPoint position);
// Makes a label tall enough for the accents and descenders of every
// translation, growing it evenly up and down so its text stays in place.
void FitTallestCaption(QLabel* label);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, QPoint position);
QPushButton* MakeButton(QWidget* parent, const QString& name, QPoint position, QSize size);
// editWidth is the edit box alone; the arrows add UpDownWidth.
UpDownSpinBox* MakeSpinBox(QWidget* parent, const QString& editName, const QString& upDownName,
                           unsigned triggers, QPoint position, int editWidth = EditWidth);

// A spin box whose commits reach the window as EditCommitted, ranged from
// the binding's table by its up-down name.
UpDownSpinBox* MakeCommittingSpinBox(QWidget* parent, const QString& editName,
                                     const QString& upDownName, unsigned triggers,
                                     QPoint position, PageEvents& events);
// A row of fifteen engine-speed or value boxes, edit left SpinRowLeft + 60c.
std::array<UpDownSpinBox*, RowLength> MakeSpinRow(QWidget* parent, const char* editName,
                                                  const char* upDownName, int top,
                                                  PageEvents& events);
// Rows of the same kind elsewhere: edit left fixed, tops top + pitch * i.
template <std::size_t N>
std::array<UpDownSpinBox*, N> MakeSpinColumn(QWidget* parent, const char* editName,
                                             const char* upDownName, int left, int top,
                                             int pitch, PageEvents& events)
{
    std::array<UpDownSpinBox*, N> column{};
    for (std::size_t i = 0; i < N; ++i) {
        const int index = static_cast<int>(i);
        column[i] = MakeCommittingSpinBox(parent, IndexedName(editName, index),
                                          IndexedName(upDownName, index), CommitOnClick,
                                          QPoint(left, top + pitch * index), events);
    }
    return column;
}

// A list takes the wheel only while it has the focus; otherwise the wheel
// goes on to its parent, and passing over the list never focuses it.
void WheelNeedsFocus(QComboBox* combo);

// Background of a control: edit boxes use the base role, everything else the
// window role. Normal and Window give the control its palette colour back.
void SetBackground(QWidget* control, Colour colour);
// Any colour in the same roles; an invalid colour gives the normal one back.
void SetBackgroundColour(QWidget* control, const QColor& colour);

}  // namespace torvana
