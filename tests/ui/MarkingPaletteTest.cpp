#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSpinBox>

#include "ui/pages/MarkingPainter.h"

namespace torvana {
namespace {

// A cell that was marked and then unmarked must look like its neighbours again,
// also on a read-only follower page where the boxes are disabled.
TEST(MarkingPalette, UnmarkedBoxGetsTheStyleColoursOfEveryGroupBack)
{
    QSpinBox box;
    box.setEnabled(false);
    const QPalette standard = QApplication::palette(&box);
    MarkingPainter painter;
    painter.Paint(&box, true);
    EXPECT_EQ(box.palette().color(QPalette::Active, QPalette::Base), QColor(0, 255, 0));
    painter.Paint(&box, false);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(box.palette().color(group, QPalette::Base), standard.color(group, QPalette::Base))
            << "colour group " << group;
    }
}

TEST(MarkingPalette, UnmarkedLabelStopsFillingItsBackground)
{
    QLabel label("0%");
    MarkingPainter painter;
    painter.Paint(&label, true);
    EXPECT_TRUE(label.autoFillBackground());
    painter.Paint(&label, false);
    EXPECT_FALSE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::Disabled, QPalette::Window),
              QApplication::palette(&label).color(QPalette::Disabled, QPalette::Window));
}

}  // namespace
}  // namespace torvana
