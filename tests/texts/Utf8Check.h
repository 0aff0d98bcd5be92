#pragma once
// Strict UTF-8 check for the text tables: no stray 8-bit code-page bytes.

#include <string_view>

namespace torvana::test {

// Rejects lone or truncated sequences, overlong forms, surrogates and code
// points above U+10FFFF.
bool IsValidUtf8(std::string_view text);

}  // namespace torvana::test
