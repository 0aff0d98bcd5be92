#include "WindowFixture.h"

#include "ui/output/PageShots.h"

#include <QSet>
#include <QTabWidget>

namespace torvana {
namespace {

// In both a layout with every tab and one with followers hidden: one picture
// per shown page, in tab order, each of the whole window taken after its page
// came to the front, and the page in front before is in front again.
TEST_F(WindowTest, PageShotsTakeEveryShownPageOnce)
{
    TFormHlav& w = Start();
    w.show();
    QTabWidget& tabs = *w.Controls().pageControl1;
    for (const auto mode : {ModeCoupled, ModeCommon}) {
        w.ModeMenuClick(CouplingMenu::Ign123, mode);
        tabs.setCurrentIndex(PageIndex::Knock);
        QStringList expected;
        for (int i = 0; i < tabs.count(); ++i) {
            if (tabs.isTabVisible(i)) {
                expected << PageShotFileName(tabs.widget(i)->objectName());
            }
        }
        QStringList fronts;
        const auto shots = ShootPages(w, tabs, [&] { fronts << PageShotFileName(tabs.currentWidget()->objectName()); });

        QStringList names;
        QSet<QString> distinct;
        for (const PageShot& shot : shots) {
            names << shot.fileName;
            distinct.insert(shot.fileName);
            EXPECT_EQ(shot.image.size(), w.size() * w.devicePixelRatio()) << shot.fileName.toStdString();
            EXPECT_TRUE(shot.fileName.endsWith(".png") && !shot.fileName.contains('['));
        }
        EXPECT_EQ(names, expected);
        EXPECT_EQ(fronts, expected);
        EXPECT_EQ(distinct.size(), names.size());
        EXPECT_EQ(names.size() < tabs.count(), mode == ModeCommon);
        for (std::size_t i = 1; i < shots.size(); ++i) {
            EXPECT_NE(shots[i].image, shots[i - 1].image) << shots[i].fileName.toStdString();
        }
        EXPECT_EQ(tabs.currentIndex(), PageIndex::Knock);
    }
}

}  // namespace
}  // namespace torvana
