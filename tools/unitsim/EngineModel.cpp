#include "EngineModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace torvana {

namespace {

// Throttle cycle: idle, open over three seconds, hold, close, idle again.
constexpr std::uint64_t CycleMilliseconds = 12000;
constexpr std::uint64_t OpenStart = 2000;
constexpr std::uint64_t OpenEnd = 5000;
constexpr std::uint64_t CloseStart = 7000;
constexpr std::uint64_t CloseEnd = 9000;
constexpr int FullThrottle = 100;
constexpr std::uint64_t RpmLagMilliseconds = 400;

constexpr int IdleRpm = 1200;
constexpr int TopRpm = 9000;
constexpr int IdleRippleRpm = 30;
constexpr double IdleRipplePeriod = 700.0;

constexpr int ThrottleClosedMillivolts = 500;
constexpr int ThrottleMillivoltsPerPercent = 40;

constexpr double AmbientCelsius = 20.0;
constexpr double WaterHotCelsius = 85.0;
constexpr double WaterWarmUpMilliseconds = 90000.0;
constexpr double AirHotCelsius = 32.0;
constexpr double AirWarmUpMilliseconds = 240000.0;
constexpr int WaterWarningCelsius = 105;
// Temperature sensors read lower voltages when hot (NTC to ground).
constexpr int NtcColdMillivolts = 4700;
constexpr int NtcMillivoltsPerCelsius = 40;
constexpr int NtcLowestMillivolts = 100;

constexpr int AirPressureDeciKpa = 985;
constexpr int StandardPressureDeciKpa = 1013;
constexpr int PressureMillivoltsPerDeciKpa = 4;

constexpr int LambdaCentreMillivolts = 475;
constexpr int LambdaSwingMillivolts = 325;
constexpr double LambdaPeriod = 900.0;
constexpr int ColdLambdaMillivolts = 450;

constexpr int ChargingMillivolts = 13800;
constexpr int ChargingRippleMillivolts = 100;
constexpr double ChargingRipplePeriod = 3000.0;
constexpr int BatteryRestMillivolts = 12600;
constexpr int VoltageReferenceMillivolts = 14000;
constexpr int VoltageCorrectionDivisor = 10;

constexpr int BaseInjectionMicros = 1800;
constexpr int InjectionMicrosPerPercent = 70;
constexpr int SecondaryThresholdPercent = 40;
constexpr int SecondaryMicrosPerPercent = 80;
// Per-cylinder trim in permille: the three cylinders never read quite alike.
constexpr int CylinderTrimPermille[EngineCylinders] = {1000, 1020, 990};

constexpr int IdleAdvanceCentiDegrees = 1000;
constexpr int AdvanceRiseCentiDegrees = 2400;
constexpr int AdvanceRiseEndRpm = 7000;
constexpr int AdvanceLoadCentiDegreesPerPercent = 3;
constexpr int KnockRetardCentiDegrees = 300;

constexpr int PositionADegrees = 360;
constexpr int PositionBDegrees = 420;
constexpr int ServoBaseMillivolts = 2000;
constexpr int ServoRpmPerMillivolt = 6;
constexpr int ServoLagMillivolts = 20;

constexpr int Permille = 1000;
constexpr int WaterCorrectionPerCelsius = 3;
constexpr int AirCorrectionPerCelsius = 2;
constexpr int StartEnrichmentPermille = 300;
constexpr std::uint64_t StartEnrichmentMilliseconds = 60000;

constexpr int KnockNoiseMillivolts = 300;
constexpr int KnockRpmDivisor = 20;
constexpr int KnockCylinderStepMillivolts = 30;
constexpr int KnockBurstMillivolts = 1200;
constexpr int KnockRpm = 8500;
constexpr int KnockingCylinder = 1;  // the middle cylinder runs hottest
constexpr int StoppedKnockMillivolts = 20;

constexpr int PowerOut1Rpm = 5000;
constexpr int PowerOut2Rpm = 7000;
constexpr int FanCelsius = 80;

constexpr std::uint64_t MillisecondsPerTenth = 100;
constexpr int LargestStartTime = 65535;

int ThrottleAt(std::uint64_t milliseconds)
{
    const std::uint64_t phase = milliseconds % CycleMilliseconds;
    if (phase < OpenStart || phase >= CloseEnd)
        return 0;
    if (phase < OpenEnd)
        return static_cast<int>(FullThrottle * (phase - OpenStart) / (OpenEnd - OpenStart));
    if (phase < CloseStart)
        return FullThrottle;
    return static_cast<int>(FullThrottle * (CloseEnd - phase) / (CloseEnd - CloseStart));
}

double Wave(std::uint64_t milliseconds, double period)
{
    return std::sin(2.0 * std::numbers::pi * static_cast<double>(milliseconds) / period);
}

double WarmUp(std::uint64_t milliseconds, double hot, double timeConstant)
{
    return hot - (hot - AmbientCelsius) * std::exp(-static_cast<double>(milliseconds) / timeConstant);
}

int NtcMillivolts(int celsius)
{
    return std::max(NtcLowestMillivolts, NtcColdMillivolts - NtcMillivoltsPerCelsius * celsius);
}

void FillCommon(EngineSample& s)
{
    s.throttleMillivolts = ThrottleClosedMillivolts + ThrottleMillivoltsPerPercent * s.throttlePercent;
    s.waterMillivolts = NtcMillivolts(s.waterCelsius);
    s.airMillivolts = NtcMillivolts(s.airCelsius);
    s.airPressureDeciKpa = AirPressureDeciKpa;
    s.pressureMillivolts = PressureMillivoltsPerDeciKpa * AirPressureDeciKpa;
    s.positionDegrees[0] = PositionADegrees;
    s.positionDegrees[1] = PositionBDegrees;
    s.voltageCorrectionMicros = (VoltageReferenceMillivolts - s.supplyMillivolts) / VoltageCorrectionDivisor;
    s.pressureCorrectionPermille = Permille * StandardPressureDeciKpa / AirPressureDeciKpa;
    s.waterWarning = s.waterCelsius > WaterWarningCelsius;
}

}  // namespace

EngineSample RunningEngine(std::uint64_t milliseconds)
{
    EngineSample s;
    s.throttlePercent = ThrottleAt(milliseconds);
    const std::uint64_t lagged = milliseconds > RpmLagMilliseconds ? milliseconds - RpmLagMilliseconds : 0;
    const int load = ThrottleAt(lagged);
    s.rpm = IdleRpm + (TopRpm - IdleRpm) * load / FullThrottle;
    if (load == 0)
        s.rpm += static_cast<int>(IdleRippleRpm * Wave(milliseconds, IdleRipplePeriod));

    s.waterCelsius = static_cast<int>(WarmUp(milliseconds, WaterHotCelsius, WaterWarmUpMilliseconds));
    s.airCelsius = static_cast<int>(WarmUp(milliseconds, AirHotCelsius, AirWarmUpMilliseconds));
    s.lambdaMillivolts = LambdaCentreMillivolts +
                         static_cast<int>(LambdaSwingMillivolts * Wave(milliseconds, LambdaPeriod));
    s.supplyMillivolts = ChargingMillivolts +
                         static_cast<int>(ChargingRippleMillivolts * Wave(milliseconds, ChargingRipplePeriod));
    FillCommon(s);

    s.waterCorrectionPermille =
        Permille + WaterCorrectionPerCelsius * std::max(0, static_cast<int>(WaterHotCelsius) - s.waterCelsius);
    s.airCorrectionPermille =
        Permille - AirCorrectionPerCelsius * (s.airCelsius - static_cast<int>(AmbientCelsius));
    s.startCorrectionPermille = Permille;
    if (milliseconds < StartEnrichmentMilliseconds)
        s.startCorrectionPermille += static_cast<int>(StartEnrichmentPermille *
                                                      (StartEnrichmentMilliseconds - milliseconds) /
                                                      StartEnrichmentMilliseconds);

    const long long correction = static_cast<long long>(s.waterCorrectionPermille) * s.airCorrectionPermille /
                                 Permille * s.startCorrectionPermille / Permille;
    const int primary = BaseInjectionMicros + InjectionMicrosPerPercent * load;
    const int secondary = std::max(0, load - SecondaryThresholdPercent) * SecondaryMicrosPerPercent;

    const bool knocking = s.rpm > KnockRpm && load == FullThrottle;
    for (int cylinder = 0; cylinder < EngineCylinders; ++cylinder) {
        const long long trim = correction * CylinderTrimPermille[cylinder] / Permille;
        s.injectionMicros[2 * cylinder] =
            static_cast<int>(primary * trim / Permille) + s.voltageCorrectionMicros;
        s.injectionMicros[2 * cylinder + 1] = secondary == 0 ? 0 : static_cast<int>(secondary * trim / Permille);

        s.knock[cylinder] = knocking && cylinder == KnockingCylinder;
        s.knockMillivolts[cylinder] = KnockNoiseMillivolts + s.rpm / KnockRpmDivisor +
                                      KnockCylinderStepMillivolts * cylinder +
                                      (s.knock[cylinder] ? KnockBurstMillivolts : 0);
        s.advanceCentiDegrees[cylinder] = IdleAdvanceCentiDegrees +
                                          AdvanceRiseCentiDegrees * std::min(s.rpm, AdvanceRiseEndRpm) /
                                              AdvanceRiseEndRpm -
                                          AdvanceLoadCentiDegreesPerPercent * load -
                                          (s.knock[cylinder] ? KnockRetardCentiDegrees : 0);
    }

    s.servoDesiredMillivolts = ServoBaseMillivolts + s.rpm / ServoRpmPerMillivolt;
    s.servoMeasuredMillivolts = s.servoDesiredMillivolts - ServoLagMillivolts;
    s.powerOut[0] = s.rpm > PowerOut1Rpm;
    s.powerOut[1] = s.rpm > PowerOut2Rpm;
    s.powerOut[2] = s.waterCelsius > FanCelsius;
    s.startTimeTenths =
        static_cast<int>(std::min<std::uint64_t>(milliseconds / MillisecondsPerTenth, LargestStartTime));
    return s;
}

EngineSample StoppedEngine(std::uint64_t)
{
    EngineSample s;
    s.waterCelsius = static_cast<int>(AmbientCelsius);
    s.airCelsius = static_cast<int>(AmbientCelsius);
    s.lambdaMillivolts = ColdLambdaMillivolts;
    s.supplyMillivolts = BatteryRestMillivolts;
    FillCommon(s);
    s.waterCorrectionPermille = Permille;
    s.airCorrectionPermille = Permille;
    s.startCorrectionPermille = Permille;
    s.servoDesiredMillivolts = ServoBaseMillivolts;
    s.servoMeasuredMillivolts = ServoBaseMillivolts;
    for (int& level : s.knockMillivolts)
        level = StoppedKnockMillivolts;
    return s;
}

}  // namespace torvana
