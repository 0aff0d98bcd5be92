#pragma once
// An engine whose lambda answers the unit's injection table: each cell of
// the table delivers a known share too little or too much fuel, and the
// sensor sees a cell's mixture a transport delay later. It holds steady
// operating points the way a tuner drives a bench or a track session, with
// throttle blips and overrun between them. A pure function of the time and
// the stored table, so that runs repeat exactly.

#include "EngineModel.h"
#include "analysis/TargetLambda.h"
#include "core/ImageLayout.h"

#include <array>
#include <cstdint>

namespace torvana {

struct FuelledEngineSetup {
    std::uint32_t seed = 1;
    int table = 3;  // the injection table whose cells the engine follows (Jet 1A)
    // Fraction each cell's stored value is off from what the engine needs:
    // 0.05 means the cell should hold 5 % more.
    std::array<double, CurveCells> fuelError{};
    LambdaGrid rightLambda = DefaultTargetLambda();  // the mixture with a right table
    int delayMs = 400;
    double noiseLambda = 0.01;  // spread of the reading
    bool narrowBand = false;    // else a wide-band output, 0.5 at 0 V to 1.5 at 5 V
    std::uint64_t routeMs = 30 * 60000;  // the held points come round again after this
    double heldSpread = 0.3;    // how far from its cell a point is held, of the way to the next
    int heldRowsFrom = 2;       // throttle rows the held points use
    int heldRowsTo = 8;
    int heldColumnsFrom = 1;    // and engine-speed columns
    int heldColumnsTo = 12;
};

// The fuel errors that a seed gives: every cell off by up to maxError
// either way.
std::array<double, CurveCells> RandomFuelError(std::uint32_t seed, double maxError);

class FuelledEngine {
public:
    // initial: the set the errors are measured against.
    FuelledEngine(const FuelledEngineSetup& setup, const ParameterImage& initial);

    // The engine at the time, running on the table stored in image.
    EngineSample At(std::uint64_t milliseconds, const ParameterImage& image) const;

    // The lambda the table in image gives at the held point of the cell.
    double LambdaAtCell(int row, int column, const ParameterImage& image) const;

private:
    struct Point {
        int rpm = 0;
        int throttle = 0;
        enum class Kind { Held, Blip, Overrun } kind = Kind::Held;
    };
    Point PointAt(std::uint64_t milliseconds) const;
    double MixtureAt(const Point& point, const ParameterImage& image) const;

    FuelledEngineSetup setup_;
    std::array<int, CurveColumns> rpmAxis_{};     // of the initial set: where the points are held
    std::array<double, CurveCells> rightFuel_{};  // stored units the engine needs
};

}  // namespace torvana
