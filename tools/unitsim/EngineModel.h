#pragma once
// A running engine as a tuner expects to see it on the monitor: the throttle
// is blipped from idle to high revs and back in a fixed cycle, the engine
// warms up, the lambda probe switches. Everything is a pure function of the
// simulated time so that runs repeat exactly.

#include <cstdint>

namespace torvana {

constexpr int EngineCylinders = 3;
constexpr int EngineInjectors = 2 * EngineCylinders;  // A and B per cylinder
constexpr int EnginePowerOutputs = 3;

struct EngineSample {
    int rpm = 0;
    int throttlePercent = 0;
    int throttleMillivolts = 0;
    int lambdaMillivolts = 0;
    int waterCelsius = 0;
    int waterMillivolts = 0;
    int airCelsius = 0;
    int airMillivolts = 0;
    int airPressureDeciKpa = 0;  // 0.1 kPa
    int pressureMillivolts = 0;
    int supplyMillivolts = 0;    // battery, before the unit's 1:11 divider
    int injectionMicros[EngineInjectors] = {};  // 1A, 1B, 2A, 2B, 3A, 3B
    int advanceCentiDegrees[EngineCylinders] = {};
    int positionDegrees[2] = {};  // A, B
    int servoDesiredMillivolts = 0;
    int servoMeasuredMillivolts = 0;
    int waterCorrectionPermille = 0;
    int airCorrectionPermille = 0;
    int pressureCorrectionPermille = 0;
    int startCorrectionPermille = 0;
    int voltageCorrectionMicros = 0;  // signed, 0 = none
    int knockMillivolts[EngineCylinders] = {};
    bool knock[EngineCylinders] = {};
    bool powerOut[EnginePowerOutputs] = {};
    bool waterWarning = false;
    int startTimeTenths = 0;  // time since start, 0.1 s
};

// Running engine at the given time since the unit was switched on.
EngineSample RunningEngine(std::uint64_t milliseconds);

// Ignition on, engine stopped: no speed, closed throttle, ambient temperatures.
EngineSample StoppedEngine(std::uint64_t milliseconds);

}  // namespace torvana
