#include "core/Normalise.h"

namespace torvana {
namespace {

constexpr int LimiterCount = 3;
constexpr std::uint8_t LimiterMin = 10;   // 500 rpm
constexpr std::uint8_t LimiterMax = 250;  // 12500 rpm

// Axis point i lies within i + 3 .. i + 236, so fifteen strictly increasing
// points always fit into 3..250.
constexpr int AxisLowBase = 3;
constexpr int AxisHighBase = 236;
constexpr int KnockRpmHighBase = 246;
constexpr int KnockRpmHighDivisor = 3;

// A servo voltage of 0 or above 249 is replaced by the lowest step, not clamped.
constexpr std::uint8_t VoltServoInvalid = 0;
constexpr std::uint8_t VoltServoMax = 249;
constexpr std::uint8_t VoltServoFallback = 1;

constexpr std::uint8_t InjectionPositionMax = 240;  // 1200 degrees
constexpr std::uint8_t IgnitionCellMax = 60;
constexpr std::uint8_t InjectionCellMax = 250;
constexpr std::uint8_t TpsMax = 250;
constexpr std::uint8_t StartJetMax = 50;

constexpr int PressurePoints = 10;
constexpr int RetardPoints = 10;
constexpr int ChokePoints = 4;
constexpr int ChokeTimeHighBase = 247;
constexpr std::uint8_t ChokeCorrectionMax = 250;
constexpr int PowerOutputs = 3;

constexpr std::uint8_t BikeMax = BikeCount - 1;
constexpr std::uint8_t LanguageMax = 3;
constexpr std::uint8_t LanguageFallback = 0;  // English
constexpr std::uint8_t ComPortMax = 10;
constexpr std::uint8_t ComPortFallback = 1;

void RaiseTo(std::uint8_t& value, int bound)
{
    if (value < bound) {
        value = static_cast<std::uint8_t>(bound);
    }
}

void LowerTo(std::uint8_t& value, int bound)
{
    if (value > bound) {
        value = static_cast<std::uint8_t>(bound);
    }
}

// Stored arithmetic wraps: after 255 comes 0.
void MakeGreater(std::uint8_t& value, std::uint8_t previous)
{
    if (value <= previous) {
        value = static_cast<std::uint8_t>(previous + 1);
    }
}

void MakeIncreasing(ParameterImage& image, std::size_t offset, int count)
{
    for (int i = 1; i < count; ++i) {
        MakeGreater(image[offset + i], image[offset + i - 1]);
    }
}

void NormaliseLimiters(ParameterImage& image)
{
    std::uint8_t& start = image[Offset::Limiter];
    RaiseTo(start, LimiterMin);
    LowerTo(start, LimiterMax);
    for (int i = 1; i < LimiterCount; ++i) {
        std::uint8_t& limiter = image[Offset::Limiter + i];
        RaiseTo(limiter, LimiterMin);
        LowerTo(limiter, LimiterMax);
        RaiseTo(limiter, start);
    }
}

void BoundPoint(ParameterImage& image, int i)
{
    for (std::size_t axis : EngineSpeedAxes) {
        RaiseTo(image[axis + i], i + AxisLowBase);
    }
    std::uint8_t& voltServo = image[Offset::VoltServo + i];
    if (voltServo == VoltServoInvalid) {
        voltServo = VoltServoFallback;
    }
    std::uint8_t& knockRpm = image[KnockOffset(KnockArray::Rpm, i)];
    RaiseTo(knockRpm, i + AxisLowBase);
    for (std::size_t axis : EngineSpeedAxes) {
        LowerTo(image[axis + i], i + AxisHighBase);
    }
    if (voltServo > VoltServoMax) {
        voltServo = VoltServoFallback;
    }
    LowerTo(image[Offset::PositionA + i], InjectionPositionMax);
    LowerTo(image[Offset::PositionB + i], InjectionPositionMax);
    LowerTo(knockRpm, KnockRpmHighBase + i / KnockRpmHighDivisor);
    MakeGreater(image[KnockOffset(KnockArray::End, i)], image[KnockOffset(KnockArray::Start, i)]);
}

void BoundCells(ParameterImage& image)
{
    for (int table = 0; table < CurveCount; ++table) {
        const std::uint8_t cellMax = IsIgnitionCurve(table) ? IgnitionCellMax : InjectionCellMax;
        for (int cell = 0; cell < CurveCells; ++cell) {
            LowerTo(image[CurveTableOffset(table) + cell], cellMax);
        }
    }
}

void NormaliseChoke(ParameterImage& image)
{
    for (int i = 0; i < ChokePoints; ++i) {
        std::uint8_t& time = image[Offset::ChokeTime + i];
        RaiseTo(time, i);
        LowerTo(time, ChokeTimeHighBase + i);
        LowerTo(image[Offset::ChokeCorrection + i], ChokeCorrectionMax);
    }
    MakeIncreasing(image, Offset::ChokeTime, ChokePoints);
}

}  // namespace

void NormaliseImage(ParameterImage& image, OutsideBounds outside)
{
    NormaliseLimiters(image);

    for (int i = 0; i < AxisLength; ++i) {
        BoundPoint(image, i);
    }
    for (std::size_t axis : EngineSpeedAxes) {
        MakeIncreasing(image, axis, AxisLength);
    }
    // Each cylinder has its own knock points; the cylinders are not ordered
    // against each other.
    for (int cylinder = 0; cylinder < KnockCylinders; ++cylinder) {
        MakeIncreasing(image, KnockOffset(KnockArray::Rpm, KnockPoints * cylinder), KnockPoints);
    }

    BoundCells(image);

    LowerTo(image[Offset::Tps0], TpsMax);
    LowerTo(image[Offset::Tps100], TpsMax);
    LowerTo(image[Offset::StartJet], StartJetMax);

    MakeIncreasing(image, Offset::DruckAxis, PressurePoints);
    NormaliseChoke(image);
    MakeIncreasing(image, Offset::RetardTemp, RetardPoints);

    for (int output = 0; output < PowerOutputs; ++output) {
        RaiseTo(image[Offset::PowerOutLevel2 + output], image[Offset::PowerOutLevel1 + output]);
    }

    LowerTo(image[Offset::Bike], BikeMax);

    if (outside.languageIndex && *outside.languageIndex > LanguageMax) {
        *outside.languageIndex = LanguageFallback;
    }
    if (outside.comPortNumber && *outside.comPortNumber > ComPortMax) {
        *outside.comPortNumber = ComPortFallback;
    }
}

}  // namespace torvana
