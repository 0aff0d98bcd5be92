#pragma once
// The one grid of controls that the nine curve pages share; it sits on the
// active curve sheet and shows curve table t = ActivePageIndex.

#include <array>

#include "core/ImageLayout.h"
#include "ui/pages/UpDownSpinBox.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace torvana {

class PageEvents;

struct CurveGridControls {
    QGroupBox* groupBox = nullptr;
    QLabel* rpmLabel = nullptr;
    QLabel* tpsLabel = nullptr;
    std::array<QLabel*, CurveRows> rowLabels{};
    std::array<UpDownSpinBox*, CurveColumns> rpmEdits{};
    std::array<std::array<UpDownSpinBox*, CurveColumns>, CurveRows> cellEdits{};
    std::array<QWidget*, CurveColumns> spinButtons{};
    QPushButton* minusButton = nullptr;
    QPushButton* plusButton = nullptr;
    QCheckBox* pageAllCheckBox = nullptr;
    QLabel* couplingLabel = nullptr;
};

// Builds CurveGroupBox and its controls on sheet, wired to events.
CurveGridControls BuildCurveGrid(QWidget* sheet, PageEvents& events);

// Puts the grid onto sheet, filling it.
void MoveCurveGrid(const CurveGridControls& grid, QWidget* sheet);

// Range and step of every value cell: they differ between ignition and
// injection tables, and must be set before the values.
void SetCurveCellRange(const CurveGridControls& grid, int curve);

}  // namespace torvana
