#include "link/MonitorText.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace torvana {
namespace {

constexpr int Samples = 20000;
constexpr unsigned Seed = 20261209;

// The hand formatter writes what snprintf writes into the same 64 bytes,
// for the labels' formats and any number, long texts cut short included.
TEST(MonitorText, FormatsAsSnprintfDoes)
{
    const char* formats[] = {
        "RPM = %d ",  "AP= %4.1f kPa= %d mV", "ADVANCE 1=% 4.1f \xC2\xB0", "INJ. DUTY = %d [%%]",
        "% 9.3f|%2d", "%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d",
        "% .0f%%%12.7f", "%80.2f",
    };
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> integer(-2000000000, 2000000000);
    std::uniform_real_distribution<double> real(-1.0e12, 1.0e12);
    std::uniform_int_distribution<int> scale(0, 12);
    for (int i = 0; i < Samples; ++i) {
        const char* format = formats[static_cast<std::size_t>(i) % std::size(formats)];
        const int whole = integer(random) >> scale(random);
        const double fraction = real(random) / std::pow(10.0, scale(random));
        std::array<char, MonitorText::Capacity> expected{};
        // Integers and reals alternate as the formats ask; extra arguments go unused.
        const std::string_view f(format);
        MonitorText text;
        if (f.starts_with("RPM") || f.starts_with("INJ") || f.starts_with("%d")) {
            std::snprintf(expected.data(), expected.size(), format, whole, whole, whole, whole, whole, whole, whole,
                          whole, whole, whole, whole, whole, whole, whole, whole, whole, whole, whole, whole, whole,
                          whole, whole, whole, whole, whole, whole, whole, whole, whole, whole, whole, whole);
            text = FormatMonitorText(format, {whole, whole, whole, whole, whole, whole, whole, whole, whole, whole,
                                              whole, whole, whole, whole, whole, whole, whole, whole, whole, whole,
                                              whole, whole, whole, whole, whole, whole, whole, whole, whole, whole,
                                              whole, whole});
        } else if (f.starts_with("AP") || f.starts_with("% 9")) {
            std::snprintf(expected.data(), expected.size(), format, fraction, whole);
            text = FormatMonitorText(format, {fraction, whole});
        } else {
            std::snprintf(expected.data(), expected.size(), format, fraction, fraction);
            text = FormatMonitorText(format, {fraction, fraction});
        }
        ASSERT_EQ(text.View(), std::string_view(expected.data())) << format << " " << whole << " " << fraction;
    }
}

}  // namespace
}  // namespace torvana
