#pragma once
// TabSheet_Ruzne: engine variant, limiters, switches, throttle sensor,
// acceleration enrichment, start injection and temperature warning.

#include "core/ImageLayout.h"

#include <array>

namespace torvana {

// Up-down positions in rpm, mV, %/s, microseconds, ms and degC; the check
// boxes as ticked (the inverted bytes are turned round here); item indices
// (-1 none).
struct VariousPageValues {
    static constexpr int LimiterCount = 3;

    int bike = 0;
    std::array<int, LimiterCount> omez{};
    bool zakazCteni = false;
    bool rpm2Krat = false;
    bool aktLimiter1 = false;
    bool aktRpm = false;
    bool aktTlakOleje = false;
    int tps0 = 0;
    int tps100 = 0;
    int akcelPrah = 0;
    int akcelJet = 0;
    int startJet = 0;
    int tempWarning = 0;
    int radioPolohaA = 0;
    int radioPolohaB = 0;
};

VariousPageValues FillVariousPage(const ParameterImage& image);
// edited: see codec::Edited; null stores every control.
void WriteVariousPage(const VariousPageValues& values, ParameterImage& image,
                      const VariousPageValues* edited = nullptr);

}  // namespace torvana
