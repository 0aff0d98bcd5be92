#include "analysis/AnalysisSettings.h"
#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace torvana {
namespace {

std::string ScratchIni()
{
    const auto folder = std::filesystem::temp_directory_path() / ("torvana-analysis-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return (folder / "Torvana_R.ini").string();
}

TEST(AnalysisSettingsTest, WrittenSettingsReadBackAndBadValuesKeepTheDefaultAndAreNamed)
{
    const std::string path = ScratchIni();
    std::mt19937 rng(5);
    const auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    for (int round = 0; round < 20; ++round) {
        std::filesystem::remove(path);
        AnalysisOptions options;
        options.sensor = pick(0, 1) ? WideBandDefaults() : NarrowBandDefaults();
        options.sensor.lambdaAtZeroVolts = pick(100, 3000) / 1000.0;
        options.sensor.lambdaAtFiveVolts = pick(100, 3000) / 1000.0;
        options.split = pick(0, 1) ? SampleSplit::Bilinear : SampleSplit::MarkedCell;
        options.delayMs = pick(0, 3000);
        options.lowestRpm = pick(0, 6000);
        options.highestRpm = pick(6000, 12750);
        options.coldestWater = pick(-40, 150);
        options.authorityPercent = pick(1, 500) / 10.0;
        IniFile ini(path);
        ASSERT_EQ(WriteAnalysisSettings(ini, options), "");
        const AnalysisSettingsRead read = ReadAnalysisSettings(ini);
        EXPECT_TRUE(read.problems.empty());
        EXPECT_EQ(read.options.sensor.kind, options.sensor.kind);
        EXPECT_EQ(read.options.sensor.railHighMillivolts, options.sensor.railHighMillivolts);
        EXPECT_DOUBLE_EQ(read.options.sensor.lambdaAtZeroVolts, options.sensor.lambdaAtZeroVolts);
        EXPECT_DOUBLE_EQ(read.options.sensor.lambdaAtFiveVolts, options.sensor.lambdaAtFiveVolts);
        EXPECT_EQ(read.options.split, options.split);
        EXPECT_EQ(read.options.delayMs, options.delayMs);
        EXPECT_EQ(read.options.lowestRpm, options.lowestRpm);
        EXPECT_EQ(read.options.highestRpm, options.highestRpm);
        EXPECT_EQ(read.options.coldestWater, options.coldestWater);
        EXPECT_DOUBLE_EQ(read.options.authorityPercent, options.authorityPercent);
    }
    std::ofstream(path) << "[LAMBDA_ANALYSIS]\nDELAY_MS=-5\nAUTHORITY_TENTHS=abc\nLOWEST_RPM=9000\nHIGHEST_RPM=3000\n";
    const AnalysisSettingsRead bad = ReadAnalysisSettings(IniFile(path));
    const AnalysisOptions defaults;
    EXPECT_EQ(bad.options.delayMs, defaults.delayMs);
    EXPECT_EQ(bad.options.authorityPercent, defaults.authorityPercent);
    EXPECT_EQ(bad.options.lowestRpm, defaults.lowestRpm);
    ASSERT_EQ(bad.problems.size(), 3u);
    EXPECT_EQ(bad.problems[0], "DELAY_MS=-5 is outside 0..3000");
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

}  // namespace
}  // namespace torvana
