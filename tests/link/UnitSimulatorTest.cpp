// The simulated unit on its own: framing of the byte stream, its replies,
// its store countdown and its faults.

#include "FrameAssembler.h"
#include "SimulatorArguments.h"
#include "UnitSimulator.h"
#include "core/Header.h"
#include "link/MonitorFrame.h"
#include "link/UnitLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace torvana {
namespace {

int WordAt(const UnitFrame& frame, std::size_t offset)
{
    return MonitorWord(frame.data(), offset);
}

UnitFrame Request(std::uint8_t command, std::uint8_t fill = 0)
{
    std::array<std::uint8_t, FrameDataSize> data{};
    data.fill(fill);
    return BuildFrame(command, data);
}

// Sends one request and returns the frames that come back at once.
std::vector<UnitFrame> Exchange(UnitSimulator& unit, const UnitFrame& request)
{
    unit.Receive(request);
    const std::vector<std::uint8_t> out = unit.TakeOutput();
    std::vector<UnitFrame> frames;
    for (std::size_t at = 0; at + FrameSize <= out.size(); at += FrameSize) {
        UnitFrame frame;
        std::copy_n(out.begin() + static_cast<long>(at), FrameSize, frame.begin());
        frames.push_back(frame);
    }
    return frames;
}

TEST(FrameAssembler, FindsTheFrameBehindGarbageAndAcrossChunks)
{
    FrameAssembler assembler;
    const std::vector<std::uint8_t> garbage = {7, 0, 255, 176, 3};
    const UnitFrame request = Request(ReadBackCommand(4));
    assembler.Push(garbage);
    assembler.Push(std::span(request).first(50));
    EXPECT_FALSE(assembler.Next());
    assembler.Push(std::span(request).subspan(50));

    const auto frame = assembler.Next();
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, request);
    EXPECT_EQ(assembler.DiscardedBytes(), garbage.size());
    EXPECT_EQ(assembler.PendingBytes(), 0u);
}

TEST(FrameAssembler, SkipsABadCheckByteAndFramesThatAreNoRequest)
{
    FrameAssembler assembler;
    UnitFrame broken = Request(WriteCommand(2), 9);
    broken[FrameCheckIndex] ^= 1;
    const UnitFrame reply = Request(Command::MonitorReply);
    const UnitFrame good = Request(Command::MonitorRequest);
    assembler.Push(broken);
    assembler.Push(reply);
    assembler.Push(good);

    const auto frame = assembler.Next();
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, good);
    EXPECT_FALSE(assembler.Next());
}

TEST(FrameAssembler, KnowsTheRequestsOfTheUnit)
{
    for (int command : {0, 19, 48, 64, 83})
        EXPECT_TRUE(IsUnitRequest(static_cast<std::uint8_t>(command))) << command;
    for (int command : {20, 47, 63, 84, 128, 176, 192})
        EXPECT_FALSE(IsUnitRequest(static_cast<std::uint8_t>(command))) << command;
}

TEST(UnitSimulator, HeaderCarriesVersionReadingAndAKnownMonthCode)
{
    UnitSimulator unit;
    const ParameterImage& store = unit.Store();
    EXPECT_EQ(store[Offset::ImageVersion], ImageVersion);
    EXPECT_EQ(store[Offset::ReadingAllowed], ReadingAllowedValue);
    const HeaderTexts texts = DecodeHeader(store);
    EXPECT_EQ(texts.dateText.substr(3, 2), " 3");
    EXPECT_EQ(texts.versionText.size(), 5u);
}

TEST(UnitSimulator, StoresWrittenBlocksButKeepsItsOwnHeader)
{
    UnitSimulator unit;
    const ParameterImage header = unit.Store();

    const auto blockReply = Exchange(unit, Request(WriteCommand(7), 42));
    ASSERT_EQ(blockReply.size(), 1u);
    EXPECT_EQ(blockReply[0][FrameCommandIndex], 128 + 7);
    EXPECT_TRUE(FrameIsValid(blockReply[0]));
    EXPECT_EQ(FrameData(blockReply[0])[99], 42);
    EXPECT_EQ(unit.Store()[BlockOffset(7) + 50], 42);

    const auto headerReply = Exchange(unit, Request(WriteCommand(0), 99));
    ASSERT_EQ(headerReply.size(), 1u);
    EXPECT_TRUE(std::equal(header.begin(), header.begin() + BlockSize, FrameData(headerReply[0]).begin()));

    const auto readBack = Exchange(unit, Request(ReadBackCommand(7)));
    ASSERT_EQ(readBack.size(), 1u);
    EXPECT_EQ(readBack[0][FrameCommandIndex], 192 + 7);
    EXPECT_EQ(FrameData(readBack[0])[0], 42);
}

TEST(UnitSimulator, StoredNoReadingFlagRefusesReading)
{
    UnitSimulator unit;
    ParameterImage image{};
    image[Offset::NoReading] = 1;
    unit.Preload(image);
    EXPECT_EQ(unit.Store()[Offset::ReadingAllowed], 0);
}

TEST(UnitSimulator, LastBlockStartsTheStoreCountdownAndCountsAProgramming)
{
    UnitSimulator unit;
    const std::uint16_t before = unit.Programmings();
    EXPECT_EQ(unit.StoreRemaining(), 0);
    Exchange(unit, Request(WriteCommand(19)));
    EXPECT_EQ(unit.Programmings(), before + 1);
    EXPECT_EQ(unit.StoreRemaining(), UnitStoreFull);

    unit.AdvanceMilliseconds(StoreMilliseconds / 2);
    const auto monitor = Exchange(unit, Request(Command::MonitorRequest));
    ASSERT_EQ(monitor.size(), 1u);
    const int remaining = WordAt(monitor[0], MonitorField::StoreRemaining);
    EXPECT_GT(remaining, 0);
    EXPECT_LT(remaining, UnitStoreFull);
    EXPECT_EQ(WordAt(monitor[0], MonitorField::ProgrammingCount), before + 1);

    unit.AdvanceMilliseconds(StoreMilliseconds);
    EXPECT_EQ(unit.StoreRemaining(), 0);
}

TEST(UnitSimulator, RunningEngineRevsFromIdleToHighAndBack)
{
    UnitSimulator unit;
    constexpr std::uint64_t StepMs = 100;
    constexpr std::uint64_t CycleMs = 12000;
    int lowest = 100000;
    int highest = 0;
    int widestThrottle = 0;
    for (std::uint64_t t = 0; t < CycleMs; t += StepMs) {
        const auto monitor = Exchange(unit, Request(Command::MonitorRequest));
        ASSERT_EQ(monitor.size(), 1u);
        EXPECT_TRUE(FrameIsValid(monitor[0]));
        EXPECT_EQ(monitor[0][FrameCommandIndex], Command::MonitorReply);
        lowest = std::min(lowest, WordAt(monitor[0], MonitorField::Rpm));
        highest = std::max(highest, WordAt(monitor[0], MonitorField::Rpm));
        widestThrottle = std::max<int>(widestThrottle, monitor[0][MonitorField::TpsPercent]);
        unit.AdvanceMilliseconds(StepMs);
    }
    EXPECT_LT(lowest, 1500);
    EXPECT_GT(highest, 8500);
    EXPECT_EQ(widestThrottle, 100);
}

TEST(UnitSimulator, MonitorSensorsMatchTheirReadings)
{
    UnitSimulator unit;
    unit.AdvanceMilliseconds(60000);
    const EngineSample sample = RunningEngine(unit.NowMilliseconds());
    const auto monitor = Exchange(unit, Request(Command::MonitorRequest));
    ASSERT_EQ(monitor.size(), 1u);
    const UnitFrame& frame = monitor[0];

    EXPECT_EQ(frame[MonitorField::WaterTemp], sample.waterCelsius + 100);
    EXPECT_EQ(frame[MonitorField::AirTemp], sample.airCelsius + 100);
    EXPECT_GT(sample.waterCelsius, 20);
    // The supply sits behind an 11:1 divider: 13.8 V reads about 256.
    const int supplyMillivolts = AdcMillivolts(WordAt(frame, MonitorField::SupplySensor)) * 11;
    EXPECT_NEAR(supplyMillivolts, 13800, 200);
    EXPECT_EQ(WordAt(frame, MonitorField::AirSensor), AdcOfMillivolts(sample.airMillivolts));
    EXPECT_EQ(WordAt(frame, MonitorField::VoltageCorrection), sample.voltageCorrectionMicros + VoltageCorrectionBias);
    EXPECT_NEAR(WordAt(frame, MonitorField::WaterCorrection), 1000, 200);
}

TEST(UnitSimulator, IdleOptionReportsAStoppedEngine)
{
    SimulatorOptions options;
    options.idleEngine = true;
    UnitSimulator unit(options);
    unit.AdvanceMilliseconds(5000);
    const auto monitor = Exchange(unit, Request(Command::MonitorRequest));
    ASSERT_EQ(monitor.size(), 1u);
    EXPECT_EQ(WordAt(monitor[0], MonitorField::Rpm), 0);
    EXPECT_EQ(monitor[0][MonitorField::TpsPercent], 0);
    EXPECT_EQ(WordAt(monitor[0], MonitorField::InjectionTime1A), 0);
}

std::vector<std::uint8_t> RunFaults(const SimulatorFaults& faults, int requests)
{
    SimulatorOptions options;
    options.faults = faults;
    UnitSimulator unit(options);
    std::vector<std::uint8_t> all;
    for (int i = 0; i < requests; ++i) {
        unit.Receive(Request(ReadBackCommand(i % 20)));
        const auto out = unit.TakeOutput();
        all.insert(all.end(), out.begin(), out.end());
    }
    return all;
}

TEST(UnitSimulatorFaults, SameSeedRepeatsDifferentSeedDiffers)
{
    SimulatorFaults faults;
    faults.dropPercent = 30;
    faults.strayPercent = 30;
    faults.corruptPercent = 30;
    faults.seed = 5;
    const auto first = RunFaults(faults, 60);
    EXPECT_EQ(first, RunFaults(faults, 60));
    faults.seed = 6;
    EXPECT_NE(first, RunFaults(faults, 60));
}

TEST(UnitSimulatorFaults, EachFaultDoesWhatItSays)
{
    SimulatorFaults drop;
    drop.dropPercent = 100;
    EXPECT_TRUE(RunFaults(drop, 5).empty());

    SimulatorFaults silent;
    silent.silent = true;
    EXPECT_TRUE(RunFaults(silent, 5).empty());

    SimulatorFaults corrupt;
    corrupt.corruptPercent = 100;
    const auto corrupted = RunFaults(corrupt, 1);
    ASSERT_EQ(corrupted.size(), static_cast<std::size_t>(FrameSize));
    UnitFrame frame;
    std::copy(corrupted.begin(), corrupted.end(), frame.begin());
    EXPECT_FALSE(FrameIsValid(frame));

    SimulatorFaults stray;
    stray.strayPercent = 100;
    const auto strayed = RunFaults(stray, 1);
    ASSERT_GT(strayed.size(), static_cast<std::size_t>(FrameSize));
    EXPECT_LE(strayed.size(), static_cast<std::size_t>(FrameSize + MaxStrayBytes));
    std::copy(strayed.end() - FrameSize, strayed.end(), frame.begin());
    EXPECT_TRUE(FrameIsValid(frame));
}

TEST(UnitSimulatorFaults, LateReplyWaitsForTheClock)
{
    SimulatorOptions options;
    options.faults.lateMilliseconds = 120;
    UnitSimulator unit(options);
    unit.Receive(Request(Command::MonitorRequest));
    unit.AdvanceMilliseconds(119);
    EXPECT_TRUE(unit.TakeOutput().empty());
    EXPECT_TRUE(unit.RepliesPending());
    unit.AdvanceMilliseconds(1);
    EXPECT_EQ(unit.TakeOutput().size(), static_cast<std::size_t>(FrameSize));
}

TEST(UnitSimulatorFaults, VerifyDifferenceOnlyInTheReadBackOfItsBlock)
{
    constexpr std::size_t DiffOffset = 345;
    SimulatorOptions options;
    options.faults.verifyDiffOffset = DiffOffset;
    UnitSimulator unit(options);
    const int block = DiffOffset / BlockSize;

    const auto written = Exchange(unit, Request(WriteCommand(block), 10));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(FrameData(written[0])[DiffOffset % BlockSize], 10);

    const auto readBack = Exchange(unit, Request(ReadBackCommand(block)));
    ASSERT_EQ(readBack.size(), 1u);
    EXPECT_TRUE(FrameIsValid(readBack[0]));
    const auto data = FrameData(readBack[0]);
    for (std::size_t i = 0; i < BlockSize; ++i)
        EXPECT_EQ(data[i] != 10, i == DiffOffset % BlockSize) << i;

    const auto other = Exchange(unit, Request(ReadBackCommand(block + 1)));
    ASSERT_EQ(other.size(), 1u);
    EXPECT_EQ(FrameData(other[0])[DiffOffset % BlockSize], 0);
}

TEST(SimulatorArguments, ParsesFaultsAndRejectsBadValues)
{
    std::string error;
    const auto parsed = ParseSimulatorArguments(
        {"--idle", "--seed", "9", "--drop", "25", "--late", "80", "--verify-diff", "102", "--link", "/tmp/x",
         "--hang-up-after", "7"},
        error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_TRUE(parsed->simulator.idleEngine);
    EXPECT_EQ(parsed->simulator.faults.seed, 9u);
    EXPECT_EQ(parsed->simulator.faults.dropPercent, 25);
    EXPECT_EQ(parsed->simulator.faults.lateMilliseconds, 80);
    EXPECT_EQ(parsed->simulator.faults.verifyDiffOffset, 102u);
    EXPECT_EQ(parsed->linkPath, "/tmp/x");
    EXPECT_EQ(parsed->hangUpAfter, 7u);
    EXPECT_FALSE(ParseSimulatorArguments({}, error)->hangUpAfter);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--drop", "101"}, {"--corrupt", "x"}, {"--version-byte", "256"}, {"--verify-diff", "2000"},
             {"--image"}, {"--hang-up-after", "-1"}, {"--bogus"}}) {
        error.clear();
        EXPECT_FALSE(ParseSimulatorArguments(bad, error)) << bad[0];
        EXPECT_FALSE(error.empty()) << bad[0];
    }
}

}  // namespace
}  // namespace torvana
