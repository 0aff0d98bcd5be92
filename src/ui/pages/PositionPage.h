#pragma once
// TabSheet_Poloha: the injection-position tables A and B.

#include <array>

#include "ui/pages/ControlReader.h"
#include "ui/binding/TablePageBinding.h"
#include "ui/pages/PageEvents.h"
#include "ui/pages/PageWidgets.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace torvana {

class RadioGroup;

struct PositionTableControls {
    QGroupBox* groupBox = nullptr;
    QLabel* rpmLabel = nullptr;
    QLabel* angleLabel = nullptr;
    std::array<UpDownSpinBox*, RowLength> rpm{};
    std::array<UpDownSpinBox*, RowLength> angle{};
    RadioGroup* reference = nullptr;
    QCheckBox* all = nullptr;
    QPushButton* minus = nullptr;
    QPushButton* plus = nullptr;
};

struct PositionPageControls {
    PositionTableControls a;
    PositionTableControls b;
};

PositionPageControls BuildPositionPage(QWidget* sheet, PageEvents& events);

void ShowPositionValues(const PositionPageControls& page, const PositionPageValues& values);
PositionPageValues ReadPositionValues(const PositionPageControls& page,
                                      const ControlReader& read = ValueReader());

}  // namespace torvana
