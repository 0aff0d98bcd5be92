// How long the lambda analysis of a recorded log takes: an hour of the
// unit's frames (about 11 000) and a long day's log of 100 000, from the
// simulated fuelled engine, analysed whole with suggestions solved; and the
// delay estimate over the same logs.

#include "FuelledEngine.h"
#include "MonitorEncoder.h"
#include "analysis/DelayEstimate.h"
#include "analysis/LambdaAnalysis.h"
#include "core/Defaults.h"
#include "link/MonitorLogRow.h"

#include <benchmark/benchmark.h>

namespace torvana {
namespace {

constexpr std::uint64_t FrameMs = 330;
constexpr int Table = 3;

std::vector<LogRow> RecordedLog(std::size_t frames, const ParameterImage& image)
{
    FuelledEngineSetup setup;
    setup.fuelError = RandomFuelError(setup.seed, 0.1);
    const FuelledEngine engine(setup, image);
    std::vector<LogRow> rows;
    rows.reserve(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::uint64_t t = i * FrameMs;
        LogRow row = MonitorLogRow(EncodeMonitorFrame(engine.At(t, image), UnitCounters{}).data());
        row.timeMs = static_cast<std::int64_t>(t);
        rows.push_back(row);
    }
    return rows;
}

ParameterImage Factory()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    return image;
}

void AnalyseRecordedLog(benchmark::State& state)
{
    const ParameterImage image = Factory();
    const std::vector<LogRow> rows = RecordedLog(static_cast<std::size_t>(state.range(0)), image);
    const InjectionTable table = InjectionTableOf(image, Table);
    const LambdaGrid target = DefaultTargetLambda();
    for (auto _ : state) {
        const SuggestionGrid grid = AnalyseLog(rows, AnalysisOptions{}, table, target);
        benchmark::DoNotOptimize(grid);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(AnalyseRecordedLog)->Arg(11000)->Arg(100000)->Unit(benchmark::kMillisecond);

void EstimateDelayOfLog(benchmark::State& state)
{
    const std::vector<LogRow> rows = RecordedLog(static_cast<std::size_t>(state.range(0)), Factory());
    for (auto _ : state)
        benchmark::DoNotOptimize(EstimateDelay(rows));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EstimateDelayOfLog)->Arg(11000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvana
