#pragma once
// The knock page: per cylinder five engine-speed points, each with its own
// filter, gain, window and alarm settings.

#include <array>

#include "ui/pages/ControlReader.h"
#include "core/ImageLayout.h"
#include "ui/binding/KnockPageBinding.h"
#include "ui/pages/UpDownSpinBox.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

namespace torvana {

class PageEvents;

constexpr int KnockRowCount = 9;
constexpr int KnockBevelCount = 2;

template <typename T>
using KnockColumns = std::array<T*, KnockIndexCount>;

struct KnockPageControls {
    QGroupBox* groupBox = nullptr;
    std::array<QLabel*, KnockRowCount> rowLabels{};
    KnockColumns<UpDownSpinBox> rpm{};
    KnockColumns<QComboBox> knockFrek{};
    KnockColumns<QComboBox> refFrek{};
    KnockColumns<QComboBox> level{};
    KnockColumns<QCheckBox> higherGain{};
    KnockColumns<QComboBox> timeConst{};
    KnockColumns<UpDownSpinBox> start{};
    KnockColumns<UpDownSpinBox> end{};
    KnockColumns<UpDownSpinBox> alarm{};
    std::array<QLabel*, KnockCylinders> cylinderLabels{};
    std::array<QFrame*, KnockBevelCount> bevels{};
};

// Left edge of knock column c: the cylinders' groups stand apart.
int KnockColumnLeft(int column);

KnockPageControls BuildKnockPage(QWidget* sheet, PageEvents& events);

void ShowKnockValues(const KnockPageControls& page, const KnockPageValues& values);
KnockPageValues ReadKnockValues(const KnockPageControls& page, const ControlReader& read = ValueReader());

}  // namespace torvana
