// The table views a tuner opens from the View menu, reached by clicking
// the menu bar and the item as a user does.

#include "WindowFixture.h"

#include "ui/binding/TablePageBinding.h"
#include "ui/pages/CurveGrid.h"
#include "ui/views/HitMap.h"
#include "ui/views/ListPlots.h"
#include "ui/views/TablePlotDock.h"
#include "ui/views/ViewMenus.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <qcustomplot.h>

namespace torvana {
namespace {

constexpr int Ign1 = 0;
constexpr int FrameWaitMs = 4;

class TableViewsTest : public WindowTest {
protected:
    // Opens the View menu from the menu bar and clicks the item.
    void ClickViewItem(const char* item)
    {
        QMenuBar* bar = window->menuBar();
        auto* view = window->findChild<QMenu*>(QStringLiteral("MenuView"));
        auto* action = window->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_TRUE(view && action) << item;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view->menuAction()).center());
        ASSERT_TRUE(view->isVisible()) << item;
        QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(action).center());
        EXPECT_FALSE(view->isVisible()) << item;
    }

    // Ticks with a little time between, so the frames have time to count.
    void RunEngine(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            QTest::qWait(FrameWaitMs);
            Tick();
        }
    }

    void ClickTab(const char* sheet)
    {
        QTabWidget* tabs = window->Controls().pageControl1;
        const int index = tabs->indexOf(window->findChild<QWidget*>(QString::fromLatin1(sheet)));
        ASSERT_GE(index, 0) << sheet;
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
        ASSERT_EQ(tabs->currentIndex(), index) << sheet;
    }

    // The list plot's lines as the plain model lays them out.
    void ExpectListPlot(int page)
    {
        const QCustomPlot* plot = window->Views().Plot().ListPlot();
        ASSERT_TRUE(plot->isVisible()) << page;
        int graph = 0;
        for (const PlotPanel& panel : ListPlots(window->Image(), page, 0)) {
            for (const PlotLine& line : panel.lines) {
                ASSERT_LT(graph, plot->graphCount()) << page;
                const QCPGraph* shown = plot->graph(graph++);
                EXPECT_EQ(shown->name().toStdString(), line.name);
                ASSERT_EQ(shown->data()->size(), static_cast<int>(line.x.size())) << line.name;
                // Points with equal keys keep their order: compare as sorted pairs.
                std::vector<std::pair<double, double>> expected, got;
                for (std::size_t i = 0; i < line.x.size(); ++i)
                    expected.emplace_back(line.x[i], line.y[i]);
                for (auto it = shown->data()->constBegin(); it != shown->data()->constEnd(); ++it)
                    got.emplace_back(it->key, it->value);
                std::stable_sort(expected.begin(), expected.end(),
                                 [](const auto& a, const auto& b) { return a.first < b.first; });
                EXPECT_EQ(got, expected) << line.name;
            }
        }
        EXPECT_EQ(graph, plot->graphCount()) << page;
    }

    int SpinValue(const QString& name) const { return window->Pages().SpinBox(name)->value(); }

    QColor Shown(int r, int c) const
    {
        return window->Pages().CurveGrid().cellEdits[r][c]->palette().color(QPalette::Base);
    }
};

TEST_F(TableViewsTest, HitMapShadesTheCellsTheEngineRanInUntilReset)
{
    {
        TFormHlav& w = Start();
        w.show();
        w.Controls().pageControl1->setCurrentIndex(Ign1);
        const QColor plain = QApplication::palette(w.Pages().CurveGrid().cellEdits[0][0]).color(QPalette::Base);
        RunEngine(60);
        ASSERT_GT(w.Live().LiveRpm, 0);
        const HitMap& hits = w.Views().Hits();
        ASSERT_GT(hits.TotalMs(), 0);
        ClickViewItem("MenuHitMap");
        ASSERT_TRUE(w.Views().HitMapAction()->isChecked());
        // After every item the window had put into the menu.
        const QList<QAction*> items = w.findChild<QMenu*>(QStringLiteral("MenuView"))->actions();
        EXPECT_GT(items.indexOf(w.Views().HitMapAction()),
                  items.indexOf(w.findChild<QAction*>(QStringLiteral("MenuChangeMarks"))));
        RunEngine(20);
        int shaded = 0;
        std::int64_t tableMs = 0;
        for (int r = 0; r < CurveRows; ++r) {
            for (int c = 0; c < CurveColumns; ++c) {
                const std::int64_t ms = hits.Ms(Ign1, r, c);
                const HeatRgb rgb = HitColour(HitLevel(ms));
                const bool inUse = r == w.Tracked().CurveRow && c == w.Tracked().CurveColumn;
                const QColor expected = inUse ? QColor(0, 255, 0) : ms == 0 ? plain : QColor(rgb.red, rgb.green, rgb.blue);
                EXPECT_EQ(Shown(r, c), expected) << r << ' ' << c << ' ' << ms;
                shaded += ms > 0 && !inUse ? 1 : 0;
                tableMs += ms;
            }
        }
        EXPECT_EQ(tableMs, hits.TotalMs());
        EXPECT_GT(shaded, 0);

        ClickViewItem("MenuHitMapReset");
        EXPECT_EQ(hits.TotalMs(), 0);
        for (int r = 0; r < CurveRows; ++r) {
            for (int c = 0; c < CurveColumns; ++c) {
                if (r != w.Tracked().CurveRow || c != w.Tracked().CurveColumn) {
                    EXPECT_EQ(Shown(r, c), plain) << r << ' ' << c;
                }
            }
        }
        Close();
    }
    TFormHlav& w = Start();
    EXPECT_TRUE(w.Views().HitMapAction()->isChecked());
}

TEST_F(TableViewsTest, PlotPanelFollowsTheListPagesAndTheirEdits)
{
    TFormHlav& w = Start();
    w.show();
    ClickViewItem("MenuTablePlot");
    for (const auto& [sheet, page] : {std::pair{"TabSheet_Poloha", TrackedPageIndex::Poloha},
                                      std::pair{"TabSheet_Servo", TrackedPageIndex::Servo},
                                      std::pair{"KnockTabSheet", TrackedPageIndex::Knock},
                                      std::pair{"TabSheet_Korekce", TrackedPageIndex::Korekce}}) {
        ClickTab(sheet);
        ExpectListPlot(page);
    }
    // The plot shows what the page's boxes show.
    const auto plots = [](const QCPGraph* graph, int key, int value) {
        return std::any_of(graph->data()->constBegin(), graph->data()->constEnd(),
                           [&](const QCPGraphData& d) { return d.key == key && d.value == value; });
    };
    const QCPGraph* pressure = w.Views().Plot().ListPlot()->graph(0);
    for (int i = 0; i < CorrectionsPageValues::PressurePoints; ++i) {
        const QString index = QStringLiteral("[%1]").arg(i);
        EXPECT_TRUE(plots(pressure, SpinValue("EditTlakTlak" + index), SpinValue("EditTlakKor" + index))) << i;
    }
    QSpinBox* box = w.Pages().SpinBox(QStringLiteral("EditTlakKor[0]"));
    const int typed = box->value() == box->minimum() ? box->minimum() + 1 : box->minimum();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(typed));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(box->value(), typed);
    ExpectListPlot(TrackedPageIndex::Korekce);
    EXPECT_TRUE(plots(w.Views().Plot().ListPlot()->graph(0), SpinValue("EditTlakTlak[0]"), typed));

    ClickTab("TabSheet_Servo");
    for (int i = 0; i < ServoPageValues::ServoPoints; ++i) {
        const QString index = QStringLiteral("[%1]").arg(i);
        EXPECT_TRUE(plots(w.Views().Plot().ListPlot()->graph(0), SpinValue("EditServoRpm" + index),
                          SpinValue("EditServoNap" + index))) << i;
    }
}

TEST_F(TableViewsTest, TablePlotKeepsItsPlaceBetweenSessions)
{
    const QRect frame(40, 50, 420, 330);
    {
        TFormHlav& w = Start();
        w.show();
        ClickViewItem("MenuTablePlot");
        TablePlotDock& dock = w.Views().Plot();
        ASSERT_TRUE(dock.isVisible());
        dock.setGeometry(frame);
        Close();
    }
    {
        TFormHlav& w = Start();
        w.show();
        TablePlotDock& dock = w.Views().Plot();
        EXPECT_TRUE(w.Views().TablePlotAction()->isChecked());
        EXPECT_TRUE(dock.isVisible());
        EXPECT_TRUE(dock.isFloating());
        EXPECT_EQ(dock.geometry(), frame);
        dock.setFloating(false);
        w.addDockWidget(Qt::LeftDockWidgetArea, &dock);
        Close();
    }
    {
        TFormHlav& w = Start();
        w.show();
        TablePlotDock& dock = w.Views().Plot();
        EXPECT_TRUE(dock.isVisible());
        EXPECT_FALSE(dock.isFloating());
        EXPECT_EQ(w.dockWidgetArea(&dock), Qt::LeftDockWidgetArea);
        ClickViewItem("MenuTablePlot");
        EXPECT_FALSE(dock.isVisible());
        Close();
    }
    TFormHlav& w = Start();
    w.show();
    EXPECT_FALSE(w.Views().Plot().isVisible());
    EXPECT_FALSE(w.Views().TablePlotAction()->isChecked());
}

// The row legend sits beside the lines: over them it hid the table's high
// engine speeds, where tuners look most.
TEST_F(TableViewsTest, TablePlotLegendLeavesTheLinesFree)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(Ign1);
    ClickViewItem("MenuTablePlot");
    QCustomPlot* plot = w.Views().Plot().Plot();
    plot->replot();
    ASSERT_TRUE(plot->legend->visible());
    EXPECT_EQ(plot->legend->itemCount(), CurveRows);
    EXPECT_FALSE(plot->legend->outerRect().intersects(plot->axisRect()->rect()));
    EXPECT_GT(plot->axisRect()->rect().height(), plot->height() / 2);
}

TEST_F(TableViewsTest, SurfaceWithoutOpenGlFallsBackToTheLinesSilently)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    {
        TFormHlav& w = Start();
        w.show();
        w.Controls().pageControl1->setCurrentIndex(Ign1);
        ClickViewItem("MenuTablePlot");
        const std::size_t shown = sink.shown.size();
        ClickViewItem("MenuTablePlot3D");
        EXPECT_TRUE(w.Views().SurfaceAction()->isChecked());
        EXPECT_FALSE(w.Views().Plot().SurfaceShown());
        EXPECT_TRUE(w.Views().Plot().Plot()->isVisible());
        EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("TableSurface")), nullptr);
        EXPECT_EQ(sink.shown.size(), shown);
        Close();
    }
    TFormHlav& w = Start();
    w.show();
    EXPECT_TRUE(w.Views().SurfaceAction()->isChecked());
    EXPECT_TRUE(w.Views().Plot().Plot()->isVisible());
}

}  // namespace
}  // namespace torvana
