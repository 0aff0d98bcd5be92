// The whole loop on the simulated unit: drive the fuelled engine while the
// monitor records, analyse the log, apply the confident suggestions through
// the edit path, program the unit, drive again.

#include "UnitSimulator.h"
#include "analysis/LambdaAnalysis.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/MonitorLogRow.h"
#include "ui/tools/CellChanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace torvana {
namespace {

constexpr int Table = 3;  // Jet 1A
constexpr std::uint64_t PassMs = 30 * 60000;
constexpr std::uint64_t FrameMs = 330;  // a monitor request every sixth 55 ms tick
constexpr int MaxPasses = 3;
constexpr double ConvergedPoints = 2.0;

std::vector<LogRow> DriveSimulator(UnitSimulator& unit, std::uint64_t durationMs)
{
    const UnitFrame request = BuildFrame(Command::MonitorRequest, std::array<std::uint8_t, FrameDataSize>{});
    std::vector<LogRow> rows;
    const std::uint64_t end = unit.NowMilliseconds() + durationMs;
    while (unit.NowMilliseconds() < end) {
        unit.Receive(request);
        const std::vector<std::uint8_t> reply = unit.TakeOutput();
        if (reply.size() == FrameSize) {
            LogRow row = MonitorLogRow(reply.data());
            row.timeMs = static_cast<std::int64_t>(unit.NowMilliseconds());
            rows.push_back(row);
        }
        unit.AdvanceMilliseconds(FrameMs);
    }
    return rows;
}

TEST(ClosedLoopTest, TheTableConvergesOnTheEnginesNeedWithinThreePasses)
{
    ParameterImage image{};
    FillDefaultParameters(image);
    SimulatorOptions options;
    FuelledEngineSetup setup;
    setup.fuelError = RandomFuelError(setup.seed, 0.15);  // more than one pass's authority
    options.fuelledEngine = setup;
    UnitSimulator unit(options);
    unit.Preload(image);
    const FuelledEngine engine(setup, image);

    const AnalysisOptions analysis;
    const auto analyse = [&] {
        return AnalyseLog(DriveSimulator(unit, PassMs), analysis, InjectionTableOf(image, Table),
                          DefaultTargetLambda());
    };
    for (int pass = 0; pass < MaxPasses; ++pass) {
        const std::vector<CellChange> changes = SuggestedChanges(
            analyse(), InjectionTableOf(image, Table).stored, nullptr, analysis.applyConfidence);
        if (changes.empty())
            break;
        ASSERT_TRUE(StoreCellChanges(image, Table, changes).changed);
        NormaliseImage(image);
        unit.Preload(image);  // programmed
    }
    const SuggestionGrid after = analyse();
    int suggested = 0;
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            if (after[r][c].state != SuggestionState::Suggested || after[r][c].confidence < analysis.applyConfidence)
                continue;
            ++suggested;
            const double off = engine.LambdaAtCell(r, c, image) / DefaultTargetLambda()[r][c] - 1;
            EXPECT_NEAR(100 * off, 0, ConvergedPoints) << "cell " << r << "," << c;
            EXPECT_NEAR(after[r][c].unlimitedPercent, 0, ConvergedPoints) << "cell " << r << "," << c;
        }
    }
    EXPECT_GE(suggested, 40);
}

}  // namespace
}  // namespace torvana
