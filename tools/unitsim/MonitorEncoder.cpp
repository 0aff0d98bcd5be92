#include "MonitorEncoder.h"

#include "link/MonitorFrame.h"

#include <algorithm>

namespace torvana {

namespace {

constexpr std::size_t WordSize = MonitorWordSize;
constexpr int WordMax = 0xFFFF;
constexpr int ByteBits = 8;
constexpr int ByteMask = 0xFF;
constexpr int AdcFullScale = 1023;
constexpr int ReferenceMillivolts = 5000;
constexpr int SupplyDivider = 11;
constexpr int TemperatureBias = 100;
constexpr std::uint8_t ServoOk = 1;
constexpr std::uint8_t LambdaMode = 0;
// 1A, 1B, 2A, 2B lie together; 3A and 3B further on.
constexpr int LeadingInjectionWords = 4;

void PutByte(UnitFrame& frame, std::size_t offset, int value)
{
    frame[offset] = static_cast<std::uint8_t>(value & ByteMask);
}

void PutWord(UnitFrame& frame, std::size_t offset, int value)
{
    const int word = std::clamp(value, 0, WordMax);
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
    PutWord(frame, MonitorField::Rpm, s.rpm);
    PutWord(frame, MonitorField::PressureSensor, AdcOfMillivolts(s.pressureMillivolts));
    PutWord(frame, MonitorField::AirPressure, s.airPressureDeciKpa);
    PutWord(frame, MonitorField::StoreRemaining, counters.storeRemaining);
    PutWord(frame, MonitorField::TpsSensor, AdcOfMillivolts(s.throttleMillivolts));
    PutWord(frame, MonitorField::LambdaSensor, AdcOfMillivolts(s.lambdaMillivolts));
    PutWord(frame, MonitorField::WaterSensor, AdcOfMillivolts(s.waterMillivolts));
    PutWord(frame, MonitorField::AirSensor, AdcOfMillivolts(s.airMillivolts));
    PutWord(frame, MonitorField::SupplySensor, AdcOfMillivolts(s.supplyMillivolts / SupplyDivider));
    for (int i = 0; i < LeadingInjectionWords; ++i)
        PutWord(frame, MonitorField::InjectionTime1A + WordSize * static_cast<std::size_t>(i), s.injectionMicros[i]);
    PutWord(frame, MonitorField::InjectionTime3A, s.injectionMicros[LeadingInjectionWords]);
    PutWord(frame, MonitorField::InjectionTime3B, s.injectionMicros[LeadingInjectionWords + 1]);
    PutWord(frame, MonitorField::ServoMeasured, AdcOfMillivolts(s.servoMeasuredMillivolts));
    PutWord(frame, MonitorField::ServoDesired, AdcOfMillivolts(s.servoDesiredMillivolts));
    PutWord(frame, MonitorField::ProgrammingCount, counters.programmings);
    PutWord(frame, MonitorField::TestValues, counters.framesAnswered);
    PutWord(frame, MonitorField::StartTime, s.startTimeTenths);
    PutByte(frame, MonitorField::TpsPercent, s.throttlePercent);
    PutByte(frame, MonitorField::WaterTemp, s.waterCelsius + TemperatureBias);
    PutByte(frame, MonitorField::AirTemp, s.airCelsius + TemperatureBias);
    PutByte(frame, MonitorField::ServoState, ServoOk);
    PutByte(frame, MonitorField::TachoLambda, LambdaMode);
    PutByte(frame, MonitorField::WaterWarning, s.waterWarning ? 1 : 0);
    for (int i = 0; i < EnginePowerOutputs; ++i)
        PutByte(frame, MonitorField::PowerOutputs + i, s.powerOut[i] ? 1 : 0);
    for (int i = 0; i < EngineCylinders; ++i) {
        PutByte(frame, MonitorField::KnockFlags + i, s.knock[i] ? 1 : 0);
        PutWord(frame, MonitorField::Advances + WordSize * static_cast<std::size_t>(i), s.advanceCentiDegrees[i]);
        PutWord(frame, MonitorField::KnockLevels + WordSize * static_cast<std::size_t>(i), AdcOfMillivolts(s.knockMillivolts[i]));
    }
    PutWord(frame, MonitorField::PositionA, s.positionDegrees[0]);
    PutWord(frame, MonitorField::PositionB, s.positionDegrees[1]);
    PutWord(frame, MonitorField::WaterCorrection, s.waterCorrectionPermille);
    PutWord(frame, MonitorField::AirCorrection, s.airCorrectionPermille);
    PutWord(frame, MonitorField::PressureCorrection, s.pressureCorrectionPermille);
    PutWord(frame, MonitorField::StartCorrection, s.startCorrectionPermille);
    PutWord(frame, MonitorField::VoltageCorrection, s.voltageCorrectionMicros + VoltageCorrectionBias);
    SealFrame(frame);
    return frame;
}

}  // namespace torvana
