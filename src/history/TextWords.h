#pragma once
// The words of the history's text files: numbers and blank-separated words.

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace torvana {

// The whole word as a number of type T, or nothing.
template <typename T>
std::optional<T> NumberOf(std::string_view word)
{
    T value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// The line's words; runs of blanks separate them.
std::vector<std::string_view> Words(std::string_view line);

}  // namespace torvana
