#pragma once
// What every fuzz target shares: a checked invariant that stops the run with
// a message, and one scratch file per process for readers that take a path.

#include "core/ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace torvana {

// Aborts (so libFuzzer records the input) when condition is false.
void Require(bool condition, const char* what);

// A file of this process under the temporary directory, made once.
const std::string& ScratchPath();

// Replaces the scratch file's contents with the bytes.
void WriteScratch(const std::uint8_t* data, std::size_t size);

// The factory set of variant 0, the start of every reader's image.
ParameterImage FactoryImage();

}  // namespace torvana
