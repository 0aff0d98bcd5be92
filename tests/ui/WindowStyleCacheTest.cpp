// The window's memory while the monitor runs: the style caches each drawing
// of a spin box or combo box under its palette's cache key, so a control
// whose colours change must come back to the key it had for the same
// colours, or the cache fills with drawings that are never used again.

#include "WindowFixture.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QTabWidget>
#include <map>
#include <vector>

namespace torvana {
namespace {

constexpr int TicksPerPage = 220;  // one throttle cycle of the simulated engine
constexpr int TicksPerFrame = 6;   // a monitor request every sixth tick
constexpr int CurvePage = 0;
constexpr int PositionPage = 9;
constexpr int KnockPage = 11;
constexpr int CorrectionsPage = 13;

// Remembers the palette of every spin box and combo box it draws.
class PaletteProbe : public QProxyStyle {
public:
    explicit PaletteProbe(QStyle* base, std::map<qint64, QPalette>& seen) : QProxyStyle(base), seen(seen) {}
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        if (control == CC_SpinBox || control == CC_ComboBox)
            seen.emplace(option->palette.cacheKey(), option->palette);
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    std::map<qint64, QPalette>& seen;
};

class WindowStyleCache : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        styleName = QApplication::style()->name();
        QApplication::setStyle(new PaletteProbe(QStyleFactory::create(styleName), seen));
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QApplication::setStyle(QStyleFactory::create(styleName));
    }

    QString styleName;
    std::map<qint64, QPalette> seen;
};

TEST_F(WindowStyleCache, MarkingMovedByTheMonitorReusesOneStyleKeyPerColourSet)
{
    TFormHlav& w = Start();
    w.show();
    for (const int page : {CurvePage, PositionPage, KnockPage, CorrectionsPage}) {
        w.Controls().pageControl1->setCurrentIndex(page);
        for (int i = 0; i < TicksPerPage; ++i) {
            Tick();
            if (i % TicksPerFrame == 0)
                w.Controls().pageControl1->currentWidget()->grab();
        }
    }
    std::vector<QPalette> colourSets;
    bool limeDrawn = false;
    for (const auto& [key, palette] : seen) {
        limeDrawn = limeDrawn || palette.color(QPalette::Base) == QColor(Qt::green)
                    || palette.color(QPalette::Button) == QColor(Qt::green);
        if (std::find(colourSets.begin(), colourSets.end(), palette) == colourSets.end())
            colourSets.push_back(palette);
    }
    ASSERT_TRUE(limeDrawn) << "the marking never reached a box, " << seen.size();
    EXPECT_EQ(seen.size(), colourSets.size()) << "style keys for the same colours";
}

}  // namespace
}  // namespace torvana
