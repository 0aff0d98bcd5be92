#pragma once
// The knock page: for each of the 15 columns (5 x cylinder + point) the
// engine speed, three filter lists, the gain tick, the time constant, the
// window and the alarm level.

#include "core/ImageLayout.h"

#include <array>

namespace torvana {

// Up-down positions in rpm, degrees and mV; list item indices (-1 none).
struct KnockPageValues {
    std::array<int, KnockIndexCount> rpm{};
    std::array<int, KnockIndexCount> knockFrek{};
    std::array<int, KnockIndexCount> refFrek{};
    std::array<int, KnockIndexCount> level{};
    std::array<bool, KnockIndexCount> higherGain{};
    std::array<int, KnockIndexCount> timeConst{};
    std::array<int, KnockIndexCount> start{};
    std::array<int, KnockIndexCount> end{};
    std::array<int, KnockIndexCount> alarm{};
};

KnockPageValues FillKnockPage(const ParameterImage& image);
// edited: see codec::Edited; null stores every control.
void WriteKnockPage(const KnockPageValues& values, ParameterImage& image,
                    const KnockPageValues* edited = nullptr);

}  // namespace torvana
