#pragma once
// Nearest-breakpoint searches over the image's axes: the rules by which the
// operating-point tracking marks a cell, shared with the lambda analysis.

#include <span>

namespace torvana {

constexpr int RpmPerStep = 50;
constexpr int MaxRpmStep = 255;

// Engine speed in the unit of the image's engine-speed breakpoints.
int RpmStep(int liveRpm);

// Which leading breakpoints the lower-tie search counts.
enum class TieCount { AtOrBelow, StrictlyBelow };

// Nearest of ascending breakpoints; half-way selects the lower one.
int LowerTieSearch(std::span<const int> breakpoints, int value, TieCount count = TieCount::AtOrBelow);
// Nearest of ascending breakpoints; half-way selects the upper one.
int UpperTieSearch(std::span<const int> breakpoints, int value);

}  // namespace torvana
