// Program, Verify and Read against the simulated unit, one 55 ms tick at a
// time, with the faults a real line and a real unit produce.

#include "SimulatorTransferFixture.h"

namespace torvana {
namespace {

TEST_F(SimulatorTransfer, ProgramWritesEveryBlockTakesTheUnitHeaderAndVerifies)
{
    Connect({}, DefaultImage(3));
    const std::uint16_t programmingsBefore = unit->Programmings();
    link.StartProgram();

    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    EXPECT_TRUE(SameParameters(unit->Store(), image));
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + BlockSize, unit->Store().begin()));
    EXPECT_EQ(image[Offset::ImageVersion], ImageVersion);
    EXPECT_EQ(unit->Programmings(), programmingsBefore + 1);
    // Twenty writes and nineteen read-backs, each answered at the first try.
    EXPECT_EQ(line->FramesWritten(), 39);
    EXPECT_TRUE(Saw("Program device: 0"));
    EXPECT_TRUE(Saw("Program device: 18"));
    EXPECT_TRUE(Saw("Verify: 0"));
    EXPECT_TRUE(Saw("Verify: OK 19"));
}

TEST_F(SimulatorTransfer, ReadFetchesAllTwentyBlocksThenVerifies)
{
    const ParameterImage unitImage = DefaultImage(2);
    Connect({}, unitImage);
    image.fill(0);
    link.StartRead();

    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    EXPECT_EQ(image, unit->Store());
    EXPECT_TRUE(SameParameters(image, unitImage));
    EXPECT_EQ(line->FramesWritten(), 39);
    EXPECT_TRUE(Saw("Read: 19"));
    EXPECT_TRUE(Saw("Verify: OK 19"));
}

TEST_F(SimulatorTransfer, VerifyPassesOnTheSameSetAndFailsOnAnother)
{
    Connect({}, image);
    link.StartVerify();
    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);

    Connect({}, DefaultImage(1));
    link.StartVerify();
    EXPECT_EQ(RunTransfer(), TransferEnd::Error);
    EXPECT_EQ(link.Status().text, "Verify error!");
    EXPECT_TRUE(link.Status().red);
}

struct LineFault {
    const char* name;
    SimulatorFaults faults;
};

class FaultyLine : public SimulatorTransfer, public ::testing::WithParamInterface<LineFault> {};

TEST_P(FaultyLine, ProgramStillEndsCompleteAndVerified)
{
    SimulatorOptions options;
    options.faults = GetParam().faults;
    Connect(options, DefaultImage(3));
    link.StartProgram();

    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    EXPECT_TRUE(SameParameters(unit->Store(), image));
    // The faults really hit: some blocks had to be sent again.
    EXPECT_GT(line->FramesWritten(), 39);
}

TEST_P(FaultyLine, ReadStillEndsCompleteAndVerified)
{
    SimulatorOptions options;
    options.faults = GetParam().faults;
    const ParameterImage unitImage = DefaultImage(1);
    Connect(options, unitImage);
    image.fill(0);
    link.StartRead();

    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    EXPECT_TRUE(SameParameters(image, unitImage));
    EXPECT_GT(line->FramesWritten(), 39);
}

SimulatorFaults Faults(int drop, int corrupt, int stray, std::uint32_t seed)
{
    SimulatorFaults faults;
    faults.dropPercent = drop;
    faults.corruptPercent = corrupt;
    faults.strayPercent = stray;
    faults.seed = seed;
    return faults;
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyLine,
                         ::testing::Values(LineFault{"Dropped", Faults(20, 0, 0, 7)},
                                           LineFault{"Corrupted", Faults(0, 20, 0, 11)},
                                           LineFault{"StrayBytes", Faults(0, 0, 20, 13)},
                                           LineFault{"Mixed", Faults(8, 8, 8, 17)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimulatorTransfer, LateRepliesWithinTheResendTimeAreStillAccepted)
{
    SimulatorOptions options;
    options.faults.lateMilliseconds = 100;
    Connect(options, DefaultImage(0));
    link.StartProgram();

    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    EXPECT_EQ(line->FramesWritten(), 39);
    // Each reply waits two ticks instead of being there on the next.
    EXPECT_GE(ticks, 39 * 2);
}

TEST_F(SimulatorTransfer, UnansweredBlockIsSentFiveTimesFourTicksApart)
{
    SimulatorOptions options;
    options.faults.silent = true;
    Connect(options, image);
    link.StartProgram();

    std::vector<int> sendTicks;
    std::optional<TransferEnd> end;
    while (!end && ticks < TickLimit) {
        const int before = line->FramesWritten();
        Tick();
        if (line->FramesWritten() != before)
            sendTicks.push_back(ticks);
        end = link.TakeTransferEnd();
    }

    EXPECT_EQ(end, TransferEnd::Error);
    ASSERT_EQ(sendTicks.size(), 5u);
    for (std::size_t i = 1; i < sendTicks.size(); ++i)
        EXPECT_EQ(sendTicks[i] - sendTicks[i - 1], ResendTicks);
    EXPECT_EQ(ticks - sendTicks.back(), ResendTicks);
    EXPECT_EQ(unit->RequestsReceived(), 5u);
    EXPECT_EQ(link.Status().text, "Program error!");
    EXPECT_TRUE(link.Status().red);
}

TEST_F(SimulatorTransfer, ReadOfAUnitThatRefusesStopsAfterTheHeader)
{
    SimulatorOptions options;
    options.faults.readingRefused = true;
    Connect(options, DefaultImage(2));
    const ParameterImage before = image;
    link.StartRead();

    EXPECT_EQ(RunTransfer(), TransferEnd::NoReading);
    EXPECT_EQ(unit->RequestsReceived(), 1u);
    EXPECT_EQ(link.Status().text, "No reading!");
    EXPECT_TRUE(link.Status().red);
    EXPECT_TRUE(SameParameters(image, before));
}

TEST_F(SimulatorTransfer, UnitProgrammedWithNoReadingRefusesTheNextRead)
{
    Connect({}, image);
    image[Offset::NoReading] = 1;
    link.StartProgram();
    ASSERT_EQ(RunTransfer(), TransferEnd::VerifyOk);

    link.StartRead();
    EXPECT_EQ(RunTransfer(), TransferEnd::NoReading);
}

TEST_F(SimulatorTransfer, AnotherVersionEndsReadAndProgramWithTheMessage)
{
    SimulatorOptions options;
    options.faults.versionByte = 36;
    Connect(options, image);

    link.StartRead();
    EXPECT_EQ(RunTransfer(), TransferEnd::VersionMismatch);
    EXPECT_EQ(link.TakeMessages(), std::vector<std::string>{"Unmatched version of PC and Ignition programs!"});
    EXPECT_EQ(image[Offset::ImageVersion], 36);

    link.StartProgram();
    EXPECT_EQ(RunTransfer(), TransferEnd::VersionMismatch);
    EXPECT_EQ(link.TakeMessages().size(), 1u);
    // Only block 0 went out the second time.
    EXPECT_EQ(unit->RequestsReceived(), 2u);
}

TEST_F(SimulatorTransfer, VerifyDifferenceAtTheTachometerFlagIsIgnored)
{
    SimulatorOptions options;
    options.faults.verifyDiffOffset = Offset::Rpm2;
    Connect(options, DefaultImage(0));
    link.StartProgram();

    EXPECT_EQ(RunTransfer(), TransferEnd::VerifyOk);
    EXPECT_EQ(line->FramesWritten(), 39);
}

TEST_F(SimulatorTransfer, VerifyDifferenceElsewhereFailsAfterFiveSendsOfItsBlock)
{
    constexpr std::size_t DifferentOffset = 500;
    SimulatorOptions options;
    options.faults.verifyDiffOffset = DifferentOffset;
    Connect(options, DefaultImage(0));
    link.StartProgram();

    EXPECT_EQ(RunTransfer(), TransferEnd::Error);
    EXPECT_EQ(link.Status().text, "Verify error!");
    EXPECT_FALSE(link.ProgramSucceeded());
    // Blocks 0..19 written, 1..4 verified once, block 5 five times.
    EXPECT_EQ(line->FramesWritten(), 20 + 4 + MaxSends);
    EXPECT_EQ(link.Gauge().value, static_cast<int>(DifferentOffset / BlockSize) - 1);
}

TEST_F(SimulatorTransfer, StoreProgressAfterProgramShowsSavingThenOk)
{
    Connect({}, DefaultImage(0));
    link.StartProgram();
    ASSERT_EQ(RunTransfer(), TransferEnd::VerifyOk);

    const std::size_t verifiedAt = statuses.size();
    const int storeTicks = static_cast<int>(StoreMilliseconds / TickMilliseconds);
    for (int i = 0; i < storeTicks + 2 * MonitorTicks; ++i)
        Tick();

    const std::vector<std::string> after(statuses.begin() + static_cast<long>(verifiedAt), statuses.end());
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), "Program device: OK 19");
    int lastSaving = -1;
    int savingSteps = 0;
    for (const std::string& shown : after) {
        if (shown.rfind("Saving: ", 0) != 0)
            continue;
        const int gauge = std::stoi(shown.substr(std::string("Saving: ").size()));
        EXPECT_GE(gauge, lastSaving);
        lastSaving = gauge;
        ++savingSteps;
    }
    EXPECT_GE(savingSteps, 2);
    EXPECT_EQ(unit->StoreRemaining(), 0);
    EXPECT_TRUE(link.Status().visible);
}

TEST_F(SimulatorTransfer, IdleLinkGetsAMonitorFrameEverySixthTick)
{
    Connect({}, image);
    for (int i = 0; i < 10 * MonitorTicks; ++i)
        Tick();

    EXPECT_GE(monitorFrames, 9);
    EXPECT_LE(monitorFrames, 10);
    EXPECT_FALSE(link.ConnectionLabelVisible());
}

TEST_F(SimulatorTransfer, ClosedLineEndsTheTransferWithItsError)
{
    Connect({}, image);
    line->Close();
    link.StartRead();

    EXPECT_EQ(RunTransfer(), TransferEnd::Error);
    EXPECT_EQ(link.Status().text, "Read error!");
    EXPECT_EQ(unit->RequestsReceived(), 0u);
}

}  // namespace
}  // namespace torvana
