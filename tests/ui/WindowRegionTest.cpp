// Region editing and the heat map in the window, through the mouse, the
// keys and the menus: each operation is one undo step through the edit
// path, moves the coupled followers and keeps the meaning colours on top.

#include "WindowFixture.h"

#include "ui/history/HistoryWiring.h"
#include "ui/pages/CurveGrid.h"
#include "ui/views/CellSelection.h"
#include "ui/views/HeatScale.h"
#include "ui/views/TablePlotDock.h"
#include "ui/views/ViewMenus.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <qcustomplot.h>

namespace torvana {
namespace {

constexpr int Ign1 = 0;
constexpr int IgnitionMax = 60;

class RegionWindowTest : public WindowTest {
protected:
    UpDownSpinBox* Cell(int r, int c) { return window->Pages().CurveGrid().cellEdits[r][c]; }
    std::uint8_t Byte(int t, int r, int c) { return window->Image()[CurveCellOffset(t, r, c)]; }
    void Trigger(const char* name) { window->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    std::optional<CellRegion> Region() { return window->Views().Selection().Region(); }

    // Presses in one cell and lets go over another, as a drag does.
    void Drag(int r1, int c1, int r2, int c2)
    {
        QLineEdit* from = Cell(r1, c1)->findChild<QLineEdit*>();
        QTest::mousePress(from, Qt::LeftButton, Qt::NoModifier, from->rect().center());
        const QPoint global = Cell(r2, c2)->mapToGlobal(Cell(r2, c2)->rect().center());
        QMouseEvent move(QEvent::MouseMove, from->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(from, &move);
        QTest::mouseRelease(from, Qt::LeftButton, Qt::NoModifier, from->mapFromGlobal(global));
    }

    void Keys(int r, int c, int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(Cell(r, c), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(RegionWindowTest, OperationsOnADraggedRegionAreOneStepEachWithCoupledFollowers)
{
    ports.refuse = true;  // no monitor: the engine stands
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(Ign1);
    w.ModeMenuClick(CouplingMenu::Ign123, ModeCoupled);

    Drag(2, 3, 4, 5);
    ASSERT_EQ(Region(), (CellRegion{2, 3, 4, 5}));
    const QWidget* frame = w.findChild<QWidget*>(QStringLiteral("CurveRegionFrame"));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    Keys(4, 5, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    Keys(4, 5, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Region(), (CellRegion{2, 3, 3, 6}));

    const ParameterImage before = w.Image();
    const std::size_t steps = w.History().History().Steps().size();
    w.Views().SetValueAsker([](const QString&, int, int, int) { return std::optional<int>(IgnitionMax + 9); });
    Trigger("MenuRegionSet");
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            const bool in = r >= 2 && r <= 3 && c >= 3 && c <= 6;
            EXPECT_EQ(Byte(Ign1, r, c), in ? IgnitionMax : before[CurveCellOffset(Ign1, r, c)]) << r << c;
            for (int t = 1; t <= 2; ++t) {
                const int moved = before[CurveCellOffset(t, r, c)] + IgnitionMax - before[CurveCellOffset(Ign1, r, c)];
                EXPECT_EQ(Byte(t, r, c), in ? std::min(moved, IgnitionMax) : before[CurveCellOffset(t, r, c)]);
            }
            EXPECT_EQ(Cell(r, c)->value(), Byte(Ign1, r, c));
        }
    }
    EXPECT_EQ(w.History().History().Steps().size(), steps + 1);
    w.History().Undo();
    EXPECT_EQ(w.Image(), before);

    // Ctrl+arrows move the focus; a paste that does not fit changes nothing.
    Keys(2, 3, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(w.focusWidget(), Cell(3, 3));
    Drag(0, 0, 1, 1);
    QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t99\n"));
    const std::size_t shown = sink.shown.size();  // the port's refusal came first
    Trigger("MenuRegionPaste");
    ASSERT_EQ(sink.shown.size(), shown + 1);
    EXPECT_NE(sink.shown.back().find("line 2, column 2"), std::string::npos);
    EXPECT_EQ(w.Image(), before);
    QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\n"));
    Trigger("MenuRegionPaste");
    EXPECT_EQ(Byte(Ign1, 1, 1), 4);
    Trigger("MenuRegionCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1\t2\n3\t4\n"));

    // Nothing to fill from while the engine stands.
    Trigger("MenuRegionFillFromTracked");
    EXPECT_EQ(sink.shown.size(), shown + 2);
}

TEST_F(RegionWindowTest, HeatMapIsStoredAndNeverHidesTheCellInUse)
{
    {
        TFormHlav& w = Start();
        w.Controls().pageControl1->setCurrentIndex(Ign1);
        QAction* heat = w.Views().HeatMapAction();
        ASSERT_FALSE(heat->isChecked());
        heat->trigger();
        Tick(30);
        ASSERT_GT(w.Live().LiveRpm, 0);
        const TrackedIndices& at = w.Tracked();
        const HeatDomain domain = HeatDomainFor(w.Image(), Ign1);
        for (int r = 0; r < CurveRows; ++r) {
            for (int c = 0; c < CurveColumns; ++c) {
                const HeatRgb rgb = HeatColour(HeatLevel(Byte(Ign1, r, c), domain));
                const QColor shown = Cell(r, c)->palette().color(QPalette::Base);
                const bool inUse = r == at.CurveRow && c == at.CurveColumn;
                EXPECT_EQ(shown, inUse ? QColor(0, 255, 0) : QColor(rgb.red, rgb.green, rgb.blue)) << r << c;
            }
        }
        // A coupled follower keeps its plain read-only look.
        w.ModeMenuClick(CouplingMenu::Ign123, ModeCoupled);
        w.Controls().pageControl1->setCurrentIndex(Ign1 + 1);
        UpDownSpinBox* plain = Cell((at.CurveRow + CurveRows / 2) % CurveRows, at.CurveColumn);
        EXPECT_EQ(plain->palette().color(QPalette::Base), QApplication::palette(plain).color(QPalette::Base));
        Close();
    }
    TFormHlav& w = Start();
    EXPECT_TRUE(w.Views().HeatMapAction()->isChecked());
}

TEST_F(RegionWindowTest, TablePlotFollowsThePageTheEditsAndTheEngine)
{
    constexpr int Jet1A = 3;
    constexpr int MicrosecondsPerStep = 50;
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(Jet1A);
    w.Views().TablePlotAction()->trigger();
    const TablePlotDock& dock = w.Views().Plot();
    ASSERT_TRUE(dock.isVisible());
    const auto plotted = [&](int r, int c) { return dock.Plot()->graph(r)->data()->at(c)->value; };
    EXPECT_EQ(plotted(2, 4), Byte(Jet1A, 2, 4) * MicrosecondsPerStep);

    Drag(2, 4, 3, 5);
    w.Views().SetValueAsker([](const QString&, int, int, int) { return std::optional<int>(1500); });
    Trigger("MenuRegionSet");
    EXPECT_EQ(plotted(3, 5), 1500);

    Tick(40);
    ASSERT_GT(w.Live().LiveRpm, 0);
    EXPECT_FALSE(dock.Trail().Points().empty());
    const QCPGraph* point = dock.Plot()->graph(dock.Plot()->graphCount() - 1);
    ASSERT_EQ(point->data()->size(), 1);
    // The point is drawn again once it moves by a pixel.
    const auto pixel = [](const QCPAxis* axis, double value) { return std::lround(axis->coordToPixel(value)); };
    EXPECT_EQ(pixel(point->keyAxis(), point->data()->at(0)->key), pixel(point->keyAxis(), w.Live().LiveRpm));
    EXPECT_EQ(pixel(point->valueAxis(), point->data()->at(0)->value),
              pixel(point->valueAxis(), Byte(Jet1A, w.Tracked().CurveRow, w.Tracked().CurveColumn) * MicrosecondsPerStep));
}

TEST(OperatingTrail, KeepsThirtySecondsAndRestartsWhenTheClockGoesBack)
{
    OperatingTrail trail;
    for (std::int64_t t = 0; t <= 60000; t += 550)
        trail.Add({t, 1000, 1});
    EXPECT_LE(trail.Points().back().timeMs - trail.Points().front().timeMs, OperatingTrail::KeptMs);
    EXPECT_GT(trail.Points().front().timeMs, 60000 - OperatingTrail::KeptMs - 550);
    trail.Add({100, 1000, 1});
    EXPECT_EQ(trail.Points().size(), 1u);
}

}  // namespace
}  // namespace torvana
