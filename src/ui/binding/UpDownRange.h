#pragma once
// Range, step and text rule of every up-down control of the editor pages.

#include <optional>
#include <string_view>

namespace torvana {

struct UpDownRange {
    int min = 0;
    int max = 0;
    int step = 1;
    // The fill steps the position down and up again once it reaches 1000, so
    // that the edit box shows the control's own text for large values.
    bool thousandsStep = false;

    constexpr bool operator==(const UpDownRange&) const = default;
};

namespace Ranges {
constexpr int ThousandsThreshold = 1000;
constexpr UpDownRange EngineSpeed{300, 12500, 50, true};
constexpr UpDownRange Limiter{900, 12500, 50, true};
constexpr UpDownRange PowerOut{0, 12500, 50, true};
constexpr UpDownRange IgnitionCell{0, 60, 1, false};
constexpr UpDownRange InjectionCell{0, 12500, 50, true};
constexpr UpDownRange PositionAngle{0, 720, 5, false};
constexpr UpDownRange ServoVoltage{20, 4980, 20, true};
constexpr UpDownRange ServoHyster{0, 1275, 5, false};
constexpr UpDownRange KnockStart{-60, 79, 1, false};
constexpr UpDownRange KnockEnd{-59, 80, 1, false};
constexpr UpDownRange KnockAlarm{500, 5000, 20, true};
constexpr UpDownRange Tps0{300, 2500, 10, true};
constexpr UpDownRange Tps100{2500, 4900, 10, true};
constexpr UpDownRange AccelThreshold{10, 2500, 10, true};
constexpr UpDownRange AccelSize{0, 7500, 50, true};
constexpr UpDownRange StartJet{0, 50, 1, false};
constexpr UpDownRange TempWarning{0, 110, 1, false};
constexpr UpDownRange Correction{10, 250, 1, false};
constexpr UpDownRange RetardValue{-20, 10, 1, false};
constexpr UpDownRange ChokeTime{0, 250, 1, false};
constexpr UpDownRange ChokeCorrection{100, 350, 1, false};
}  // namespace Ranges

// Pressure axis point i: i + 10 .. i + 241 kPa; the bounds rise with i.
UpDownRange PressureAxisRange(int i);
// Air-temperature axis point i: i - 10 .. i + 101 degC.
UpDownRange RetardTempRange(int i);
// Cells of curve table t: degrees on ignition tables, microseconds otherwise.
UpDownRange CurveCellRange(int t);

// The range of an up-down control by its name ("UpDownOmez1", or an array
// name such as "UpDownTlakTlak" with the element index). nullopt for an
// unknown name, an index outside the array, and "CurveCellUpDown", whose
// range depends on the table (CurveCellRange).
std::optional<UpDownRange> FindUpDownRange(std::string_view name, int index = 0);

// The position the control keeps for a requested value.
constexpr int ClampToRange(int value, const UpDownRange& range)
{
    return value < range.min ? range.min : value > range.max ? range.max : value;
}

}  // namespace torvana
