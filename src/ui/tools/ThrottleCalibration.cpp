#include "ui/tools/ThrottleCalibration.h"

#include "ui/binding/UpDownRange.h"

#include <cstdint>

namespace torvana {

namespace {

// The open-throttle point is stored above its window's lower end.
constexpr int Tps100Bias = Ranges::Tps100.min / Ranges::Tps100.step;

bool InWindow(int millivolts, const UpDownRange& window)
{
    return millivolts >= window.min && millivolts <= window.max;
}

EditResult Store(std::uint8_t& byte, std::uint8_t value)
{
    const bool changed = byte != value;
    byte = value;
    return {true, changed};
}

}  // namespace

EditResult CaptureTps0(ParameterImage& image, int liveTpsMillivolts)
{
    if (!InWindow(liveTpsMillivolts, Ranges::Tps0))
        return {};
    return Store(image[Offset::Tps0], static_cast<std::uint8_t>(liveTpsMillivolts / Ranges::Tps0.step));
}

EditResult CaptureTps100(ParameterImage& image, int liveTpsMillivolts)
{
    if (!InWindow(liveTpsMillivolts, Ranges::Tps100))
        return {};
    return Store(image[Offset::Tps100],
                 static_cast<std::uint8_t>(liveTpsMillivolts / Ranges::Tps100.step - Tps100Bias));
}

}  // namespace torvana
