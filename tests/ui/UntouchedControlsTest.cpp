// A page write stores only what the tuner changed: untouched controls never
// rewrite their bytes, even when their range cannot show the stored value.

#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <random>
#include <vector>

#include "WindowFixture.h"
#include "core/Normalise.h"
#include "ui/pages/EditorPages.h"
#include "ui/pages/UpDownSpinBox.h"

namespace torvana {
namespace {

constexpr int Seeds = 12;
constexpr std::size_t AxisPitch = 15;
constexpr std::size_t TablePitch = 150;
constexpr int FollowerCount = 2;

ParameterImage RandomLegalImage(std::mt19937& random)
{
    ParameterImage image{};
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(byte(random));
    }
    NormaliseImage(image);
    return image;
}

std::vector<std::size_t> ChangedBytes(const ParameterImage& a, const ParameterImage& b)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            changed.push_back(i);
        }
    }
    return changed;
}

// One byte, or on the first table of a group that byte and the same byte of
// its followers, one axis or table pitch apart.
bool OneControlsBytes(const std::vector<std::size_t>& changed)
{
    if (changed.size() <= 1) {
        return true;
    }
    for (const std::size_t pitch : {AxisPitch, TablePitch}) {
        bool followers = changed.size() <= FollowerCount + 1;
        for (std::size_t k = 1; k < changed.size(); ++k) {
            followers = followers && changed[k] == changed[0] + k * pitch;
        }
        if (followers) {
            return true;
        }
    }
    return false;
}

// Every page over random legal images: a write without an edit changes
// nothing; one typed value changes only its control's bytes.
TEST(UntouchedControlsTest, AWriteStoresOnlyTheEditedControl)
{
    QTabWidget tabs;
    EditorPages pages(&tabs);
    for (int seed = 0; seed < Seeds; ++seed) {
        std::mt19937 random(seed);
        const ParameterImage image = RandomLegalImage(random);
        PageContext context;
        for (int page = 0; page < tabs.count(); ++page) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", page " << page);
            tabs.setCurrentIndex(page);
            pages.FillActivePage(image, context);
            ParameterImage written = image;
            CurvePageFlags flags = context.pageAllFlags;
            pages.WriteActivePage(written, flags);
            EXPECT_TRUE(written == image);

            const auto boxes = tabs.currentWidget()->findChildren<UpDownSpinBox*>();
            UpDownSpinBox* box = boxes[std::uniform_int_distribution<qsizetype>(0, boxes.size() - 1)(random)];
            if (box->isReadOnly()) {
                continue;
            }
            box->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(box, QString::number(box->value() == box->maximum() ? box->minimum() : box->maximum()));
            QTest::keyClick(box, Qt::Key_Return);
            pages.WriteActivePage(written, flags);
            EXPECT_TRUE(OneControlsBytes(ChangedBytes(image, written))) << box->objectName().toStdString();
            EXPECT_FALSE(written == image) << box->objectName().toStdString();
        }
    }
}

// Legal values beyond the controls' ranges, as files and units hold them.
TEST_F(WindowTest, ShowingAPageAndSavingKeepsValuesBeyondTheControlsRanges)
{
    TFormHlav& w = Start();
    ParameterImage& image = w.Image();
    image[Offset::TempWarning] = 120;
    image[Offset::AccelSize] = 180;                          // 9000 us
    image[KnockOffset(KnockArray::Start, 0)] = 20;           // -80 degrees
    image[Offset::PositionA] = 225;                          // 1125 degrees
    image[CurveAxisOffset(0)] = 3;                           // 150 rpm
    const ParameterImage before = image;
    dialogs.saveAnswer = Dir() + "/kept.ign";
    for (int page = 0; page < w.Controls().pageControl1->count(); ++page) {
        w.Controls().pageControl1->setCurrentIndex(page);
        w.MenuSaveClick();
        EXPECT_TRUE(image == before) << "page " << page;
    }

    w.Controls().pageControl1->setCurrentIndex(PageIndex::Ruzne);
    QSpinBox* warning = w.Pages().SpinBox("EditTempWarning");
    EXPECT_EQ(warning->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_TRUE(warning->toolTip().contains("120"));
    EXPECT_NE(w.Pages().SpinBox("EditStartJet")->palette().color(QPalette::Base), QColor(Qt::yellow));

    // Typing the limit over a limited value stores the limit.
    warning->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(warning, "115");
    QTest::keyClick(warning, Qt::Key_Return);
    EXPECT_EQ(image[Offset::TempWarning], 110);
    EXPECT_NE(warning->palette().color(QPalette::Base), QColor(Qt::yellow));
}

}  // namespace
}  // namespace torvana
