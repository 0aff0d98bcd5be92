#pragma once
// Character classes of the file readers by table: the C locale's white space,
// decimal digits and lower case, whatever locale the program runs in, and
// without a chain of comparisons for every byte of a file.

#include <array>

namespace torvana {

namespace detail {

constexpr std::array<bool, 256> WhiteSpaceTable = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        table[c] = true;
    return table;
}();

}  // namespace detail

constexpr bool IsWhiteSpace(unsigned char c) { return detail::WhiteSpaceTable[c]; }

constexpr bool IsDecimalDigit(unsigned char c) { return static_cast<unsigned char>(c - '0') < 10; }

// The C locale's lower case: only A to Z change.
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace torvana
