// The log window as the user meets it: opened from the Log menu, channels
// chosen, the cursor clicked, the wheel, the marker list.

#include "WindowFixture.h"

#include "log/LogCsv.h"
#include "ui/log/LogWindow.h"
#include "ui/log/LogWiring.h"

#include "ui/log/LogCursorOverlay.h"
#include "ui/log/LogScatterView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>
#include <qcustomplot.h>

namespace torvana {
namespace {

constexpr int Frames = 200;
constexpr int FrameMs = 330;
constexpr int MarkerMs = 10000;
constexpr int WaterGapEvery = 50;

QString WriteFile(const QString& path, const std::string& text)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

// The cursor is drawn in red over every plot at its time.
void ExpectCursorDrawnAt(QCustomPlot* plot, double seconds)
{
    QCoreApplication::processEvents();  // a queued replot
    const auto* overlay = plot->findChild<LogCursorOverlay*>();
    ASSERT_EQ(overlay->Lines().size(), static_cast<std::size_t>(plot->axisRectCount()));
    const QImage shown = plot->grab().toImage();
    for (int i = 0; i < plot->axisRectCount(); ++i) {
        const int x = qRound(plot->axisRect(i)->axis(QCPAxis::atBottom)->coordToPixel(seconds));
        EXPECT_EQ(overlay->Lines()[static_cast<std::size_t>(i)].x1(), x);
        EXPECT_EQ(shown.pixelColor(x, plot->axisRect(i)->center().y()), QColor(Qt::red)) << "plot " << i;
    }
}

std::string SampleLog()
{
    std::string text = LogCsvHeader();
    for (int i = 0; i < Frames; ++i) {
        LogRow row;
        row.timeMs = i * FrameMs;
        row.Set(LogChannel::Rpm, 1000 + 10 * i);
        row.Set(LogChannel::TpsPercent, i % 100);
        row.Set(LogChannel::LambdaMillivolts, 450);
        if (i % WaterGapEvery != 0)
            row.Set(LogChannel::WaterTemp, 80);
        text += LogCsvRow(row);
    }
    LogRow marker;
    marker.timeMs = MarkerMs;
    marker.marker = "1 knock on the dyno";
    return text + LogCsvRow(marker);
}

QString CursorValue(const TFormLog& log, LogChannel channel)
{
    const auto* tree = log.findChild<QTreeWidget*>(QStringLiteral("TreeLogCursor"));
    return tree->topLevelItem(static_cast<int>(channel))->text(1);
}

TEST_F(WindowTest, LogWindowPlotsChosenChannelsWithACursorAndMarkers)
{
    const QString path = WriteFile(Dir() + "/run.csv", SampleLog());
    TFormHlav& w = Start();
    QString chosen = path;
    w.Logs().SetFileChooser([&chosen](const QString&) { return chosen; });
    w.findChild<QAction*>(QStringLiteral("MenuLogOpen"))->trigger();
    TFormLog* log = w.Logs().LogWindow();
    ASSERT_NE(log, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(log));
    QCustomPlot* plot = log->Plot();
    ASSERT_EQ(plot->graphCount(), 3);  // engine speed, throttle and lambda at first
    EXPECT_EQ(plot->graph(0)->dataCount(), Frames);

    auto* channels = log->findChild<QListWidget*>(QStringLiteral("ListLogChannels"));
    channels->item(static_cast<int>(LogChannel::WaterTemp))->setCheckState(Qt::Checked);
    ASSERT_EQ(plot->graphCount(), 4);
    ASSERT_EQ(plot->axisRectCount(), 4);
    plot->replot();

    // A click reads every value of the frame at that time.
    QCPAxisRect* top = plot->axisRect(0);
    const double clickAt = 20.0;
    const QPoint click(qRound(top->axis(QCPAxis::atBottom)->coordToPixel(clickAt)), top->center().y());
    // Through the window, as a user's click comes: the cursor's overlay lets it pass to the plot.
    QTest::mouseClick(log->windowHandle(), Qt::LeftButton, {}, plot->mapTo(log, click));
    ASSERT_TRUE(log->CursorTime());
    EXPECT_NEAR(*log->CursorTime(), 60 * FrameMs / 1000.0, 1e-9);
    EXPECT_EQ(CursorValue(*log, LogChannel::Rpm), "1600");
    EXPECT_EQ(CursorValue(*log, LogChannel::WaterTemp), "80");
    EXPECT_EQ(CursorValue(*log, LogChannel::Pressure), "-");
    ExpectCursorDrawnAt(plot, *log->CursorTime());
    QTest::keyClick(log, Qt::Key_Right);
    EXPECT_EQ(CursorValue(*log, LogChannel::Rpm), "1610");

    // The wheel zooms every plot's time axis alike.
    const auto before = log->TimeRange();
    QWheelEvent wheel(QPointF(click), plot->mapToGlobal(QPointF(click)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    const auto after = log->TimeRange();
    EXPECT_LT(after.second - after.first, before.second - before.first);
    ExpectCursorDrawnAt(plot, *log->CursorTime());
    for (int i = 1; i < plot->axisRectCount(); ++i) {
        EXPECT_EQ(plot->axisRect(i)->axis(QCPAxis::atBottom)->range().lower, after.first);
        EXPECT_EQ(plot->axisRect(i)->axis(QCPAxis::atBottom)->range().upper, after.second);
    }

    // The marker is listed; its item takes the cursor there.
    auto* markers = log->findChild<QListWidget*>(QStringLiteral("ListLogMarkers"));
    ASSERT_EQ(markers->count(), 1);
    EXPECT_TRUE(markers->item(0)->text().contains(QStringLiteral("knock on the dyno")));
    QTest::mouseClick(markers->viewport(), Qt::LeftButton, {}, markers->visualItemRect(markers->item(0)).center());
    EXPECT_NEAR(*log->CursorTime(), (MarkerMs / FrameMs) * FrameMs / 1000.0, 1e-9);

    // A file that is no log: the reason shows and the log stays.
    chosen = WriteFile(Dir() + "/notes.csv", "rpm,lambda\n1,2\n");
    w.findChild<QAction*>(QStringLiteral("MenuLogOpen"))->trigger();
    EXPECT_TRUE(log->findChild<QLabel*>(QStringLiteral("LabelLogFile"))->text().startsWith("The log could not be read:"));
    EXPECT_EQ(log->Timeline()->FrameCount(), static_cast<std::size_t>(Frames));
    EXPECT_EQ(log->File(), path);
}

// The scatter tab: lambda over engine speed coloured by throttle at first,
// other channels chosen with the keys, frames without a value left out,
// the cursor's frame ringed.
TEST_F(WindowTest, LogWindowScattersOneChannelOverAnother)
{
    const QString path = WriteFile(Dir() + "/run.csv", SampleLog());
    TFormHlav& w = Start();
    w.Logs().SetFileChooser([&path](const QString&) { return path; });
    w.findChild<QAction*>(QStringLiteral("MenuLogOpen"))->trigger();
    TFormLog* log = w.Logs().LogWindow();
    ASSERT_NE(log, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(log));
    auto* tabs = log->findChild<QTabWidget*>(QStringLiteral("TabLogViews"));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    LogScatterView* scatter = log->ScatterView();
    ASSERT_TRUE(scatter->isVisible());
    EXPECT_EQ(scatter->Shown().points.size(), static_cast<std::size_t>(Frames));
    int classesUsed = 0;
    for (int c = 0; c < ScatterColourClasses; ++c)
        classesUsed += scatter->Plot()->graph(c)->dataCount() > 0 ? 1 : 0;
    EXPECT_EQ(classesUsed, ScatterColourClasses);

    auto* yBox = scatter->findChild<QComboBox*>(QStringLiteral("ComboLogScatterY"));
    for (int i = static_cast<int>(LogChannel::LambdaMillivolts); i < static_cast<int>(LogChannel::WaterTemp); ++i)
        QTest::keyClick(yBox, Qt::Key_Down);
    ASSERT_EQ(yBox->currentText(), "water_c");
    EXPECT_EQ(scatter->Shown().framesLeftOut, static_cast<std::size_t>(Frames / WaterGapEvery));
    auto* colourBox = scatter->findChild<QComboBox*>(QStringLiteral("ComboLogScatterColour"));
    QTest::keyClick(colourBox, Qt::Key_Home);
    EXPECT_EQ(colourBox->currentText(), "(one colour)");
    EXPECT_EQ(scatter->Plot()->graph(0)->dataCount(), static_cast<int>(scatter->Shown().points.size()));

    // The cursor set by the keys in the time view is ringed here.
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
    log->SetCursor(1.0);
    QTest::keyClick(log, Qt::Key_Right);
    QCPGraph* ring = scatter->Plot()->graph(ScatterColourClasses);
    ASSERT_EQ(ring->dataCount(), 1);
    EXPECT_EQ(ring->data()->at(0)->key, 1000 + 10 * 4);
    EXPECT_EQ(ring->data()->at(0)->value, 80);

    // The channels chosen come back with the next start.
    Close();
    TFormHlav& again = Start();
    again.Logs().SetFileChooser([&path](const QString&) { return path; });
    again.findChild<QAction*>(QStringLiteral("MenuLogOpen"))->trigger();
    ASSERT_NE(again.Logs().LogWindow(), nullptr);
    const ScatterChoice kept = again.Logs().LogWindow()->ScatterView()->Choice();
    EXPECT_EQ(kept.x, LogChannel::Rpm);
    EXPECT_EQ(kept.y, LogChannel::WaterTemp);
    EXPECT_FALSE(kept.colour);
}

// In every language the log window's buttons and labelled boxes are
// reached by keys no two of them share.
TEST_F(WindowTest, LogWindowAcceleratorsDifferInEveryLanguage)
{
    const QString path = WriteFile(Dir() + "/run.csv", SampleLog());
    TFormHlav& w = Start();
    w.Logs().SetFileChooser([&path](const QString&) { return path; });
    w.findChild<QAction*>(QStringLiteral("MenuLogOpen"))->trigger();
    TFormLog* log = w.Logs().LogWindow();
    ASSERT_NE(log, nullptr);
    for (int language = 0; language < LanguageCount; ++language) {
        w.MenuLanguageClick(language);
        QStringList texts;
        for (const QAbstractButton* button : log->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QLabel* label : log->findChildren<QLabel*>())
            texts << label->text();
        QString accelerators;
        for (const QString& text : texts) {
            const qsizetype mark = text.indexOf(u'&');
            if (mark < 0 || mark + 1 >= text.size())
                continue;
            const QChar key = text[mark + 1].toUpper();
            EXPECT_FALSE(accelerators.contains(key)) << text.toStdString() << " in language " << language;
            accelerators += key;
        }
        EXPECT_GE(accelerators.size(), 7) << "language " << language;
    }
}

}  // namespace
}  // namespace torvana
