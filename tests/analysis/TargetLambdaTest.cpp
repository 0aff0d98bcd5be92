#include "analysis/TargetLambda.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace torvana {
namespace {

TEST(TargetLambdaTest, AWrittenTableReadsBackAndTheDefaultIsRichAtHighThrottle)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> thousandths(600, 1600);
    for (int round = 0; round < 20; ++round) {
        LambdaGrid grid{};
        for (auto& row : grid)
            for (double& value : row)
                value = thousandths(random) / 1000.0;
        const TargetLambdaParse parsed = ParseTargetLambda(FormatTargetLambda(grid));
        ASSERT_TRUE(parsed.ok) << parsed.error;
        for (int r = 0; r < CurveRows; ++r)
            for (int c = 0; c < CurveColumns; ++c)
                EXPECT_NEAR(parsed.grid[r][c], grid[r][c], 1e-9);
    }
    const LambdaGrid defaults = DefaultTargetLambda();
    EXPECT_EQ(defaults[6][0], 1.0);
    EXPECT_EQ(defaults[7][14], 0.88);
}

TEST(TargetLambdaTest, BadFilesAreRefusedWithTheirReason)
{
    const std::string good = FormatTargetLambda(DefaultTargetLambda());
    const auto replaced = [&good](std::string_view from, std::string_view to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {"", "not a target-lambda file"},
        {"TORVANA TARGET LAMBDA 2\n", "line 1: not a target-lambda file"},
        {good.substr(0, good.rfind("100 ")), "only 9 of 10 rows"},
        {good + "100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n", "line 13: more than 10 rows"},
        {replaced("\n2 ", "\n3 "), "line 4: expected the row of 2 % throttle"},
        {replaced("1.000\n", "\n"), "line 3: expected 15 lambdas, found 14"},
        {replaced("1.000\n", "1.000 1.0\n"), "line 3: more than 15 lambdas"},
        {replaced("1.000\n", "nan\n"), "line 3: \"nan\" is not a number"},
        {replaced("1.000\n", "1,0\n"), "line 3: \"1,0\" is not a number"},
        {replaced("0.880\n", "0.100\n"), "line 10: lambda 0.100 is outside 0.6 to 1.6"},
    };
    for (const auto& c : cases) {
        const TargetLambdaParse parsed = ParseTargetLambda(c.text);
        EXPECT_FALSE(parsed.ok);
        EXPECT_EQ(parsed.error, c.reason);
        EXPECT_EQ(parsed.grid, LambdaGrid{}) << "a refused file gives no grid";
    }
    EXPECT_TRUE(ParseTargetLambda("\xEF\xBB\xBF# made by hand\r\n" + replaced("\n", "\r\n")).ok);
}

}  // namespace
}  // namespace torvana
