// Many Program, Verify and Read transfers in a row against the simulated
// unit, each with its own random mix of dropped, corrupted, late and stray
// replies, line noise, a unit that falls silent or a store that stops, run
// tick by tick on a simulated clock. Every transfer must end with success or
// its mode's error; success must mean the unit holds the image (after a
// Program: has stored it); a failed Read must leave the image as it was.

#include "SimulatedLine.h"
#include "UnitSimulator.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/MonitorFrame.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace torvana {
namespace {

// The full soak takes longer than a test run should; the environment
// variable asks for it (or any other count).
constexpr const char* TransferCountVariable = "TORVANA_SOAK_TRANSFERS";
constexpr int DefaultTransfers = 1000;
constexpr std::uint32_t SoakSeed = 20261209;
constexpr int TickLimit = 3000;  // far beyond the slowest transfer that can still end

constexpr int MaxFaultPercent = 15;
constexpr std::array<int, 6> LateChoices = {0, 0, 40, 120, 250, 330};  // ms; 4 ticks are 220 ms
constexpr int SilentUnitPercent = 3;
constexpr int NoisyLinePercent = 30;
constexpr int MaxNoisePerSecond = 10;
constexpr int FallsSilentPercent = 5;
constexpr int MaxAnsweredBeforeSilence = 60;  // a Program with its store needs about 50
constexpr int StoreStopsPercent = 5;
constexpr int MutatedBytesMax = 4;
// Below this many transfers the share of each outcome is left unchecked.
constexpr int MixCheckTransfers = 100;

enum class Kind { Program, Verify, Read };

int TransferCount()
{
    const char* text = std::getenv(TransferCountVariable);
    return text != nullptr ? std::atoi(text) : DefaultTransfers;
}

bool SameBlocks(const ParameterImage& a, const ParameterImage& b, std::size_t first, std::size_t end,
                bool skipRpm2)
{
    for (std::size_t offset = BlockOffset(first); offset < BlockOffset(end); ++offset) {
        if (a[offset] != b[offset] && !(skipRpm2 && offset == Offset::Rpm2))
            return false;
    }
    return true;
}

class Soak {
public:
    Soak() : random(SoakSeed)
    {
        SetMessageTexts(messages, English);
        FillDefaultParameters(image);
        NormaliseImage(image);
        unitParameters = image;
    }

    void RunOne(int index)
    {
        const Kind kind = static_cast<Kind>(Below(3));
        SCOPED_TRACE("transfer " + std::to_string(index) + " kind " + std::to_string(static_cast<int>(kind)));
        // Before a Verify the PC's image may have moved away from the unit;
        // before a Read it always has, so that what the Read brought is visible.
        if (kind == Kind::Program || kind == Kind::Read || Below(2) == 0)
            MutateImage();

        UnitSimulator unit(RandomFaults());
        unit.Preload(unitParameters);
        SimulatedLine line(unit);
        UnitLink link(image, messages);
        link.SetLine(&line);
        link.SetMonitorHandler([&link](const UnitFrame& frame) {
            if (!FrameIsValid(frame))
                return false;
            link.SetUnitStoreRemaining(
                static_cast<std::uint16_t>(MonitorWord(frame.data(), MonitorField::StoreRemaining)));
            return true;
        });
        const ParameterImage before = image;
        if (kind == Kind::Program)
            link.StartProgram();
        else if (kind == Kind::Verify)
            link.StartVerify();
        else
            link.StartRead();

        TransferMode modeAtEnd = link.Mode();
        std::optional<TransferEnd> end;
        for (int tick = 0; tick < TickLimit && !end; ++tick) {
            modeAtEnd = link.Mode();
            link.Tick();
            line.AdvanceTick();
            end = link.TakeTransferEnd();
        }
        ASSERT_TRUE(end.has_value()) << "the transfer never ended";
        const ParameterImage& store = unit.Store();
        if (*end == TransferEnd::VerifyOk && kind == Kind::Program && !AwaitStore(link, line, unit)) {
            ++failed;
            EXPECT_TRUE(link.Status().red);
            EXPECT_EQ(link.Status().text, messages.TextProgramError);
        } else if (*end == TransferEnd::VerifyOk) {
            ++succeeded;
            if (kind != Kind::Program)
                EXPECT_EQ(link.Status().text, messages.TextVerify + OkSuffix);
            // Verify ignores the unit's own engine-speed doubling flag, and a
            // Read ends in a Verify pass.
            const bool same = SameBlocks(store, image, 1, BlockCount, kind != Kind::Program);
            falseSuccesses += same ? 0 : 1;
            EXPECT_TRUE(same) << "success reported while the unit holds something else";
        } else {
            ++failed;
            ASSERT_EQ(*end, TransferEnd::Error);
            EXPECT_TRUE(link.Status().red);
            EXPECT_EQ(link.Status().text, ErrorText(modeAtEnd));
            if (kind == Kind::Read)
                CheckFailedRead(before);
        }
        EXPECT_EQ(link.Mode(), TransferIdle);
        if (kind != Kind::Read) {
            EXPECT_TRUE(SameBlocks(image, before, 1, BlockCount, false)) << "only a Read changes the parameters";
        }
        unitParameters = store;
    }

    int succeeded = 0;
    int failed = 0;
    int failedReads = 0;
    int falseSuccesses = 0;
    int mixedSets = 0;
    int failedStores = 0;

private:
    // Ticks through the unit's store after a verified Program; true when
    // the link reported it stored, which must then be so.
    bool AwaitStore(UnitLink& link, SimulatedLine& line, const UnitSimulator& unit)
    {
        std::optional<StoreEnd> stored;
        for (int tick = 0; tick < TickLimit && !stored; ++tick) {
            link.Tick();
            line.AdvanceTick();
            stored = link.TakeStoreEnd();
            if (link.Status().text == messages.TextProgramDevice + OkSuffix && unit.StoreRemaining() != 0) {
                ++falseSuccesses;
                ADD_FAILURE() << "success shown while the unit still stores";
                return false;
            }
        }
        EXPECT_TRUE(stored.has_value()) << "the store never ended";
        if (stored == StoreEnd::Stored) {
            EXPECT_EQ(unit.StoreRemaining(), 0);
            return true;
        }
        ++failedStores;
        return false;
    }

    int Below(int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); }

    SimulatorOptions RandomFaults()
    {
        SimulatorOptions options;
        SimulatorFaults& faults = options.faults;
        faults.seed = random();
        faults.dropPercent = Below(MaxFaultPercent + 1);
        faults.corruptPercent = Below(MaxFaultPercent + 1);
        faults.strayPercent = Below(MaxFaultPercent + 1);
        faults.lateMilliseconds = LateChoices[static_cast<std::size_t>(Below(LateChoices.size()))];
        faults.silent = Below(100) < SilentUnitPercent;
        if (Below(100) < NoisyLinePercent)
            faults.noisePerSecond = 1 + Below(MaxNoisePerSecond);
        if (Below(100) < FallsSilentPercent)
            faults.answerLimit = static_cast<std::size_t>(Below(MaxAnsweredBeforeSilence));
        if (Below(100) < StoreStopsPercent)
            faults.storeStopsAt = static_cast<std::uint16_t>(1 + Below(UnitStoreFull));
        return options;
    }

    // A few parameter bytes changed and the image made consistent again, as
    // an edit would leave it. The unit's reading permission stays as it is.
    void MutateImage()
    {
        const int count = 1 + Below(MutatedBytesMax);
        for (int i = 0; i < count; ++i) {
            const auto offset = static_cast<std::size_t>(BlockOffset(1) + Below(ImageSize - BlockOffset(1)));
            if (offset != Offset::NoReading)
                image[offset] = static_cast<std::uint8_t>(Below(256));
        }
        NormaliseImage(image);
    }

    const std::string& ErrorText(TransferMode mode) const
    {
        if (mode == TransferProgram)
            return messages.TextProgramError;
        return mode == TransferVerify ? messages.TextVerifyError : messages.TextReadError;
    }

    // A Read that gave up before its last block leaves the image exactly
    // as it was; one that failed in its verify pass holds the whole set.
    void CheckFailedRead(const ParameterImage& before)
    {
        ++failedReads;
        if (image != before && !SameBlocks(image, unitParameters, 1, BlockCount, false)) {
            ++mixedSets;
            ADD_FAILURE() << "a failed Read left a mixed set";
        }
    }

    std::mt19937 random;
    MessageTable messages;
    ParameterImage image{};
    ParameterImage unitParameters{};
};

TEST(Soak, TransfersUnderRandomFaultsEndCleanly)
{
    const int transfers = TransferCount();
    Soak soak;
    for (int i = 0; i < transfers && !::testing::Test::HasFatalFailure(); ++i)
        soak.RunOne(i);
    RecordProperty("transfers", transfers);
    RecordProperty("succeeded", soak.succeeded);
    RecordProperty("failed", soak.failed);
    std::printf("soak: %d transfers, %d succeeded, %d failed (%d failed reads, %d failed stores), "
                "%d false successes, %d mixed sets\n",
                transfers, soak.succeeded, soak.failed, soak.failedReads, soak.failedStores, soak.falseSuccesses,
                soak.mixedSets);
    EXPECT_EQ(soak.falseSuccesses, 0);
    EXPECT_EQ(soak.mixedSets, 0);
    // The fault mix must leave both outcomes common, or the checks above see one side only.
    if (transfers < MixCheckTransfers)
        return;
    EXPECT_GT(soak.succeeded, transfers / 4);
    EXPECT_GT(soak.failed, transfers / 10);
    EXPECT_GT(soak.failedReads, 0);
}

}  // namespace
}  // namespace torvana
