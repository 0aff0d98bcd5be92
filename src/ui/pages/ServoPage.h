#pragma once
// TabSheet_Servo: the exhaust servo table and the three switched power outputs.

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

constexpr int PowerOutputCount = 3;

struct ServoPageControls {
    QGroupBox* groupBox = nullptr;
    QLabel* rpmLabel = nullptr;
    QLabel* voltageLabel = nullptr;
    std::array<UpDownSpinBox*, RowLength> rpm{};
    std::array<UpDownSpinBox*, RowLength> voltage{};
    QCheckBox* all = nullptr;
    QPushButton* minus = nullptr;
    QPushButton* plus = nullptr;
    QCheckBox* enable = nullptr;
    QLabel* hysterLabel = nullptr;
    UpDownSpinBox* hyster = nullptr;
    QGroupBox* powerOutGroup = nullptr;
    std::array<UpDownSpinBox*, PowerOutputCount> level1{};  // EditPowerOut1a..3a
    std::array<UpDownSpinBox*, PowerOutputCount> level2{};  // EditPowerOut1b..3b
    std::array<QCheckBox*, PowerOutputCount> reversed{};
};

ServoPageControls BuildServoPage(QWidget* sheet, PageEvents& events);

void ShowServoValues(const ServoPageControls& page, const ServoPageValues& values);
ServoPageValues ReadServoValues(const ServoPageControls& page, const ControlReader& read = ValueReader());

}  // namespace torvana
