#pragma once
// The live values kept from the last accepted monitor frame. Other parts
// read them: the operating-point tracking, the throttle calibration, the
// engine-speed tools and the store progress after programming.

#include <cstdint>

namespace torvana {

struct LiveValues {
    std::uint16_t LiveRpm = 0;
    std::uint8_t LiveTpsPercent = 0;  // above 100 means sensor error
    int LiveTpsMillivolts = 0;
    int LiveLambdaMillivolts = 0;
    std::uint16_t LivePressure = 0;  // 0.1 kPa
    std::uint8_t LiveWaterTemp = 0;  // °C + 100; a sensor error is kept as 180
    bool WaterSensorError = false;   // the 180 above is a substitute, not a reading
    std::uint8_t LiveAirTemp = 0;    // °C + 100; 0 = sensor error
    std::uint16_t LiveStartTime = 0;
    std::uint16_t UnitStoreRemaining = 0;
};

}  // namespace torvana
