#pragma once
// The commands that work on parameter files only: defaults, normalise, diff.
// The loading and storing helpers serve other command groups as well.

#include "cli/Command.h"
#include "core/ParameterFile.h"

#include <span>
#include <string>

namespace torvana {

std::span<const CliCommand> FileCommands();

// The image as the editor starts it: all zero, BIKE 0, the factory set.
ParameterImage EditorStartImage();

// Reads path over image and options, then normalises the image. Throws
// CommandFailure naming the file when it cannot be opened, has another
// version or is rejected.
void LoadParameterSet(const std::string& path, ParameterImage& image, FileOptions& options);

// Writes a parameter file to path, or to standard output when path is
// empty. Throws CommandFailure with the reason when that fails.
void StoreParameterSet(const std::string& path, const ParameterImage& image, const FileOptions& options);

}  // namespace torvana
