#include "ui/binding/UpDownRange.h"

#include "core/ImageLayout.h"
#include "ui/binding/TablePageBinding.h"

#include <array>

namespace torvana {

namespace {

constexpr int PressureAxisLow = 10;
constexpr int PressureAxisHigh = 241;
constexpr int RetardTempLow = -10;
constexpr int RetardTempHigh = 101;

constexpr int ServoPoints = ServoPageValues::ServoPoints;
constexpr int PressurePoints = CorrectionsPageValues::PressurePoints;
constexpr int RetardPoints = CorrectionsPageValues::RetardPoints;
constexpr int TemperaturePoints = CorrectionsPageValues::TemperaturePoints;

enum class Bounds { Fixed, Pressure, RetardTemp };

struct NamedRange {
    std::string_view name;
    int count;
    UpDownRange range;
    Bounds bounds = Bounds::Fixed;
};

constexpr std::array<NamedRange, 37> NamedRanges = {{
    {"CurveRpmUpDown", CurveColumns, Ranges::EngineSpeed},
    {"UpDownPolohaARpm", AxisLength, Ranges::EngineSpeed},
    {"UpDownPolohaA", AxisLength, Ranges::PositionAngle},
    {"UpDownPolohaBRpm", AxisLength, Ranges::EngineSpeed},
    {"UpDownPolohaB", AxisLength, Ranges::PositionAngle},
    {"UpDownServoRpm", ServoPoints, Ranges::EngineSpeed},
    {"UpDownServoNap", ServoPoints, Ranges::ServoVoltage},
    {"UpDownServoHyster", 1, Ranges::ServoHyster},
    {"UpDownPowerOut1a", 1, Ranges::PowerOut},
    {"UpDownPowerOut1b", 1, Ranges::PowerOut},
    {"UpDownPowerOut2a", 1, Ranges::PowerOut},
    {"UpDownPowerOut2b", 1, Ranges::PowerOut},
    {"UpDownPowerOut3a", 1, Ranges::PowerOut},
    {"UpDownPowerOut3b", 1, Ranges::PowerOut},
    {"UpDownKnockRpm", KnockIndexCount, Ranges::EngineSpeed},
    {"UpDownKnockStart", KnockIndexCount, Ranges::KnockStart},
    {"UpDownKnockEnd", KnockIndexCount, Ranges::KnockEnd},
    {"UpDownKnockAlarm", KnockIndexCount, Ranges::KnockAlarm},
    {"UpDownOmez1", 1, Ranges::Limiter},
    {"UpDownOmez2", 1, Ranges::Limiter},
    {"UpDownOmez3", 1, Ranges::Limiter},
    {"UpDownTps0", 1, Ranges::Tps0},
    {"UpDownTps100", 1, Ranges::Tps100},
    {"UpDownAkcelPrah", 1, Ranges::AccelThreshold},
    {"UpDownAkcelJet", 1, Ranges::AccelSize},
    {"UpDownStartJet", 1, Ranges::StartJet},
    {"UpDownTempWarning", 1, Ranges::TempWarning},
    {"UpDownTlakTlak", PressurePoints, {}, Bounds::Pressure},
    {"UpDownTlakKor", PressurePoints, Ranges::Correction},
    {"UpDownVoda", TemperaturePoints, Ranges::Correction},
    {"UpDownVzduch", TemperaturePoints, Ranges::Correction},
    {"UpDownRetardTemp", RetardPoints, {}, Bounds::RetardTemp},
    {"UpDownRetardRetard", RetardPoints, Ranges::RetardValue},
    {"UpDownSyticCas1", 1, Ranges::ChokeTime},
    {"UpDownSyticCas2", 1, Ranges::ChokeTime},
    {"UpDownSyticCas3", 1, Ranges::ChokeTime},
    {"UpDownSyticCas4", 1, Ranges::ChokeTime},
}};

constexpr std::array<std::string_view, 4> ChokeCorrectionNames = {
    "UpDownSyticKorekce0", "UpDownSyticKorekce1", "UpDownSyticKorekce2", "UpDownSyticKorekce3"};

}  // namespace

UpDownRange PressureAxisRange(int i) { return {i + PressureAxisLow, i + PressureAxisHigh, 1, false}; }

UpDownRange RetardTempRange(int i) { return {i + RetardTempLow, i + RetardTempHigh, 1, false}; }

UpDownRange CurveCellRange(int t) { return IsIgnitionCurve(t) ? Ranges::IgnitionCell : Ranges::InjectionCell; }

std::optional<UpDownRange> FindUpDownRange(std::string_view name, int index)
{
    for (const std::string_view choke : ChokeCorrectionNames)
        if (name == choke && index == 0)
            return Ranges::ChokeCorrection;
    for (const NamedRange& entry : NamedRanges) {
        if (entry.name != name)
            continue;
        if (index < 0 || index >= entry.count)
            return std::nullopt;
        switch (entry.bounds) {
        case Bounds::Pressure:
            return PressureAxisRange(index);
        case Bounds::RetardTemp:
            return RetardTempRange(index);
        case Bounds::Fixed:
            return entry.range;
        }
    }
    return std::nullopt;
}

}  // namespace torvana
