#pragma once
// Decimal numbers in fixed-width fields for the file writers, which print
// thousands of them per file: printf's "%*d" without printf's cost.

#include <string>

namespace torvana {

// Appends value right-aligned in a field of at least width characters.
void AppendRightAligned(std::string& text, long long value, int width);

}  // namespace torvana
