// How long a Program with its verify pass takes against the simulated unit,
// counted in 55 ms ticks, and what one tick of the link costs the processor.

#include "SimulatedLine.h"
#include "UnitSimulator.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/LiveValues.h"
#include "link/MonitorDecoder.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include <benchmark/benchmark.h>

namespace torvana {
namespace {

constexpr int TickLimit = 3000;
// Twenty writes and nineteen read-backs, one exchange per tick at best.
constexpr int FramesPerProgram = static_cast<int>(BlockCount) + static_cast<int>(BlockCount) - 1;
// The first block waits for the resend pacing, at most this many ticks.
constexpr int LeastProgramTicks = ResendTicks + FramesPerProgram;

struct Bench {
    explicit Bench(const SimulatorOptions& options = {}) : unit(options), line(unit)
    {
        SetMessageTexts(messages, English);
        FillDefaultParameters(image);
        NormaliseImage(image);
        unit.Preload(image);
        link.SetLine(&line);
        link.SetMonitorHandler([this](const UnitFrame& frame) {
            if (!DecodeMonitorFrame(frame.data(), false, true, live, view))
                return false;
            link.SetUnitStoreRemaining(live.UnitStoreRemaining);
            return true;
        });
    }

    void Tick()
    {
        link.Tick();
        line.AdvanceTick();
    }

    // Ticks until the started transfer ends.
    int RunTransfer()
    {
        int ticks = 0;
        while (ticks < TickLimit) {
            Tick();
            ++ticks;
            if (link.TakeTransferEnd())
                break;
        }
        return ticks;
    }

    ParameterImage image{};
    MessageTable messages;
    UnitSimulator unit;
    SimulatedLine line;
    UnitLink link{image, messages};
    LiveValues live;
    MonitorView view;
};

void ReportProgram(benchmark::State& state, int ticks, int frames)
{
    state.counters["ticks"] = ticks;
    state.counters["simulated_ms"] = ticks * TickMilliseconds;
    state.counters["least_ticks"] = LeastProgramTicks;
    state.counters["least_ms"] = LeastProgramTicks * TickMilliseconds;
    state.counters["frames_sent"] = frames;
}

void ProgramWithVerify(benchmark::State& state, const SimulatorOptions& options)
{
    int ticks = 0;
    int frames = 0;
    for (auto _ : state) {
        Bench bench(options);
        bench.link.StartProgram();
        ticks = bench.RunTransfer();
        frames = bench.line.FramesWritten();
        benchmark::DoNotOptimize(bench.image);
    }
    ReportProgram(state, ticks, frames);
}

void BM_ProgramWithVerify(benchmark::State& state)
{
    ProgramWithVerify(state, {});
}
BENCHMARK(BM_ProgramWithVerify)->Unit(benchmark::kMicrosecond);

// One reply in five lost on the way: what the retries cost in line time.
void BM_ProgramWithVerifyDroppedReplies(benchmark::State& state)
{
    constexpr int DropPercent = 20;
    SimulatorOptions options;
    options.faults.dropPercent = DropPercent;
    ProgramWithVerify(state, options);
}
BENCHMARK(BM_ProgramWithVerifyDroppedReplies)->Unit(benchmark::kMicrosecond);

// Idle link: the receive poll every tick, a monitor request and a decoded
// monitor frame every sixth. Includes the simulated unit's share.
void BM_TickIdleWithMonitor(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state)
        bench.Tick();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TickIdleWithMonitor);

// Ticks during Read transfers, restarted whenever one ends: one block
// request and one reply per tick.
void BM_TickDuringTransfer(benchmark::State& state)
{
    Bench bench;
    bench.link.StartRead();
    for (auto _ : state) {
        bench.Tick();
        if (bench.link.TakeTransferEnd())
            bench.link.StartRead();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TickDuringTransfer);

}  // namespace
}  // namespace torvana
