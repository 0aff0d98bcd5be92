#include "LinkFixture.h"

namespace torvana {
namespace {

constexpr int StrayBytes = 46;

UnitFrame MonitorFrame(std::uint8_t marker)
{
    std::array<std::uint8_t, FrameDataSize> data{};
    data[0] = marker;
    return BuildFrame(Command::MonitorReply, data);
}

std::vector<std::uint8_t> Bytes(const UnitFrame& frame) { return {frame.begin(), frame.end()}; }

class TickTest : public LinkFixture {
protected:
    TickTest()
    {
        link.SetMonitorHandler([this](const UnitFrame& frame) {
            monitored.push_back(frame);
            return monitorAccepts;
        });
    }

    // The unit answers a monitor request sent after the verify pass with
    // its store count.
    void ReportStore(std::uint16_t remaining)
    {
        Ticks(MonitorTicks);
        link.SetUnitStoreRemaining(remaining);
        line.QueueFrame(MonitorFrame(0));
        link.PollReceive();
    }

    std::vector<UnitFrame> monitored;
    bool monitorAccepts = true;
};

TEST_F(TickTest, PartialFrameStaysQueuedUntilComplete)
{
    std::vector<std::uint8_t> bytes = Bytes(MonitorFrame(1));
    const std::uint8_t last = bytes.back();
    bytes.pop_back();
    line.QueueBytes(bytes);
    link.PollReceive();
    EXPECT_TRUE(line.readRequests.empty());
    EXPECT_EQ(line.Pending(), FrameSize - 1);
    EXPECT_TRUE(monitored.empty());

    line.QueueBytes({last});
    link.PollReceive();
    ASSERT_EQ(monitored.size(), 1u);
    EXPECT_EQ(monitored[0], MonitorFrame(1));
    EXPECT_EQ(line.Pending(), 0);
}

TEST_F(TickTest, OneReadTakesEverythingButOnlyTheFirstFrameCounts)
{
    std::vector<std::uint8_t> bytes = Bytes(MonitorFrame(1));
    const std::vector<std::uint8_t> second = Bytes(MonitorFrame(2));
    bytes.insert(bytes.end(), second.begin(), second.end());
    bytes.insert(bytes.end(), StrayBytes, 0x55);
    line.QueueBytes(bytes);
    link.PollReceive();
    EXPECT_EQ(line.readRequests, std::vector<int>{2 * FrameSize + StrayBytes});
    EXPECT_EQ(line.Pending(), 0);
    ASSERT_EQ(monitored.size(), 1u);
    EXPECT_EQ(monitored[0][FrameDataIndex], 1);
}

TEST_F(TickTest, ReadIsBoundedByTheReceiveBuffer)
{
    constexpr int Flood = ReceiveBufferSize + 1000;
    line.QueueBytes(std::vector<std::uint8_t>(Flood, 0x11));
    link.PollReceive();
    EXPECT_EQ(line.readRequests, std::vector<int>{ReceiveBufferSize});
    EXPECT_EQ(line.Pending(), Flood - ReceiveBufferSize);
}

TEST_F(TickTest, ShortReadInterpretsNothing)
{
    line.QueueFrame(MonitorFrame(1));
    link.PollReceive();
    ASSERT_EQ(monitored.size(), 1u);
    line.readLimit = FrameSize / 2;
    line.QueueFrame(MonitorFrame(1));
    link.PollReceive();
    EXPECT_EQ(monitored.size(), 1u);
}

TEST_F(TickTest, MonitorFramesGoToTheMonitorEvenDuringATransfer)
{
    unit.answering = false;
    link.StartProgram();
    Ticks(ResendTicks);
    line.QueueFrame(MonitorFrame(7));
    link.PollReceive();
    EXPECT_EQ(monitored.size(), 1u);
    EXPECT_EQ(link.BlockCommand(), WriteCommand(0));
    EXPECT_EQ(link.Mode(), TransferProgram);
}

TEST_F(TickTest, OtherFirstBytesNeverReachTheMonitor)
{
    std::array<std::uint8_t, FrameDataSize> data{};
    line.QueueFrame(BuildFrame(Command::MonitorReply + 1, data));
    link.PollReceive();
    EXPECT_TRUE(monitored.empty());
}

TEST_F(TickTest, IdleSendsAMonitorRequestEverySixthTick)
{
    Ticks(3 * MonitorTicks);
    EXPECT_EQ(line.SentCommands(), std::vector<std::uint8_t>(3, Command::MonitorRequest));
    EXPECT_EQ(line.sent.back(), BuildMonitorRequest());
}

TEST_F(TickTest, ConnectionLabelShowsOnTheNineteenthSilentTick)
{
    Ticks(SilenceLimit);
    EXPECT_FALSE(link.ConnectionLabelVisible());
    link.Tick();
    EXPECT_TRUE(link.ConnectionLabelVisible());

    link.SetPrinting(true);
    link.Tick();
    EXPECT_FALSE(link.ConnectionLabelVisible());
    link.SetPrinting(false);

    monitorAccepts = false;
    line.QueueFrame(MonitorFrame(1));
    link.Tick();
    EXPECT_TRUE(link.ConnectionLabelVisible());

    monitorAccepts = true;
    line.QueueFrame(MonitorFrame(2));
    link.Tick();
    EXPECT_FALSE(link.ConnectionLabelVisible());
    EXPECT_EQ(link.SilenceTicks(), 1);
}

TEST_F(TickTest, AcceptedBlockReplyResetsTheSilence)
{
    link.StartVerify();
    Ticks(SilenceLimit + 1);
    EXPECT_FALSE(link.ConnectionLabelVisible());
    EXPECT_LT(link.SilenceTicks(), SilenceLimit);
}

TEST_F(TickTest, StatusHidesTwoHundredTicksAfterTheLastMessage)
{
    link.StartVerify();
    RunUntilIdle();  // the last tick showed "Verify: OK"
    ASSERT_EQ(link.Status().text, "Verify: OK");
    Ticks(StatusTicks - 2);
    EXPECT_TRUE(link.Status().visible);
    EXPECT_TRUE(link.Gauge().visible);
    link.Tick();
    EXPECT_FALSE(link.Status().visible);
    EXPECT_FALSE(link.Gauge().visible);
}

TEST_F(TickTest, ProgramOkShowsUntilTheCountdownEnds)
{
    link.StartProgram();
    RunUntilIdle();
    link.Tick();
    // Nothing heard from the unit since the verify pass: still storing.
    EXPECT_EQ(link.Status().text, "Saving:");
    EXPECT_EQ(link.Gauge().value, 0);
    ReportStore(0);
    link.Tick();
    EXPECT_EQ(link.Status().text, "Program device: OK");
    EXPECT_EQ(link.Gauge().value, GaugeMax);
    Ticks(StatusTicks);
    EXPECT_FALSE(link.ProgramSucceeded());
    EXPECT_FALSE(link.Status().visible);
}

TEST_F(TickTest, SavingFollowsTheUnitStoreCount)
{
    link.StartProgram();
    RunUntilIdle();
    ReportStore(952);
    link.Tick();
    EXPECT_EQ(link.Status().text, "Saving:");
    EXPECT_FALSE(link.Status().red);
    EXPECT_TRUE(link.Status().visible);
    EXPECT_EQ(link.Gauge().value, 9);
    EXPECT_EQ(link.MessageCountdown(), StatusTicks - 1);

    ReportStore(1);
    link.Tick();
    EXPECT_EQ(link.Gauge().value, 18);
    ReportStore(UnitStoreFull + 500);
    link.Tick();
    EXPECT_EQ(link.Gauge().value, 0);

    ReportStore(0);
    link.Tick();
    EXPECT_EQ(link.Status().text, "Program device: OK");
}

TEST_F(TickTest, SavingDoesNotShowAHiddenStatus)
{
    link.HideStatus();
    link.SetUnitStoreRemaining(952);
    link.Tick();
    EXPECT_EQ(link.Status().text, "Saving:");
    EXPECT_FALSE(link.Status().visible);
    EXPECT_FALSE(link.Gauge().visible);
}

TEST_F(TickTest, GivenStatusTextCountsDownOnWhiteAndHides)
{
    constexpr int Shown = 3;
    link.StartRead();
    link.ShowStatusText("Printed at noon", Shown);
    EXPECT_EQ(link.Status().text, "Printed at noon");
    EXPECT_TRUE(link.Status().visible);
    EXPECT_TRUE(link.Status().white);
    EXPECT_FALSE(link.Status().red);
    EXPECT_FALSE(link.Gauge().visible);
    EXPECT_EQ(link.MessageCountdown(), Shown);

    link.CountdownStep();
    link.CountdownStep();
    EXPECT_TRUE(link.Status().visible);
    link.CountdownStep();
    EXPECT_FALSE(link.Status().visible);
    EXPECT_EQ(link.MessageCountdown(), 0);
}

TEST_F(TickTest, NextStatusMessageReplacesTheWhiteText)
{
    link.ShowStatusText("Printed at noon", StatusTicks);
    link.StartProgram();
    EXPECT_EQ(link.Status().text, "Program device:");
    EXPECT_FALSE(link.Status().white);
    EXPECT_TRUE(link.Gauge().visible);
    EXPECT_EQ(link.MessageCountdown(), StatusTicks);
}

TEST_F(TickTest, StoreProgressReplacesTheWhiteText)
{
    link.StartProgram();
    RunUntilIdle();
    link.ShowStatusText("Printed at noon", StatusTicks);
    link.SetUnitStoreRemaining(952);
    link.Tick();
    EXPECT_EQ(link.Status().text, "Saving:");
    EXPECT_FALSE(link.Status().white);
}

using ProgramOnChange = LinkFixture;

TEST_F(ProgramOnChange, UncheckedBoxNeverPrograms)
{
    image[Offset::Limiter] ^= 1;
    link.ProgramOnChange(false);
    EXPECT_EQ(link.Mode(), TransferIdle);
}

TEST_F(ProgramOnChange, FirstCallAfterCheckingProgramsOnlyChangesAfterwards)
{
    link.ProgramOnChange(true);
    EXPECT_EQ(link.Mode(), TransferProgram);
    EXPECT_EQ(link.Status().text, "Program device:");
    RunUntilIdle();

    link.ProgramOnChange(true);
    EXPECT_EQ(link.Mode(), TransferIdle);

    image[Offset::FirmwareVersionText] ^= 1;
    link.ProgramOnChange(true);
    EXPECT_EQ(link.Mode(), TransferIdle);

    image[Offset::Limiter] ^= 1;
    link.ProgramOnChange(true);
    EXPECT_EQ(link.Mode(), TransferProgram);
    EXPECT_EQ(link.BlockCommand(), WriteCommand(0));
}

TEST_F(ProgramOnChange, CheckingAgainRearms)
{
    link.ProgramOnChange(true);
    RunUntilIdle();
    link.ProgramOnChange(false);
    link.ProgramOnChange(true);
    EXPECT_EQ(link.Mode(), TransferProgram);
}

TEST_F(ProgramOnChange, LastImageByteCounts)
{
    link.ProgramOnChange(true);
    RunUntilIdle();
    link.ProgramOnChange(true);
    ASSERT_EQ(link.Mode(), TransferIdle);
    image[ImageSize - 1] ^= 1;
    link.ProgramOnChange(true);
    EXPECT_EQ(link.Mode(), TransferProgram);
}

}  // namespace
}  // namespace torvana
