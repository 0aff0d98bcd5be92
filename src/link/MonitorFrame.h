#pragma once
// Byte map of the unit's monitor frame (its answer to the monitor request).
// Offsets count from the frame start; 16-bit fields are low byte first.

#include "link/UnitFrame.h"

#include <cstddef>
#include <cstdint>

namespace torvana {

// Any command whose upper nibble is 1011 is decoded as a monitor frame.
constexpr std::uint8_t MonitorCommandMask = 0xF0;
constexpr std::uint8_t MonitorCommandFamily = 0xB0;

namespace MonitorField {
constexpr std::size_t Command = 0;
constexpr std::size_t Rpm = 1;
constexpr std::size_t PressureSensor = 3;  // ADC
constexpr std::size_t AirPressure = 5;     // 0.1 kPa
constexpr std::size_t StoreRemaining = 7;
constexpr std::size_t TpsSensor = 9;      // ADC
constexpr std::size_t LambdaSensor = 11;  // ADC
constexpr std::size_t WaterSensor = 13;   // ADC
constexpr std::size_t AirSensor = 15;     // ADC
constexpr std::size_t SupplySensor = 17;  // ADC, behind an 11:1 divider
constexpr std::size_t InjectionTime1A = 19;
constexpr std::size_t InjectionTime1B = 21;
constexpr std::size_t InjectionTime2A = 23;
constexpr std::size_t InjectionTime2B = 25;
constexpr std::size_t ServoMeasured = 27;  // ADC
constexpr std::size_t ServoDesired = 29;   // ADC
constexpr std::size_t ProgrammingCount = 31;
constexpr std::size_t TestValues = 33;  // 8 words
constexpr std::size_t StartTime = 49;
constexpr std::size_t TpsPercent = 51;
constexpr std::size_t WaterTemp = 53;  // °C + 100, 0 = sensor error
constexpr std::size_t AirTemp = 54;    // °C + 100, 0 = sensor error
constexpr std::size_t StartLimiter = 55;
constexpr std::size_t RpmFlag1 = 56;
constexpr std::size_t RpmFlag2 = 57;
constexpr std::size_t PowerOutputs = 59;  // 3 bytes
constexpr std::size_t ServoState = 63;    // 0 = fault
constexpr std::size_t TachoLambda = 65;   // 0 = lambda
constexpr std::size_t OilPressure = 66;   // 0 = OK
constexpr std::size_t KnockFlags = 67;    // 3 bytes
constexpr std::size_t WaterWarning = 70;
constexpr std::size_t Advances = 71;  // 3 words, 0.01 degree, 0 = base advance
constexpr std::size_t InjectionTime3A = 77;
constexpr std::size_t InjectionTime3B = 79;
constexpr std::size_t PositionA = 81;
constexpr std::size_t PositionB = 83;
constexpr std::size_t WaterCorrection = 85;     // 0.1 %
constexpr std::size_t AirCorrection = 87;       // 0.1 %
constexpr std::size_t PressureCorrection = 89;  // 0.1 %
constexpr std::size_t StartCorrection = 91;     // 0.1 %
constexpr std::size_t VoltageCorrection = 93;   // µs + VoltageCorrectionBias
constexpr std::size_t KnockLevels = 95;         // 3 words, ADC
constexpr std::size_t Check = 101;
}  // namespace MonitorField

constexpr std::size_t MonitorWordSize = 2;
constexpr int MonitorTestValueCount = 8;
constexpr int MonitorCylinderCount = 3;  // advances, knock flags and levels
constexpr int MonitorPowerOutputCount = 3;
constexpr int VoltageCorrectionBias = 1000;

constexpr int MonitorWord(const std::uint8_t* frame, std::size_t offset)
{
    constexpr int byteBits = 8;
    return frame[offset] | (frame[offset + 1] << byteBits);
}

// A raw 10-bit sensor reading in millivolts, truncated.
constexpr int AdcMillivolts(int adc)
{
    constexpr int referenceMillivolts = 5000;
    constexpr int adcFullScale = 1023;
    return adc * referenceMillivolts / adcFullScale;
}

// Injection time against the two revolutions of one engine cycle, in percent:
// rpm × µs × 100 / (2 × 60 000 000 µs).
constexpr long long InjectionDutyPercent(int rpm, int longestInjectionMicroseconds)
{
    constexpr long long dutyDivisor = 1200000;
    return static_cast<long long>(rpm) * longestInjectionMicroseconds / dutyDivisor;
}

// True when the frame is a monitor frame with a sound check byte.
constexpr bool IsMonitorFrame(const std::uint8_t* frame)
{
    if ((frame[MonitorField::Command] & MonitorCommandMask) != MonitorCommandFamily) {
        return false;
    }
    std::uint8_t total = 0;
    for (int i = 0; i < FrameSize; ++i) {
        total ^= frame[i];
    }
    return total == FrameXorTotal;
}

}  // namespace torvana
