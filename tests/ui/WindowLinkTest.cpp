#include "WindowFixture.h"

#include "core/Normalise.h"
#include "ui/MonitorArea.h"

#include <QLabel>
#include <QProgressBar>

namespace torvana {
namespace {

bool SameParameters(const ParameterImage& a, const ParameterImage& b)
{
    return std::equal(a.begin() + BlockSize, a.end(), b.begin() + BlockSize);
}

TEST_F(WindowTest, ReadFetchesTheUnitsSetAndShowsProgress)
{
    ParameterImage unitSet{};
    TFormHlav& w = Start();
    unitSet = w.Image();
    unitSet[CurveCellOffset(0, 3, 4)] = 33;
    unitSet[Offset::Limiter] = 200;
    NormaliseImage(unitSet);
    unit.Preload(unitSet);

    w.Controls().labelFile2->setText("old.ign");
    w.MenuReadClick();
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Read:");
    EXPECT_FALSE(w.Controls().labelHlaseni->isHidden());
    EXPECT_FALSE(w.Controls().cGauge->isHidden());
    EXPECT_EQ(w.Controls().cGauge->value(), 0);
    Tick();
    EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty());

    int highest = 0;
    for (int i = 0; i < 400 && w.Link().Mode() != TransferIdle; ++i) {
        Tick();
        highest = std::max(highest, w.Controls().cGauge->value());
    }
    ASSERT_EQ(w.Link().Mode(), TransferIdle);
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Verify: OK");
    EXPECT_EQ(w.Controls().cGauge->value(), 19);
    EXPECT_EQ(highest, 19);
    EXPECT_TRUE(SameParameters(w.Image(), unitSet));
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(WindowTest, ProgramSendsTheEditedSetThenVerifies)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(3, 5, 6)] = 77;
    w.MenuProgramClick();
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Program device:");
    EXPECT_FALSE(w.Controls().cGauge->isHidden());
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Verify: OK");
    EXPECT_EQ(unit.Store()[CurveCellOffset(3, 5, 6)], 77);
    EXPECT_TRUE(SameParameters(unit.Store(), w.Image()));

    // Afterwards the unit reports its store progress through the monitor.
    Tick(12);
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Saving:");
}

TEST_F(WindowTest, ProgramWithoutAPortEndsInRed)
{
    ports.refuse = true;
    TFormHlav& w = Start();
    w.MenuProgramClick();
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Program error!");
    EXPECT_EQ(w.Controls().labelHlaseni->palette().color(QPalette::Window), QColor(Qt::red));
    // The status line goes after its countdown.
    Tick(200);
    EXPECT_TRUE(w.Controls().labelHlaseni->isHidden());
    EXPECT_TRUE(w.Controls().cGauge->isHidden());
}

TEST_F(WindowTest, VersionMismatchOfTheUnitComesAsOneMessageBox)
{
    SimulatorOptions options;
    options.faults.versionByte = 36;
    unit = UnitSimulator(options);
    TFormHlav& w = Start();
    w.MenuReadClick();
    ASSERT_TRUE(TickUntilIdle());
    Tick();
    EXPECT_EQ(sink.shown, std::vector<std::string>{"Unmatched version of PC and Ignition programs!"});
}

TEST_F(WindowTest, TicksBehindAMessageBoxRunButOpenNoSecondBox)
{
    SimulatorOptions options;
    options.faults.versionByte = 36;
    unit = UnitSimulator(options);
    TFormHlav& w = Start();
    int ticksBehind = 0;
    sink.whileShown = [&] {
        if (ticksBehind == 0) {
            w.MenuReadClick();  // fails the same way while the box is open
        }
        for (int i = 0; i < 20; ++i, ++ticksBehind) {
            Tick();
        }
    };
    w.MenuReadClick();
    ASSERT_TRUE(TickUntilIdle());
    Tick();
    // The second failure waited for the first box to close.
    EXPECT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.maxDepth, 1);
    EXPECT_EQ(ticksBehind, 40);
}

TEST_F(WindowTest, MonitorFramesFillTheLiveValuesAndKeepTheConnection)
{
    TFormHlav& w = Start();
    Tick(30);
    EXPECT_TRUE(w.Controls().labelSpojeni->isHidden());
    EXPECT_TRUE(w.Monitor().Label(MonitorLabel::LabelRpm)->text().startsWith("RPM = "));
    EXPECT_GT(w.Live().LiveRpm, 0);
    EXPECT_EQ(w.Monitor().Gauge(MonitorGauge::CGaugeRpm)->value(), std::min(100, w.Live().LiveRpm / 100));
}

TEST_F(WindowTest, TheRunningEngineMarksExactlyOneThrottleRowOfTheCurvePage)
{
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(0);
    auto limeRows = [&w] {
        int count = 0;
        for (int r = 0; r < CurveRows; ++r) {
            const auto* label = w.findChild<QWidget*>(QStringLiteral("CurveRowLabel[%1]").arg(r));
            count += label && label->autoFillBackground() &&
                             label->palette().color(QPalette::Window) == QColor(Qt::green)
                         ? 1
                         : 0;
        }
        return count;
    };
    Tick(30);
    ASSERT_GT(w.Live().LiveRpm, 0);
    EXPECT_EQ(limeRows(), 1);
}

TEST_F(WindowTest, UnplugKeepsRunningAndChoosingThePortAgainReconnects)
{
    TFormHlav& w = Start();
    Tick(10);
    ports.current->Close();
    ports.refuse = true;  // the device is gone, so it does not come back by itself
    Tick(25);
    EXPECT_FALSE(w.Controls().labelSpojeni->isHidden());
    ports.refuse = false;
    w.MenuCom1Click(1);
    Tick(10);
    EXPECT_TRUE(w.Controls().labelSpojeni->isHidden());
}

}  // namespace
}  // namespace torvana
