#include "LinkFixture.h"

#include <algorithm>

namespace torvana {
namespace {

constexpr std::size_t SomeParameter = 150;   // block 1, not the Rpm2 flag
constexpr std::size_t LateParameter = 1250;  // block 12
constexpr int TicksToError = ResendTicks * (MaxSends + 1);

bool SameBlocks(const ParameterImage& a, const ParameterImage& b, int firstBlock)
{
    return std::equal(a.begin() + BlockOffset(firstBlock), a.end(), b.begin() + BlockOffset(firstBlock));
}

using ProgramTransfer = LinkFixture;

TEST_F(ProgramTransfer, EchoingUnitTakesAllBlocksThenVerifies)
{
    std::fill(unit.store.begin() + BlockOffset(1), unit.store.end(), 0);
    link.StartProgram();
    RunUntilIdle();

    std::vector<std::uint8_t> expected = CommandRange(0, 19);
    const std::vector<std::uint8_t> verify = CommandRange(65, 83);
    expected.insert(expected.end(), verify.begin(), verify.end());
    EXPECT_EQ(BlockCommandsSent(), expected);
    EXPECT_EQ(link.Status().text, "Verify: OK");
    EXPECT_FALSE(link.Status().red);
    EXPECT_TRUE(link.Status().visible);
    EXPECT_EQ(link.Gauge().value, GaugeMax);
    EXPECT_TRUE(link.ProgramSucceeded());
    EXPECT_EQ(link.TakeTransferEnd(), TransferEnd::VerifyOk);
    EXPECT_TRUE(SameBlocks(unit.store, image, 1));
}

TEST_F(ProgramTransfer, UnitHeaderReplacesThePcHeader)
{
    link.StartProgram();
    RunUntilIdle();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + BlockSize, unit.store.begin()));
    ASSERT_TRUE(link.TakeHeaderTexts().has_value());
    EXPECT_TRUE(link.TakeImageChanged());
}

TEST_F(ProgramTransfer, FirstSendWaitsForTheFourthTick)
{
    unit.answering = false;
    link.StartProgram();
    Ticks(ResendTicks - 1);
    EXPECT_TRUE(BlockCommandsSent().empty());
    link.Tick();
    EXPECT_EQ(BlockCommandsSent(), CommandRange(0, 0));
    EXPECT_EQ(link.TryCount(), 1);
}

TEST_F(ProgramTransfer, IdlePacingLeftAboveFourSendsOnTheNextTick)
{
    unit.answering = false;
    Ticks(MonitorTicks - 1);
    ASSERT_EQ(link.SendTicks(), MonitorTicks - 1);
    link.StartProgram();
    link.Tick();
    EXPECT_EQ(BlockCommandsSent(), CommandRange(0, 0));
}

TEST_F(ProgramTransfer, UnansweredBlockIsSentFiveTimesFourTicksApartThenFails)
{
    unit.answering = false;
    link.StartProgram();
    std::vector<int> sendTicks;
    for (int tick = 1; tick < TicksToError; ++tick) {
        const std::size_t before = line.sent.size();
        link.Tick();
        if (line.sent.size() > before) {
            sendTicks.push_back(tick);
        }
    }
    EXPECT_EQ(sendTicks, (std::vector<int>{4, 8, 12, 16, 20}));
    EXPECT_EQ(link.Mode(), TransferProgram);
    EXPECT_FALSE(link.Status().red);

    link.Tick();
    EXPECT_EQ(link.Mode(), TransferIdle);
    EXPECT_EQ(link.Status().text, "Program error!");
    EXPECT_TRUE(link.Status().red);
    EXPECT_EQ(SendsOf(WriteCommand(0)), MaxSends);
    EXPECT_EQ(link.TakeTransferEnd(), TransferEnd::Error);
}

TEST_F(ProgramTransfer, ReplyDifferingOnlyAtTheRpm2FlagIsNotAccepted)
{
    unit.alterReply = [](std::uint8_t command, auto& data) {
        if (command == WriteCommand(1)) {
            data[Offset::Rpm2 - BlockOffset(1)] ^= 1;
        }
    };
    link.StartProgram();
    RunUntilIdle();
    EXPECT_EQ(link.Status().text, "Program error!");
    EXPECT_EQ(SendsOf(WriteCommand(1)), MaxSends);
    EXPECT_EQ(SendsOf(WriteCommand(2)), 0);
}

TEST_F(ProgramTransfer, VersionMismatchEndsAfterTheHeaderWithAMessage)
{
    unit.store[Offset::ImageVersion] = ImageVersion - 1;
    link.StartProgram();
    RunUntilIdle();
    EXPECT_EQ(BlockCommandsSent(), CommandRange(0, 0));
    EXPECT_EQ(link.TakeMessages(), std::vector<std::string>{"Unmatched version of PC and Ignition programs!"});
    EXPECT_EQ(image[Offset::ImageVersion], ImageVersion - 1);
    EXPECT_FALSE(link.ProgramSucceeded());
    EXPECT_EQ(link.TakeTransferEnd(), TransferEnd::VersionMismatch);
}

TEST_F(ProgramTransfer, UnitThatDropsABlockNeverShowsProgramOk)
{
    // Echoes every write but keeps the old block 12.
    const ParameterImage before = unit.store;
    image[LateParameter] ^= 0x01;
    unit.alterReply = [&](std::uint8_t command, auto& data) {
        if (IsReadBack(command) && BlockOfCommand(command) == 12) {
            std::copy_n(before.begin() + BlockOffset(12), BlockSize, data.begin());
        }
    };
    link.StartProgram();
    RunUntilIdle();
    EXPECT_EQ(link.Status().text, "Verify error!");
    EXPECT_FALSE(link.ProgramSucceeded());
    Ticks(StatusTicks / 2);
    EXPECT_EQ(link.Status().text, "Verify error!");
}

TEST_F(ProgramTransfer, ContinuesOnANewLine)
{
    FakeSerialLine other;
    EchoingUnit otherUnit(other);
    otherUnit.store = unit.store;
    unit.answering = false;
    link.StartProgram();
    Ticks(ResendTicks);
    link.SetLine(&other);
    RunUntilIdle();
    EXPECT_EQ(link.Status().text, "Verify: OK");
    EXPECT_EQ(other.sent.front()[FrameCommandIndex], WriteCommand(0));
}

TEST_F(ProgramTransfer, WithoutALineEndsInError)
{
    link.SetLine(nullptr);
    link.StartProgram();
    EXPECT_EQ(RunUntilIdle(), TicksToError);
    EXPECT_EQ(link.Status().text, "Program error!");
}

using VerifyTransfer = LinkFixture;

TEST_F(VerifyTransfer, Rpm2FlagIsNeverCompared)
{
    unit.store[Offset::Rpm2] ^= 1;
    link.StartVerify();
    RunUntilIdle();
    EXPECT_EQ(BlockCommandsSent(), CommandRange(65, 83));
    EXPECT_EQ(link.Status().text, "Verify: OK");
}

TEST_F(VerifyTransfer, OtherDifferenceFailsAfterFiveSends)
{
    unit.store[SomeParameter] ^= 1;
    link.StartVerify();
    RunUntilIdle();
    EXPECT_EQ(SendsOf(ReadBackCommand(1)), MaxSends);
    EXPECT_EQ(link.Status().text, "Verify error!");
    EXPECT_TRUE(link.Status().red);
    EXPECT_EQ(image[SomeParameter] ^ 1, unit.store[SomeParameter]);
}

TEST_F(VerifyTransfer, GaugeCountsAcceptedBlocks)
{
    unit.store[LateParameter] ^= 1;
    link.StartVerify();
    RunUntilIdle();
    EXPECT_EQ(link.Gauge().value, 11);  // blocks 1 to 11 matched
    EXPECT_TRUE(link.Gauge().visible);
}

TEST_F(VerifyTransfer, RepliesForOtherCommandsOrWithBadCheckAreIgnored)
{
    unit.answering = false;
    link.StartVerify();
    Ticks(ResendTicks);
    const std::array<std::uint8_t, FrameDataSize> block1{};
    line.QueueFrame(BuildFrame(ReplyCommand(ReadBackCommand(2)), block1));
    Ticks(1);
    UnitFrame bad = BuildBlockFrame(ReplyCommand(ReadBackCommand(1)), image, BlockData::Image);
    bad[FrameCheckIndex] ^= 1;
    line.QueueFrame(bad);
    Ticks(1);
    line.QueueFrame(BuildBlockFrame(WriteCommand(1) | Command::ReplyFlag, image, BlockData::Image));
    Ticks(1);
    EXPECT_EQ(link.BlockCommand(), ReadBackCommand(1));
    EXPECT_EQ(link.SilenceTicks(), ResendTicks + 3);
}

using ReadTransfer = LinkFixture;

TEST_F(ReadTransfer, FetchesTheUnitThenVerifies)
{
    unit.store[LateParameter] ^= 1;
    link.StartRead();
    EXPECT_TRUE(link.TakeReadStarted());
    RunUntilIdle();

    std::vector<std::uint8_t> expected = CommandRange(64, 83);
    const std::vector<std::uint8_t> verify = CommandRange(65, 83);
    expected.insert(expected.end(), verify.begin(), verify.end());
    EXPECT_EQ(BlockCommandsSent(), expected);
    EXPECT_EQ(image, unit.store);
    EXPECT_EQ(link.Status().text, "Verify: OK");
    EXPECT_TRUE(link.TakeImageChanged());
    EXPECT_TRUE(link.TakeHeaderTexts().has_value());
    for (std::size_t i = 0; i < CommandRange(64, 83).size(); ++i) {
        const UnitFrame& frame = line.sent[i];
        EXPECT_TRUE(std::all_of(frame.begin() + FrameDataIndex, frame.begin() + FrameCheckIndex,
                                [](std::uint8_t b) { return b == 0; }));
    }
}

TEST_F(ReadTransfer, RefusedReadingStopsAfterTheHeader)
{
    unit.store[Offset::ReadingAllowed] = 0;
    image[LateParameter] ^= 1;
    link.StartRead();
    RunUntilIdle();
    EXPECT_EQ(BlockCommandsSent(), CommandRange(64, 64));
    EXPECT_EQ(link.Status().text, "No reading!");
    EXPECT_TRUE(link.Status().red);
    EXPECT_EQ(image[Offset::ReadingAllowed], 0);
    EXPECT_NE(image[LateParameter], unit.store[LateParameter]);
    EXPECT_TRUE(link.TakeImageChanged());
    EXPECT_TRUE(link.TakeMessages().empty());
    EXPECT_EQ(link.TakeTransferEnd(), TransferEnd::NoReading);
}

TEST_F(ReadTransfer, OlderUnitVersionStopsWithTheMessage)
{
    unit.store[Offset::ImageVersion] = 36;
    link.StartRead();
    RunUntilIdle();
    EXPECT_EQ(BlockCommandsSent(), CommandRange(64, 64));
    EXPECT_EQ(link.TakeMessages(), std::vector<std::string>{"Unmatched version of PC and Ignition programs!"});
    EXPECT_FALSE(link.Status().red);
    EXPECT_EQ(image[Offset::ImageVersion], 36);
}

TEST_F(ReadTransfer, RestartBeginsAgainAtBlockZero)
{
    link.StartRead();
    Ticks(ResendTicks + 5);
    ASSERT_GT(link.Gauge().value, 0);
    ASSERT_TRUE(link.Status().visible);
    line.sent.clear();

    link.StartRead();
    EXPECT_EQ(link.BlockCommand(), ReadBackCommand(0));
    EXPECT_EQ(link.Gauge().value, 0);
    EXPECT_EQ(link.Status().text, "Read:");
    RunUntilIdle();
    ASSERT_FALSE(BlockCommandsSent().empty());
    EXPECT_EQ(BlockCommandsSent().front(), ReadBackCommand(0));
    EXPECT_EQ(link.Status().text, "Verify: OK");
}

TEST_F(ReadTransfer, UnansweredReadFails)
{
    unit.answering = false;
    link.StartRead();
    RunUntilIdle();
    EXPECT_EQ(link.Status().text, "Read error!");
    EXPECT_TRUE(link.Status().red);
}

}  // namespace
}  // namespace torvana
