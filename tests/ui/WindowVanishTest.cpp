// The main window on a real serial line to torvana-unitsim while the unit
// goes away in the middle of a transfer: the window runs on, shows the
// mode's error in red in the status line and then the missing connection.

#include "WindowFixture.h"

#include "link/QtSerialLine.h"
#include "link/SimulatorProcess.h"

#include <QLabel>
#include <QProgressBar>

#include <unistd.h>

namespace torvana {
namespace {

constexpr int KillAtGauge = 6;
constexpr int HangUpRequests = 7;
constexpr int MaxTicks = 400;
constexpr int ReplyWaitMs = 55;
constexpr int ReplyPollUs = 1000;
constexpr int MicrosecondsPerMs = 1000;
constexpr int PollsPerReplyWait = ReplyWaitMs * MicrosecondsPerMs / ReplyPollUs;

// Every port number opens the simulator's pseudo-terminal.
struct DevicePorts : PortOpener {
    std::unique_ptr<SerialLine> Open(int, std::string& error) override
    {
        // The unit does not come back: once lost, its device name may soon
        // belong to another test's pseudo-terminal, so it opens only once.
        if (current != nullptr) {
            error = "gone";
            return nullptr;
        }
        auto line = std::make_unique<QtSerialLine>();
        if (!line->Open(device)) {
            error = line->ErrorText();
            return nullptr;
        }
        current = line.get();
        return line;
    }
    std::string device;
    QtSerialLine* current = nullptr;
};

class WindowVanish : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(::access(SimulatorProgram.c_str(), X_OK) == 0) << "build the torvana-unitsim target first";
        ASSERT_TRUE(config.isValid());
    }

    void TearDown() override { window.reset(); }

    TFormHlav& Start(SimulatorProcess& unit)
    {
        ports.device = unit.device;
        window = std::make_unique<TFormHlav>(QStringList{}, WindowServices{&sink, &dialogs, &ports});
        window->Timer1().stop();  // the test drives every tick
        return *window;
    }

    // One tick, then a bounded wait for the reply it asked for.
    void Tick()
    {
        window->Timer1Timer();
        for (int i = 0; i < PollsPerReplyWait && window->Link().Mode() != TransferIdle && ports.current != nullptr
                        && ports.current->IsOpen() && ports.current->QueuedBytes() < FrameSize;
             ++i)
            ::usleep(ReplyPollUs);
    }

    bool TickUntilIdle()
    {
        for (int i = 0; i < MaxTicks && window->Link().Mode() != TransferIdle; ++i)
            Tick();
        return window->Link().Mode() == TransferIdle;
    }

    // The status line in red with text, the connection label after the
    // silence, and a window that still takes commands.
    void ExpectErrorShownAndWindowRunning(const QString& text)
    {
        const WindowControls& c = window->Controls();
        EXPECT_EQ(c.labelHlaseni->text(), text);
        EXPECT_FALSE(c.labelHlaseni->isHidden());
        EXPECT_EQ(c.labelHlaseni->palette().color(QPalette::Window), QColor(Qt::red));
        EXPECT_TRUE(sink.shown.empty());
        EXPECT_FALSE(ports.current->IsOpen());

        for (int i = 0; i <= SilenceLimit; ++i)
            Tick();
        EXPECT_FALSE(c.labelSpojeni->isHidden());
        EXPECT_EQ(c.labelHlaseni->text(), text);

        window->MenuVerifyClick();
        EXPECT_EQ(c.labelHlaseni->text(), "Verify:");
        ASSERT_TRUE(TickUntilIdle());
        EXPECT_EQ(c.labelHlaseni->text(), "Verify error!");
    }

    PrivateHomes config;
    RecordingSink sink;
    ScriptedDialogs dialogs;
    DevicePorts ports;
    std::unique_ptr<TFormHlav> window;
};

TEST_F(WindowVanish, ReadWhoseUnitIsKilledShowsReadError)
{
    SimulatorProcess unit({});
    ASSERT_FALSE(unit.device.empty());
    TFormHlav& w = Start(unit);
    ASSERT_NE(ports.current, nullptr);
    w.MenuReadClick();
    for (int i = 0; i < MaxTicks && w.Controls().cGauge->value() < KillAtGauge && w.Link().Mode() == TransferRead; ++i)
        Tick();
    ASSERT_EQ(w.Link().Mode(), TransferRead);
    unit.Kill();

    ASSERT_TRUE(TickUntilIdle());
    ExpectErrorShownAndWindowRunning("Read error!");
}

TEST_F(WindowVanish, ProgramWhosePseudoTerminalClosesShowsProgramError)
{
    SimulatorProcess unit({"--hang-up-after", std::to_string(HangUpRequests)});
    ASSERT_FALSE(unit.device.empty());
    TFormHlav& w = Start(unit);
    ASSERT_NE(ports.current, nullptr);
    w.MenuProgramClick();

    ASSERT_TRUE(TickUntilIdle());
    EXPECT_GT(w.Controls().cGauge->value(), 0);
    ExpectErrorShownAndWindowRunning("Program error!");
    EXPECT_TRUE(unit.Running());
}

}  // namespace
}  // namespace torvana
