#pragma once
// Command line of torvana-unitsim.

#include "UnitSimulator.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace torvana {

struct SimulatorArguments {
    SimulatorOptions simulator;
    std::string imagePath;  // .ign to preload; empty: factory defaults
    std::string linkPath;   // symbolic link to the device; empty: none
    bool rawImage = false;  // the image file as it stands, not normalised
    // Requests answered before the pseudo-terminal is closed while the
    // program runs on, as when a unit is unplugged; empty: never.
    std::optional<std::size_t> hangUpAfter;
    bool report = false;    // requests received and answered, on exit
    bool help = false;
};

// The arguments after the program name. nullopt with error set when they
// are not understood.
std::optional<SimulatorArguments> ParseSimulatorArguments(const std::vector<std::string>& args,
                                                          std::string& error);

std::string SimulatorUsage();

}  // namespace torvana
