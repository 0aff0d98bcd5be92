#pragma once
// Item texts of the knock filter settings; the stored byte is the item index.

#include <array>
#include <cstddef>

namespace torvana {

constexpr std::size_t KnockFrequencyCount = 64;
constexpr std::size_t KnockGainCount = 64;
constexpr std::size_t KnockTimeConstantCount = 32;

// Band-pass centre frequencies in kHz, for KNOCK_FREK and REF_FREK.
const std::array<const char*, KnockFrequencyCount>& KnockFrequencyList();
// Gains, for LEVEL.
const std::array<const char*, KnockGainCount>& KnockGainList();
// Integrator time constants in microseconds, for TIME_CONST.
const std::array<const char*, KnockTimeConstantCount>& KnockTimeConstantList();

}  // namespace torvana
