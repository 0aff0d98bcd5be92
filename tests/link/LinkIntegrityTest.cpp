// What the link tells the tuner and leaves in the image when the unit or
// the line misbehaves: no mixed sets, no early success, no lost status.

#include "SimulatorTransferFixture.h"

namespace torvana {
namespace {

constexpr std::size_t EditedOffset = 700;
constexpr int StoreLimitTicks = StoreStallTicks + 2 * SilenceLimit;

TEST_F(SimulatorTransfer, ReadThatBreaksOffLeavesTheSetAsItWas)
{
    for (const std::size_t answered : {1u, 7u, 19u, 30u}) {
        SimulatorOptions options;
        options.faults.answerLimit = answered;
        Connect(options, DefaultImage(2));
        image = DefaultImage(0);
        image[EditedOffset] = 1;
        const ParameterImage before = image;
        link.StartRead();

        EXPECT_EQ(RunTransfer(), TransferEnd::Error) << answered;
        // All twenty blocks arrived: the whole set, though its verify pass failed.
        if (answered > static_cast<std::size_t>(Command::LastBlock))
            EXPECT_TRUE(SameParameters(image, DefaultImage(2))) << answered;
        else
            EXPECT_EQ(image, before) << answered;
        EXPECT_TRUE(link.Status().red);
        EXPECT_EQ(link.TakeImageChanged(), answered >= static_cast<std::size_t>(Command::LastBlock) + 1);
    }
}

// After a verified Program the unit still stores for a while; success is
// shown only when it has finished, whatever the faults on the line.
TEST_F(SimulatorTransfer, ProgramOkOnlyOnceTheUnitHasStored)
{
    for (const std::uint32_t seed : {3u, 5u, 8u}) {
        SimulatorOptions options;
        options.faults.seed = seed;
        options.faults.dropPercent = 10;
        options.faults.noisePerSecond = 2;
        Connect(options, DefaultImage(1));
        bool okShown = false;
        everyTick = [&] {
            if (link.Status().text == "Program device: OK") {
                okShown = true;
                EXPECT_EQ(unit->StoreRemaining(), 0) << seed;
                EXPECT_EQ(link.Gauge().value, GaugeMax);
            }
        };
        link.StartProgram();
        ASSERT_EQ(RunTransfer(), TransferEnd::VerifyOk) << seed;
        std::optional<StoreEnd> end;
        for (int i = 0; i < StoreLimitTicks * 2 && !end; ++i) {
            Tick();
            end = link.TakeStoreEnd();
        }
        EXPECT_EQ(end, StoreEnd::Stored) << seed;
        EXPECT_TRUE(okShown) << seed;
        everyTick = nullptr;
    }
}

struct StoreFault {
    const char* name;
    SimulatorFaults faults;
    StoreEnd end;
};

void PrintTo(const StoreFault& fault, std::ostream* out)
{
    *out << fault.name;
}

class FailingStore : public SimulatorTransfer, public ::testing::WithParamInterface<StoreFault> {};

// A store that stops moving ends in red within a bounded time, and nothing
// from the unit's stale count covers that error afterwards.
TEST_P(FailingStore, EndsInRedAndStaysRed)
{
    SimulatorOptions options;
    options.faults = GetParam().faults;
    Connect(options, DefaultImage(0));
    link.StartProgram();
    ASSERT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    std::optional<StoreEnd> end;
    for (int i = 0; i < StoreLimitTicks && !end; ++i) {
        Tick();
        end = link.TakeStoreEnd();
    }
    EXPECT_EQ(end, GetParam().end);
    for (int i = 0; i < MonitorTicks * 4; ++i) {
        Tick();
        EXPECT_EQ(link.Status().text, "Program error!");
        EXPECT_TRUE(link.Status().red);
    }
    EXPECT_FALSE(link.ProgramSucceeded());
}

SimulatorFaults StopsAt(std::uint16_t count)
{
    SimulatorFaults faults;
    faults.storeStopsAt = count;
    return faults;
}

SimulatorFaults FallsSilentAfter(std::size_t requests)
{
    SimulatorFaults faults;
    faults.answerLimit = requests;
    return faults;
}

// 39 block requests, then two monitor frames, then silence.
INSTANTIATE_TEST_SUITE_P(Store, FailingStore,
                         ::testing::Values(StoreFault{"CountStops", StopsAt(600), StoreEnd::Stalled},
                                           StoreFault{"UnitGone", FallsSilentAfter(41), StoreEnd::Lost}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimulatorTransfer, StaleStoreCountNeverCoversALaterError)
{
    Connect({}, DefaultImage(0));
    link.StartProgram();
    ASSERT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    for (int i = 0; i < 3 * MonitorTicks; ++i)
        Tick();
    ASSERT_GT(link.UnitStoreRemaining(), 0);
    line->Close();
    link.StartVerify();
    ASSERT_EQ(RunTransfer(), TransferEnd::Error);
    for (int i = 0; i < 2 * MonitorTicks; ++i) {
        Tick();
        EXPECT_EQ(link.Status().text, "Verify error!");
    }
}

// Stray bytes on a quiet line must not spoil the next reply.
TEST_F(SimulatorTransfer, NoiseBetweenRepliesLeavesTheLinkWorking)
{
    for (const int rate : {1, 3, 10}) {
        SimulatorOptions options;
        options.faults.noisePerSecond = rate;
        options.faults.seed = static_cast<std::uint32_t>(rate);
        Connect(options, DefaultImage(1));
        monitorFrames = 0;
        constexpr int Requests = 300;
        for (int i = 0; i < Requests * MonitorTicks; ++i)
            Tick();
        EXPECT_GE(monitorFrames * 100, Requests * 95) << rate;

        image = DefaultImage(2);
        link.StartProgram();
        EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk) << rate;
        link.StartVerify();
        EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk) << rate;
        image = DefaultImage(0);
        link.StartRead();
        EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk) << rate;
        EXPECT_TRUE(SameParameters(image, DefaultImage(2))) << rate;
    }
}

TEST_F(SimulatorTransfer, SlowTransferKeepsItsStatusInView)
{
    SimulatorOptions options;
    options.faults.lateMilliseconds = 200;
    options.faults.dropPercent = 45;
    options.faults.seed = 4;
    Connect(options, DefaultImage(1));
    everyTick = [&] {
        if (link.Mode() != TransferIdle || link.Storing()) {
            EXPECT_TRUE(link.Status().visible) << ticks;
            EXPECT_TRUE(link.Gauge().visible) << ticks;
        }
    };
    link.StartProgram();
    ASSERT_TRUE(RunTransfer());
    EXPECT_GT(ticks, StatusTicks);
}

}  // namespace
}  // namespace torvana
