#include "MonitorEncoder.h"

#include <algorithm>

namespace torvana {

namespace {

namespace At {
constexpr int Rpm = 1;
constexpr int PressureSensor = 3;
constexpr int AirPressure = 5;
constexpr int StoreRemaining = 7;
constexpr int ThrottleSensor = 9;
constexpr int LambdaSensor = 11;
constexpr int WaterSensor = 13;
constexpr int AirSensor = 15;
constexpr int SupplySensor = 17;
constexpr int Injection1A = 19;  // 1A, 1B, 2A, 2B in steps of 2
constexpr int ServoMeasured = 27;
constexpr int ServoDesired = 29;
constexpr int Programmings = 31;
constexpr int TestValue1 = 33;
constexpr int StartTime = 49;
constexpr int ThrottlePercent = 51;
constexpr int WaterCelsius = 53;
constexpr int AirCelsius = 54;
constexpr int PowerOut1 = 59;  // 3
constexpr int ServoState = 63;
constexpr int TachoLambdaMode = 65;
constexpr int KnockFlag1 = 67;  // 3
constexpr int WaterWarning = 70;
constexpr int Advance1 = 71;  // 3 words
constexpr int Injection3A = 77;  // 3A, 3B
constexpr int PositionA = 81;  // A, B
constexpr int WaterCorrection = 85;
constexpr int AirCorrection = 87;
constexpr int PressureCorrection = 89;
constexpr int StartCorrection = 91;
constexpr int VoltageCorrection = 93;
constexpr int KnockLevel1 = 95;  // 3 words
}  // namespace At

constexpr int WordSize = 2;
constexpr int ByteBits = 8;
constexpr int ByteMask = 0xFF;
constexpr int AdcFullScale = 1023;
constexpr int ReferenceMillivolts = 5000;
constexpr int SupplyDivider = 11;
constexpr int TemperatureBias = 100;
constexpr int VoltageCorrectionBias = 1000;
constexpr std::uint8_t ServoOk = 1;
constexpr std::uint8_t LambdaMode = 0;

void PutByte(UnitFrame& frame, int offset, int value)
{
    frame[offset] = static_cast<std::uint8_t>(value & ByteMask);
}

void PutWord(UnitFrame& frame, int offset, int value)
{
    const int word = std::clamp(value, 0, 0xFFFF);
    PutByte(frame, offset, word);
    PutByte(frame, offset + 1, word >> ByteBits);
}

}  // namespace

int AdcOfMillivolts(int millivolts)
{
    return std::clamp(millivolts * AdcFullScale / ReferenceMillivolts, 0, AdcFullScale);
}

UnitFrame EncodeMonitorFrame(const EngineSample& s, const UnitCounters& counters)
{
    UnitFrame frame{};
    frame[FrameCommandIndex] = Command::MonitorReply;
    PutWord(frame, At::Rpm, s.rpm);
    PutWord(frame, At::PressureSensor, AdcOfMillivolts(s.pressureMillivolts));
    PutWord(frame, At::AirPressure, s.airPressureDeciKpa);
    PutWord(frame, At::StoreRemaining, counters.storeRemaining);
    PutWord(frame, At::ThrottleSensor, AdcOfMillivolts(s.throttleMillivolts));
    PutWord(frame, At::LambdaSensor, AdcOfMillivolts(s.lambdaMillivolts));
    PutWord(frame, At::WaterSensor, AdcOfMillivolts(s.waterMillivolts));
    PutWord(frame, At::AirSensor, AdcOfMillivolts(s.airMillivolts));
    PutWord(frame, At::SupplySensor, AdcOfMillivolts(s.supplyMillivolts / SupplyDivider));
    for (int i = 0; i < 4; ++i)
        PutWord(frame, At::Injection1A + WordSize * i, s.injectionMicros[i]);
    PutWord(frame, At::Injection3A, s.injectionMicros[4]);
    PutWord(frame, At::Injection3A + WordSize, s.injectionMicros[5]);
    PutWord(frame, At::ServoMeasured, AdcOfMillivolts(s.servoMeasuredMillivolts));
    PutWord(frame, At::ServoDesired, AdcOfMillivolts(s.servoDesiredMillivolts));
    PutWord(frame, At::Programmings, counters.programmings);
    PutWord(frame, At::TestValue1, counters.framesAnswered);
    PutWord(frame, At::StartTime, s.startTimeTenths);
    PutByte(frame, At::ThrottlePercent, s.throttlePercent);
    PutByte(frame, At::WaterCelsius, s.waterCelsius + TemperatureBias);
    PutByte(frame, At::AirCelsius, s.airCelsius + TemperatureBias);
    PutByte(frame, At::ServoState, ServoOk);
    PutByte(frame, At::TachoLambdaMode, LambdaMode);
    PutByte(frame, At::WaterWarning, s.waterWarning ? 1 : 0);
    for (int i = 0; i < 3; ++i) {
        PutByte(frame, At::PowerOut1 + i, s.powerOut[i] ? 1 : 0);
        PutByte(frame, At::KnockFlag1 + i, s.knock[i] ? 1 : 0);
        PutWord(frame, At::Advance1 + WordSize * i, s.advanceCentiDegrees[i]);
        PutWord(frame, At::KnockLevel1 + WordSize * i, AdcOfMillivolts(s.knockMillivolts[i]));
    }
    PutWord(frame, At::PositionA, s.positionDegrees[0]);
    PutWord(frame, At::PositionA + WordSize, s.positionDegrees[1]);
    PutWord(frame, At::WaterCorrection, s.waterCorrectionPermille);
    PutWord(frame, At::AirCorrection, s.airCorrectionPermille);
    PutWord(frame, At::PressureCorrection, s.pressureCorrectionPermille);
    PutWord(frame, At::StartCorrection, s.startCorrectionPermille);
    PutWord(frame, At::VoltageCorrection, s.voltageCorrectionMicros + VoltageCorrectionBias);
    SealFrame(frame);
    return frame;
}

}  // namespace torvana
