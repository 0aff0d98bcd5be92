#pragma once
// The monitor labels' texts, formatted by hand into a fixed buffer: the C
// library's printf was most of a frame's decoding. The formats are printf's
// as far as the labels use them: %d, %% and a fixed-point %W.Pf with an
// optional space flag ("% 4.1f").

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace torvana {

// One argument of a format: an integer for %d, a real number for %f.
class MonitorArgument {
public:
    MonitorArgument(int value) : integer(value) {}
    MonitorArgument(double value) : real(value) {}

    int integer = 0;
    double real = 0.0;
};

class MonitorText {
public:
    // Longer texts are cut short, as snprintf into this many bytes would.
    static constexpr std::size_t Capacity = 64;

    std::string_view View() const { return {buffer.data(), length}; }
    void Append(std::string_view text);
    void Append(char c, std::size_t count = 1);

private:
    std::array<char, Capacity> buffer{};
    std::size_t length = 0;
};

MonitorText FormatMonitorText(std::string_view format, std::initializer_list<MonitorArgument> arguments);

}  // namespace torvana
