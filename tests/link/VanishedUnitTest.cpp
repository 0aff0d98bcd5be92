// The unit going away in the middle of a transfer, over a real serial line:
// torvana-unitsim runs as a process on a pseudo-terminal and is either
// killed or closes its pseudo-terminal while staying alive (an unplugged
// adapter). Every transfer must end with its mode's error, never with
// success, and a Read that breaks off leaves the image as it was.

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/QtSerialLine.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include "QtApplicationSuite.h"
#include "SimulatorProcess.h"
#include "UnitSimulator.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace torvana {
namespace {

enum class Vanish { Killed, HungUp };

struct VanishCase {
    TransferMode mode;
    Vanish how;
};

// Blocks accepted before the simulator is killed, and requests it answers
// before it hangs up: both well inside the first pass.
constexpr int KillAtGauge = 6;
constexpr int HangUpRequests = 7;
constexpr int MaxTicks = 400;
// From the last accepted reply to the error: five sends four ticks apart.
constexpr int TicksToGiveUp = MaxSends * ResendTicks;
constexpr int TicksAfterEnd = SilenceLimit + 2;
constexpr int ReplyWaitMs = 55;
constexpr int ReplyPollUs = 1000;
constexpr int MicrosecondsPerMs = 1000;
constexpr int PollsPerReplyWait = ReplyWaitMs * MicrosecondsPerMs / ReplyPollUs;
constexpr std::uint8_t UntouchedByte = 0xA5;
constexpr int Blocks = static_cast<int>(BlockCount);

// The set the simulator holds when started without an image.
ParameterImage UnitParameters()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    NormaliseImage(image);
    return image;
}

ParameterImage UnitStore()
{
    UnitSimulator reference;
    reference.Preload(UnitParameters());
    return reference.Store();
}

bool SameBlock(const ParameterImage& a, const ParameterImage& b, int block)
{
    const auto start = static_cast<std::ptrdiff_t>(BlockOffset(static_cast<std::size_t>(block)));
    return std::equal(a.begin() + start, a.begin() + start + BlockSize, b.begin() + start);
}

std::string CaseText(const VanishCase& c)
{
    const char* mode = c.mode == TransferProgram ? "Program" : c.mode == TransferVerify ? "Verify" : "Read";
    return std::string(mode) + (c.how == Vanish::Killed ? "UnitKilled" : "PseudoTerminalClosed");
}

std::string CaseName(const testing::TestParamInfo<VanishCase>& info)
{
    return CaseText(info.param);
}

// Test names in ctest show the case, not its bytes.
void PrintTo(const VanishCase& c, std::ostream* out)
{
    *out << CaseText(c);
}

class VanishedUnit : public QtApplicationSuite, public testing::WithParamInterface<VanishCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(::access(SimulatorProgram.c_str(), X_OK) == 0) << "build the torvana-unitsim target first";
        SetMessageTexts(messages, English);
        image = GetParam().mode == TransferRead ? FilledImage() : UnitParameters();
        before = image;
    }

    static ParameterImage FilledImage()
    {
        ParameterImage filled;
        filled.fill(UntouchedByte);
        return filled;
    }

    void Start()
    {
        switch (GetParam().mode) {
        case TransferProgram: link.StartProgram(); break;
        case TransferVerify: link.StartVerify(); break;
        default: link.StartRead(); break;
        }
    }

    // One tick, then a bounded wait for the reply it asked for.
    void Tick()
    {
        link.Tick();
        if (const auto end = link.TakeTransferEnd())
            ends.push_back(*end);
        for (int i = 0; i < PollsPerReplyWait && link.Mode() != TransferIdle && line.IsOpen()
                        && line.QueuedBytes() < FrameSize;
             ++i)
            ::usleep(ReplyPollUs);
    }

    const std::string& ErrorText() const
    {
        return GetParam().mode == TransferProgram  ? messages.TextProgramError
               : GetParam().mode == TransferVerify ? messages.TextVerifyError
                                                   : messages.TextReadError;
    }

    MessageTable messages;
    ParameterImage image{};
    ParameterImage before{};
    QtSerialLine line;
    UnitLink link{image, messages};
    std::vector<TransferEnd> ends;
};

TEST_P(VanishedUnit, TransferEndsWithItsErrorAndTheLinkRunsOn)
{
    const bool kill = GetParam().how == Vanish::Killed;
    std::vector<std::string> options;
    if (!kill)
        options = {"--hang-up-after", std::to_string(HangUpRequests)};
    SimulatorProcess unit(options);
    ASSERT_FALSE(unit.device.empty());
    ASSERT_TRUE(line.Open(unit.device)) << line.ErrorText();
    link.SetLine(&line);
    Start();

    int tick = 0;
    if (kill) {
        while (tick < MaxTicks && link.Gauge().value < KillAtGauge && ends.empty()) {
            Tick();
            ++tick;
        }
        ASSERT_TRUE(ends.empty()) << "the transfer ended before the unit went away";
        ASSERT_EQ(link.Mode(), GetParam().mode);
        unit.Kill();
    }
    const int vanishedAt = tick;
    while (tick < MaxTicks && ends.empty()) {
        Tick();
        ++tick;
    }

    ASSERT_EQ(ends.size(), 1u) << "no end within " << MaxTicks << " ticks";
    EXPECT_EQ(ends.front(), TransferEnd::Error);
    EXPECT_EQ(link.Mode(), TransferIdle);
    EXPECT_EQ(link.Status().text, ErrorText());
    EXPECT_TRUE(link.Status().red);
    EXPECT_TRUE(link.Status().visible);
    EXPECT_FALSE(link.ProgramSucceeded());
    EXPECT_TRUE(link.TakeMessages().empty());
    EXPECT_FALSE(line.IsOpen()) << "the line did not notice the hang-up";
    if (kill)
        EXPECT_LE(tick - vanishedAt, TicksToGiveUp + ResendTicks);
    else
        EXPECT_TRUE(unit.Running()) << "only the pseudo-terminal was to go";

    const int received = link.Gauge().value;
    const ParameterImage store = UnitStore();
    switch (GetParam().mode) {
    case TransferRead:
        EXPECT_GT(received, 0);
        EXPECT_LT(received, Blocks);
        if (!kill) {
            EXPECT_LE(received, HangUpRequests);
        }
        EXPECT_EQ(image, before);
        break;
    case TransferProgram:
        // Block 0 takes the unit's header; the parameters stay as they were.
        for (int block = 1; block < Blocks; ++block)
            EXPECT_TRUE(SameBlock(image, before, block)) << "block " << block;
        break;
    default:
        EXPECT_EQ(image, before);
        break;
    }

    // Idle on a dead line: nothing else ends, the indicator reports the loss.
    const ParameterImage after = image;
    for (int i = 0; i < TicksAfterEnd; ++i)
        Tick();
    EXPECT_EQ(ends.size(), 1u);
    EXPECT_EQ(link.Mode(), TransferIdle);
    EXPECT_TRUE(link.ConnectionLabelVisible());
    EXPECT_EQ(link.Status().text, ErrorText());
    EXPECT_EQ(image, after);
}

INSTANTIATE_TEST_SUITE_P(Transfers, VanishedUnit,
                         testing::Values(VanishCase{TransferProgram, Vanish::Killed},
                                         VanishCase{TransferVerify, Vanish::Killed},
                                         VanishCase{TransferRead, Vanish::Killed},
                                         VanishCase{TransferProgram, Vanish::HungUp},
                                         VanishCase{TransferVerify, Vanish::HungUp},
                                         VanishCase{TransferRead, Vanish::HungUp}),
                         CaseName);

}  // namespace
}  // namespace torvana
