#include "core/KnockLists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace torvana {
namespace {

// Every item has the given number of decimals, and the values run in one
// direction: a slipped or doubled item shows up as a break in the order.
template <std::size_t N>
void ExpectMonotonicWithDecimals(const std::array<const char*, N>& items, std::size_t decimals, bool rising)
{
    double previous = rising ? 0.0 : 1e9;
    for (std::size_t i = 0; i < N; ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i << " \"" << items[i] << "\"");
        const std::string text = items[i];
        const std::size_t point = text.find('.');
        EXPECT_EQ(point == std::string::npos ? 0 : text.size() - point - 1, decimals);
        const double value = std::stod(text);
        EXPECT_TRUE(rising ? value > previous : value < previous);
        previous = value;
    }
}

TEST(KnockLists, FrequenciesInKilohertzRising)
{
    const auto& items = KnockFrequencyList();
    ExpectMonotonicWithDecimals(items, 2, true);
    EXPECT_STREQ(items.front(), "1.22");
    EXPECT_STREQ(items[33], "5.12");
    EXPECT_STREQ(items.back(), "19.98");
}

TEST(KnockLists, GainsFalling)
{
    const auto& items = KnockGainList();
    ExpectMonotonicWithDecimals(items, 3, false);
    EXPECT_STREQ(items.front(), "1.000");
    EXPECT_STREQ(items[3], "0.889");
    EXPECT_STREQ(items.back(), "0.133");
}

TEST(KnockLists, TimeConstantsInMicrosecondsRising)
{
    const auto& items = KnockTimeConstantList();
    ExpectMonotonicWithDecimals(items, 0, true);
    EXPECT_STREQ(items.front(), "40");
    EXPECT_STREQ(items[18], "200");  // index of the factory setting
    EXPECT_STREQ(items.back(), "600");
}

}  // namespace
}  // namespace torvana
