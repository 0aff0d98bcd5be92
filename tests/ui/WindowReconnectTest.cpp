// The main window on torvana-unitsim through its own port opener (section
// PORTS names the simulator's link): the device pulled out and plugged in
// again, the connection label's reasons and the port menu's marks.

#include "WindowFixture.h"

#include "link/SimulatorProcess.h"
#include "texts/PortTexts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace torvana {
namespace {

constexpr int MicrosecondsPerMs = 1000;
constexpr int MillisecondsPerSecond = 1000;
// The device is back at most this many ticks after it appeared: 2 s.
constexpr int ReconnectTicks = 2 * MillisecondsPerSecond / Timer1Interval;
constexpr int ReadStartTicks = 3;
constexpr int MaxTicks = 400;
constexpr int LinkWaitSteps = 500;
constexpr int LinkWaitStepMs = 10;

bool Exists(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

class WindowReconnect : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(::access(SimulatorProgram.c_str(), X_OK) == 0) << "build the torvana-unitsim target first";
        ASSERT_TRUE(config.isValid());
        link = (config.path() + "/ttyUNIT").toStdString();
    }

    void TearDown() override { window.reset(); }

    TFormHlav& Start()
    {
        QDir().mkpath(config.path() + "/torvana");
        std::ofstream((config.path() + "/torvana/Torvana_R.ini").toStdString())
            << "[PORTS]\nCOM1=" << link << "\nCOM2=" << link << "-none\n";
        window = std::make_unique<TFormHlav>(QStringList{}, WindowServices{&sink, &dialogs, nullptr});
        window->Timer1().stop();  // the test gives every tick, at the timer's pace
        return *window;
    }

    void Tick()
    {
        window->Timer1Timer();
        ::usleep(Timer1Interval * MicrosecondsPerMs);
    }

    // Ticks until done() holds; how many it took, or -1.
    int TicksUntil(const std::function<bool()>& done, int maxTicks = MaxTicks)
    {
        for (int i = 0; i < maxTicks; ++i) {
            if (done()) {
                return i;
            }
            Tick();
        }
        return done() ? maxTicks : -1;
    }

    bool LinkBecomes(bool present) const
    {
        for (int i = 0; i < LinkWaitSteps && Exists(link) != present; ++i) {
            ::usleep(LinkWaitStepMs * MicrosecondsPerMs);
        }
        return Exists(link) == present;
    }

    bool Connected() const { return window->Controls().labelSpojeni->isHidden(); }
    bool Heard() const { return window->Link().SilenceTicks() <= 1; }

    PrivateHomes config;
    std::string link;
    RecordingSink sink;
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormHlav> window;
};

TEST_F(WindowReconnect, PluggedInAgainTheLinkComesBackButNotTheBrokenTransfer)
{
    SimulatorProcess unit({"--link", link});
    TFormHlav& w = Start();
    const WindowControls& c = w.Controls();
    const PortTexts texts = PortTextsFor(English);
    ASSERT_GE(TicksUntil([&] { return Heard(); }), 0);
    const ParameterImage before = w.Image();

    // Pulled out in the middle of a Read: the Read fails there and then.
    w.MenuReadClick();
    ASSERT_GE(TicksUntil([&] { return c.cGauge->value() >= ReadStartTicks; }), 0);
    unit.Replug();
    ASSERT_TRUE(LinkBecomes(false));
    ASSERT_GE(TicksUntil([&] { return !Connected(); }), 0);
    EXPECT_EQ(c.labelHlaseni->text(), "Read error!");
    EXPECT_EQ(c.labelSpojeni->toolTip().toStdString(), texts.portGone);
    EXPECT_EQ(w.Image(), before);

    // Back within 2 s of the device, said in the status line beside the
    // error; the Read is not taken up again.
    unit.Replug();
    ASSERT_TRUE(LinkBecomes(true));
    const int ticks = TicksUntil([&] { return Heard(); }, ReconnectTicks);
    EXPECT_GE(ticks, 0) << "not back within " << ReconnectTicks << " ticks";
    const std::string again = FillIn(texts.reconnected, {"1", link});
    EXPECT_EQ(c.labelHlaseni->text().toStdString(), "Read error! " + again);
    EXPECT_EQ(c.labelHlaseni->palette().color(QPalette::Window), QColor(Qt::red));
    for (int i = 0; i <= SilenceLimit; ++i) {
        Tick();
        EXPECT_EQ(w.Link().Mode(), TransferIdle);
    }
    EXPECT_TRUE(Connected());
    EXPECT_EQ(w.Image(), before);

    // Pulled and plugged while only monitoring: the note alone.
    w.MenuOpenClick();  // cancelled: hides the status line
    unit.Replug();
    ASSERT_TRUE(LinkBecomes(false));
    ASSERT_GE(TicksUntil([&] { return !Heard(); }), 0);
    unit.Replug();
    ASSERT_TRUE(LinkBecomes(true));
    EXPECT_GE(TicksUntil([&] { return Heard(); }, ReconnectTicks), 0);
    EXPECT_EQ(c.labelHlaseni->text().toStdString(), again);
    EXPECT_FALSE(c.labelHlaseni->isHidden());
    EXPECT_NE(c.labelHlaseni->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_TRUE(sink.shown.empty());

    // Verify runs on the line that came back.
    w.MenuVerifyClick();
    ASSERT_GE(TicksUntil([&] { return w.Link().Mode() == TransferIdle; }), 0);
    EXPECT_EQ(c.labelHlaseni->text(), "Verify: OK");
}

TEST_F(WindowReconnect, ConnectionLabelHintSaysWhyNothingIsHeard)
{
    struct Case {
        std::vector<std::string> options;
        std::string PortTexts::*reason;
    };
    const std::vector<Case> cases{{{"--silent"}, &PortTexts::noAnswer},
                                  {{"--corrupt", "100"}, &PortTexts::badAnswers}};
    for (const Case& c : cases) {
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"--link", link});
        SimulatorProcess unit(options);
        TFormHlav& w = Start();
        ASSERT_GE(TicksUntil([&] { return !Connected(); }), 0);
        EXPECT_EQ(w.Controls().labelSpojeni->toolTip().toStdString(), PortTextsFor(English).*c.reason);
        EXPECT_EQ(w.Controls().labelSpojeni->text(), "No connection with PC");
        w.MenuLanguageClick(Czech);
        Tick();
        EXPECT_EQ(w.Controls().labelSpojeni->toolTip().toStdString(), PortTextsFor(Czech).*c.reason);
        window.reset();
    }
}

TEST_F(WindowReconnect, PortMenuMarksTheNumbersWhoseDeviceExists)
{
    SimulatorProcess unit({"--idle", "--link", link});
    TFormHlav& w = Start();
    w.show();
    const WindowControls& c = w.Controls();
    auto* comMenu = qobject_cast<QMenu*>(c.menuCom[0]->parent());
    ASSERT_NE(comMenu, nullptr);
    const auto openComMenu = [&] {
        QMenuBar* bar = w.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(comMenu->menuAction()).center());
        const bool shown = comMenu->isVisible();
        comMenu->hide();
        return shown;
    };

    ASSERT_TRUE(openComMenu());
    EXPECT_FALSE(c.menuCom[0]->icon().isNull());
    EXPECT_TRUE(c.menuCom[0]->statusTip().startsWith("Set com 1 \u2014 " + QString::fromStdString(link) + ": present"))
        << c.menuCom[0]->statusTip().toStdString();
    EXPECT_EQ(c.menuCom[0]->toolTip(), "Set com 1");
    EXPECT_TRUE(c.menuCom[1]->icon().isNull());
    EXPECT_EQ(c.menuCom[1]->statusTip(), "Set com 2");
    EXPECT_EQ(c.menuCom[0]->text(), "Com &1");

    unit.Replug();
    ASSERT_TRUE(LinkBecomes(false));
    ASSERT_TRUE(openComMenu());
    EXPECT_TRUE(c.menuCom[0]->icon().isNull());
    EXPECT_EQ(c.menuCom[0]->statusTip(), "Set com 1");
}

}  // namespace
}  // namespace torvana
