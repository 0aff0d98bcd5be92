#pragma once
// The commands on the editor's restore points: list them, write one out.

#include "cli/Command.h"

#include <span>

namespace torvana {

std::span<const CliCommand> HistoryCommands();

}  // namespace torvana
