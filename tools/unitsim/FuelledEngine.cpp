#include "FuelledEngine.h"

#include "analysis/CellWeights.h"

#include <algorithm>
#include <cmath>

namespace torvana {

namespace {

constexpr std::uint64_t SegmentMs = 4000;
constexpr std::uint64_t RampMs = 800;
constexpr std::uint64_t BlipStartMs = 1800;
constexpr std::uint64_t BlipMs = 1200;
constexpr std::uint64_t OverrunEvery = 7;
constexpr std::uint64_t BlipEvery = 5;
constexpr int FullThrottle = 100;
constexpr int OverrunEndRpm = 1400;
constexpr double BlipLambda = 0.78;    // the acceleration enrichment's mixture
constexpr double OverrunLambda = 1.6;  // fuel cut: the sensor reads air
constexpr double LambdaAtZeroVolts = 0.5;
constexpr double LambdaSpan = 1.0;
constexpr double FullScaleMillivolts = 5000.0;
constexpr int NarrowRichMillivolts = 800;
constexpr int NarrowLeanMillivolts = 100;
constexpr double NarrowSwitchWidth = 0.01;  // lambda over which the step happens
constexpr int NarrowMidMillivolts = 450;
constexpr int ThrottleClosedMillivolts = 500;
constexpr int ThrottleMillivoltsPerPercent = 40;
constexpr int MicrosPerStep = 50;

std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// 0..1 from the seed and up to two numbers.
double Uniform(std::uint32_t seed, std::uint64_t a, std::uint64_t b = 0)
{
    constexpr double Scale = 1.0 / 9007199254740992.0;  // 2^-53
    return static_cast<double>(Mix(Mix(Mix(seed) ^ a) ^ b) >> 11) * Scale;
}

// Roughly normal, unit spread: the sum of three uniforms.
double Noise(std::uint32_t seed, std::uint64_t a)
{
    constexpr double Centre = 1.5;
    constexpr double UnitSpread = 2.0;  // 1 / sqrt(3 / 12)
    return (Uniform(seed, a, 1) + Uniform(seed, a, 2) + Uniform(seed, a, 3) - Centre) * UnitSpread;
}

int Between(int from, int to, double share)
{
    return from + static_cast<int>(std::lround((to - from) * share));
}

}  // namespace

std::array<double, CurveCells> RandomFuelError(std::uint32_t seed, double maxError)
{
    std::array<double, CurveCells> error{};
    for (int k = 0; k < CurveCells; ++k)
        error[k] = (2 * Uniform(seed, k, 7) - 1) * maxError;
    return error;
}

FuelledEngine::FuelledEngine(const FuelledEngineSetup& setup, const ParameterImage& initial)
    : setup_(setup), rpmAxis_(RpmAxisOf(initial, setup.table))
{
    for (int k = 0; k < CurveCells; ++k)
        rightFuel_[k] = initial[CurveTableOffset(setup.table) + k] * (1.0 + setup.fuelError[k]);
}

FuelledEngine::Point FuelledEngine::PointAt(std::uint64_t milliseconds) const
{
    const std::uint64_t segment = milliseconds % std::max(setup_.routeMs, SegmentMs) / SegmentMs;
    const std::uint64_t phase = milliseconds % SegmentMs;
    const auto held = [this](std::uint64_t n) {
        const int row = Between(setup_.heldRowsFrom, setup_.heldRowsTo, Uniform(setup_.seed, n, 11));
        const int column = Between(setup_.heldColumnsFrom, setup_.heldColumnsTo, Uniform(setup_.seed, n, 12));
        const double across = (2 * Uniform(setup_.seed, n, 13) - 1) * setup_.heldSpread;
        const double down = (2 * Uniform(setup_.seed, n, 14) - 1) * setup_.heldSpread;
        const int nextColumn = std::clamp(column + (across < 0 ? -1 : 1), 0, CurveColumns - 1);
        const int nextRow = std::clamp(row + (down < 0 ? -1 : 1), 0, CurveRows - 1);
        return Point{Between(rpmAxis_[column], rpmAxis_[nextColumn], std::abs(across)),
                     Between(TpsAxis[row], TpsAxis[nextRow], std::abs(down)), Point::Kind::Held};
    };
    const Point here = held(segment);
    if (segment % OverrunEvery == OverrunEvery - 1) {
        const Point before = held(segment - 1);
        return {Between(before.rpm, OverrunEndRpm, static_cast<double>(phase) / SegmentMs), 0, Point::Kind::Overrun};
    }
    const Point before = segment == 0 ? here : held(segment - 1);
    if (phase < RampMs) {
        const double share = static_cast<double>(phase) / RampMs;
        return {Between(before.rpm, here.rpm, share), Between(before.throttle, here.throttle, share),
                Point::Kind::Held};
    }
    if (segment % BlipEvery == BlipEvery - 1 && phase >= BlipStartMs && phase < BlipStartMs + BlipMs)
        return {here.rpm, FullThrottle, Point::Kind::Blip};
    return here;
}

double FuelledEngine::MixtureAt(const Point& point, const ParameterImage& image) const
{
    if (point.kind == Point::Kind::Blip)
        return BlipLambda;
    if (point.kind == Point::Kind::Overrun)
        return OverrunLambda;
    const CellShares shares =
        ShareOperatingPoint(RpmAxisOf(image, setup_.table), point.rpm, point.throttle, SampleSplit::Bilinear);
    double need = 0;
    double delivered = 0;
    double right = 0;
    for (int i = 0; i < shares.count; ++i) {
        const CellShare& s = shares.shares[i];
        need += s.weight * rightFuel_[s.row * CurveColumns + s.column];
        delivered += s.weight * image[CurveCellOffset(setup_.table, s.row, s.column)];
        right += s.weight * setup_.rightLambda[s.row][s.column];
    }
    return delivered > 0 ? right * need / delivered : OverrunLambda;
}

double FuelledEngine::LambdaAtCell(int row, int column, const ParameterImage& image) const
{
    const double delivered = image[CurveCellOffset(setup_.table, row, column)];
    const double need = rightFuel_[row * CurveColumns + column];
    return delivered > 0 ? setup_.rightLambda[row][column] * need / delivered : OverrunLambda;
}

EngineSample FuelledEngine::At(std::uint64_t milliseconds, const ParameterImage& image) const
{
    EngineSample s = RunningEngine(milliseconds);
    const Point now = PointAt(milliseconds);
    s.rpm = now.rpm;
    s.throttlePercent = now.throttle;
    s.throttleMillivolts = ThrottleClosedMillivolts + ThrottleMillivoltsPerPercent * now.throttle;
    const auto delay = static_cast<std::uint64_t>(std::max(setup_.delayMs, 0));
    const Point seen = PointAt(milliseconds > delay ? milliseconds - delay : 0);
    const double lambda = MixtureAt(seen, image) * (1.0 + setup_.noiseLambda * Noise(setup_.seed, milliseconds));
    if (setup_.narrowBand) {
        const double step = std::clamp((1.0 - lambda) / NarrowSwitchWidth, -1.0, 1.0);
        s.lambdaMillivolts = step >= 0 ? Between(NarrowMidMillivolts, NarrowRichMillivolts, step)
                                       : Between(NarrowMidMillivolts, NarrowLeanMillivolts, -step);
    } else {
        s.lambdaMillivolts = static_cast<int>(
            std::clamp((lambda - LambdaAtZeroVolts) / LambdaSpan * FullScaleMillivolts, 0.0, FullScaleMillivolts));
    }
    const CellShares shares =
        ShareOperatingPoint(RpmAxisOf(image, setup_.table), now.rpm, now.throttle, SampleSplit::Bilinear);
    double stored = 0;
    for (int i = 0; i < shares.count; ++i)
        stored += shares.shares[i].weight *
                  image[CurveCellOffset(setup_.table, shares.shares[i].row, shares.shares[i].column)];
    const int injection = static_cast<int>(std::lround(stored * MicrosPerStep));
    for (int cylinder = 0; cylinder < EngineCylinders; ++cylinder)
        s.injectionMicros[2 * cylinder] = injection;
    return s;
}

}  // namespace torvana
