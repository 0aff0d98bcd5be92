#include "core/Breakpoints.h"

#include <algorithm>

namespace torvana {

int RpmStep(int liveRpm)
{
    return std::min(liveRpm / RpmPerStep, MaxRpmStep);
}

int LowerTieSearch(std::span<const int> breakpoints, int value, TieCount count)
{
    const int n = static_cast<int>(breakpoints.size());
    int i = 0;
    while (i < n && (count == TieCount::AtOrBelow ? breakpoints[i] <= value : breakpoints[i] < value)) {
        ++i;
    }
    if (i == 0) {
        return 0;
    }
    if (i == n) {
        return n - 1;
    }
    return breakpoints[i - 1] + breakpoints[i] >= 2 * value ? i - 1 : i;
}

int UpperTieSearch(std::span<const int> breakpoints, int value)
{
    const int n = static_cast<int>(breakpoints.size());
    int i = 0;
    while (i < n - 1 && breakpoints[i] + breakpoints[i + 1] <= 2 * value) {
        ++i;
    }
    return i;
}

}  // namespace torvana
