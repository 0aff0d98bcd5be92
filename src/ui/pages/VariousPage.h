#pragma once
// TabSheet_Ruzne: engine variant, limiters, switches, throttle sensor,
// acceleration enrichment, start injection, warning light, unit version.

#include <array>

#include "ui/pages/ControlReader.h"
#include "ui/binding/VariousPageBinding.h"
#include "core/Header.h"
#include "ui/pages/PageEvents.h"
#include "ui/pages/PageWidgets.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace torvana {

constexpr int LimiterCount = 3;
constexpr int VersionLabelCount = 3;

struct VariousPageControls {
    QComboBox* bike = nullptr;
    std::array<UpDownSpinBox*, LimiterCount> limiters{};  // EditOmez1..3
    QCheckBox* zakazCteni = nullptr;
    QCheckBox* rpm2Krat = nullptr;
    QCheckBox* progHned = nullptr;
    QCheckBox* aktLimiter1 = nullptr;
    QCheckBox* aktRpm = nullptr;
    QCheckBox* aktTlakOleje = nullptr;
    UpDownSpinBox* tps0 = nullptr;
    UpDownSpinBox* tps100 = nullptr;
    QPushButton* tps0Button = nullptr;
    QPushButton* tps100Button = nullptr;
    UpDownSpinBox* akcelPrah = nullptr;
    UpDownSpinBox* akcelJet = nullptr;
    UpDownSpinBox* startJet = nullptr;
    UpDownSpinBox* tempWarning = nullptr;
    std::array<QLabel*, VersionLabelCount> versions{};  // LabelVerze1..3
};

VariousPageControls BuildVariousPage(QWidget* sheet, PageEvents& events);

class RadioGroup;

// The radio groups stand on TabSheet_Poloha but belong to this page's binding too.
void ShowVariousValues(const VariousPageControls& page, const VariousPageValues& values,
                       const HeaderTexts& header, RadioGroup* radioA, RadioGroup* radioB);
VariousPageValues ReadVariousValues(const VariousPageControls& page, const RadioGroup* radioA,
                                    const RadioGroup* radioB, const ControlReader& read = ValueReader());

}  // namespace torvana
