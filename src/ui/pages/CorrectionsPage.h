#pragma once
// TabSheet_Korekce: pressure, advance-by-air-temperature, coolant and air
// temperature, and after-start corrections.

#include <array>

#include "ui/pages/ControlReader.h"
#include "ui/binding/TablePageBinding.h"
#include "ui/pages/PageEvents.h"
#include "ui/pages/PageWidgets.h"

class QGroupBox;
class QLabel;
class QWidget;

namespace torvana {

constexpr int PressurePoints = 10;
constexpr int RetardPoints = 10;
constexpr int TemperaturePoints = 5;
constexpr int ChokePoints = 4;

struct CorrectionsPageControls {
    std::array<UpDownSpinBox*, PressurePoints> tlakTlak{};
    std::array<UpDownSpinBox*, PressurePoints> tlakKor{};
    std::array<UpDownSpinBox*, RetardPoints> retardTemp{};
    std::array<UpDownSpinBox*, RetardPoints> retardRetard{};
    std::array<UpDownSpinBox*, TemperaturePoints> voda{};
    std::array<UpDownSpinBox*, TemperaturePoints> vzduch{};
    std::array<UpDownSpinBox*, ChokePoints> syticCas{};      // EditSyticCas1..4
    std::array<UpDownSpinBox*, ChokePoints> syticKorekce{};  // EditSyticKorekce0..3
    QLabel* syticCas0 = nullptr;
    QLabel* syticKorekce4 = nullptr;
};

CorrectionsPageControls BuildCorrectionsPage(QWidget* sheet, PageEvents& events);

void ShowCorrectionsValues(const CorrectionsPageControls& page, const CorrectionsPageValues& values);
CorrectionsPageValues ReadCorrectionsValues(const CorrectionsPageControls& page,
                                            const ControlReader& read = ValueReader());

}  // namespace torvana
