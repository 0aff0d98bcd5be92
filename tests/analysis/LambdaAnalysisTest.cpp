// Synthetic engines with a known fuel error per cell, a noisy sensor, a
// transport delay, throttle blips and overrun: the analysis must give back
// each cell's error where it has enough samples and nothing elsewhere.

#include "EngineDrive.h"
#include "analysis/DelayEstimate.h"
#include "analysis/LambdaAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torvana {
namespace {

constexpr double MaxFuelError = 0.08;
constexpr double RecoveryPoints = 2.0;  // percentage points
constexpr std::uint64_t WarmUpMs = 60000;
constexpr std::uint64_t DriveMs = 40 * 60000;
constexpr int EngineTable = 3;

struct EngineCase {
    std::uint32_t seed;
    int delayMs;
    SampleSplit split;
    double heldSpread;  // the marked cell alone only fits points held on the cell
    bool narrowBand;
};

TEST(LambdaAnalysisTest, RecoversEachCellsFuelErrorWhereSamplesSufficeAndNothingElsewhere)
{
    const EngineCase cases[] = {
        {1, 400, SampleSplit::Bilinear, 0.3, false},
        {2, 700, SampleSplit::Bilinear, 0.3, false},
        {3, 300, SampleSplit::MarkedCell, 0.0, false},
        {4, 400, SampleSplit::Bilinear, 0.3, true},
    };
    for (const EngineCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed);
        const ParameterImage image = FactoryImage();
        FuelledEngineSetup setup;
        setup.seed = c.seed;
        setup.table = EngineTable;
        setup.fuelError = RandomFuelError(c.seed, MaxFuelError);
        setup.delayMs = c.delayMs;
        setup.heldSpread = c.heldSpread;
        setup.heldRowsTo = 7;  // row 9 only ever sees the blips
        setup.narrowBand = c.narrowBand;
        const FuelledEngine engine(setup, image);
        const std::vector<LogRow> rows = DriveAndRecord(engine, image, WarmUpMs, WarmUpMs + DriveMs, c.seed);

        AnalysisOptions options;
        options.sensor = c.narrowBand ? NarrowBandDefaults() : WideBandDefaults();
        options.split = c.split;
        options.delayMs = c.delayMs;
        RejectionCounts rejections{};
        const SuggestionGrid grid =
            AnalyseLog(rows, options, InjectionTableOf(image, EngineTable), DefaultTargetLambda(), &rejections);

        int suggested = 0;
        for (int r = 0; r < CurveRows; ++r) {
            for (int col = 0; col < CurveColumns; ++col) {
                const CellSuggestion& s = grid[r][col];
                SCOPED_TRACE(testing::Message() << "cell " << r << "," << col);
                const double error = 100 * setup.fuelError[r * CurveColumns + col];
                EXPECT_EQ(s.state == SuggestionState::Suggested, s.weight >= options.enoughSamples);
                if (r == 0 || r == CurveRows - 1 || col == CurveColumns - 1) {
                    EXPECT_EQ(s.state, SuggestionState::NoSamples);
                }
                if (s.state != SuggestionState::Suggested || s.confidence < options.applyConfidence)
                    continue;
                ++suggested;
                EXPECT_LE(std::abs(s.percent), options.authorityPercent);
                if (!c.narrowBand) {
                    EXPECT_NEAR(s.unlimitedPercent, error, RecoveryPoints);
                } else if (std::abs(error) > 2 * RecoveryPoints) {
                    EXPECT_EQ(s.percent > 0, error > 0);
                }
            }
        }
        EXPECT_GE(suggested, c.narrowBand ? 20 : 40);
        for (Rejection reason : {Rejection::ThrottleChange, Rejection::Overrun, Rejection::Coolant})
            EXPECT_GT(rejections[static_cast<std::size_t>(reason)], 0u);
        EXPECT_EQ(rejections[static_cast<std::size_t>(Rejection::NarrowBandTarget)] > 0, c.narrowBand);

        const DelayEstimate delay = EstimateDelay(rows);
        EXPECT_TRUE(delay.found);
        EXPECT_NEAR(delay.delayMs, c.delayMs, 100);
    }
}

}  // namespace
}  // namespace torvana
