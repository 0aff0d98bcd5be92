#pragma once
// The commands that talk to the unit over a serial port: read, program,
// verify and monitor.

#include "cli/Command.h"

#include <span>

namespace torvana {

std::span<const CliCommand> LinkCommands();

}  // namespace torvana
