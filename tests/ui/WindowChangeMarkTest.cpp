// Changed-cell marks: after random steps with the arrow keys on two pages,
// exactly the controls that show another value than the set last saved
// carry a mark; saving or undoing takes the marks away, and the View menu's
// tick turns them off and is kept in the settings file.

#include "WindowFixture.h"

#include "history/EditorState.h"
#include "settings/IniFile.h"
#include "ui/history/ChangeMarkView.h"
#include "ui/history/HistoryWiring.h"
#include "ui/pages/UpDownSpinBox.h"

#include <QAction>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace torvana {
namespace {

constexpr int Steps = 24;
constexpr int Pages[] = {0, PageIndex::Korekce};

class ChangeMarkWindowTest : public WindowTest {
protected:
    std::vector<UpDownSpinBox*> Boxes(int page)
    {
        window->Controls().pageControl1->setCurrentIndex(page);
        std::vector<UpDownSpinBox*> boxes;
        for (auto* box : window->Controls().pageControl1->widget(page)->findChildren<UpDownSpinBox*>()) {
            if (box->isVisible() && !box->isReadOnly())
                boxes.push_back(box);
        }
        return boxes;
    }

    std::set<const QWidget*> Marked()
    {
        const std::vector<const QWidget*> marked = window->Pages().ChangeMarked();
        return {marked.begin(), marked.end()};
    }
};

TEST_F(ChangeMarkWindowTest, ExactlyTheChangedControlsAreMarked)
{
    TFormHlav& w = Start();
    w.show();
    std::map<int, std::map<const QWidget*, int>> original;
    for (int page : Pages) {
        for (UpDownSpinBox* box : Boxes(page))
            original[page][box] = box->value();
        EXPECT_TRUE(Marked().empty());
    }
    std::mt19937 random(15);
    for (int step = 0; step < Steps; ++step) {
        const int page = Pages[random() % std::size(Pages)];
        const std::vector<UpDownSpinBox*> boxes = Boxes(page);
        UpDownSpinBox* box = boxes[random() % boxes.size()];
        box->setFocus();
        QTest::keyClick(box, random() % 2 ? Qt::Key_Up : Qt::Key_Down);
    }
    std::size_t changedCount = 0;
    for (int page : Pages) {
        SCOPED_TRACE(page);
        std::set<const QWidget*> expected;
        for (UpDownSpinBox* box : Boxes(page)) {
            if (box->value() != original[page][box])
                expected.insert(box);
        }
        EXPECT_EQ(Marked(), expected);
        changedCount += expected.size();
    }
    ASSERT_GT(changedCount, 0u);

    // The mark sits in the corner and leaves the box's colour in its middle.
    const QWidget* marked = *Marked().begin();
    const QImage picture = const_cast<QWidget*>(marked)->grab().toImage();
    EXPECT_NE(picture.pixelColor(2, 2), picture.pixelColor(picture.width() / 2, 2));

    while (w.History().UndoAction()->isEnabled())
        w.History().UndoAction()->trigger();
    EXPECT_TRUE(Marked().empty());
    while (w.History().RedoAction()->isEnabled())
        w.History().RedoAction()->trigger();
    EXPECT_FALSE(Marked().empty());
    dialogs.saveAnswer = QDir(Dir()).filePath("saved.ign");
    w.MenuSaveClick();
    EXPECT_TRUE(Marked().empty());
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ChangeMarkWindowTest, TheViewMenuTickTurnsMarksOffAndIsKept)
{
    TFormHlav& w = Start();
    w.show();
    UpDownSpinBox* box = Boxes(0).front();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up);
    ASSERT_EQ(Marked(), std::set<const QWidget*>{box});
    QAction* tick = w.ChangeMarks().Action();
    ASSERT_TRUE(tick->isChecked());
    tick->trigger();
    EXPECT_TRUE(Marked().empty());
    const IniFile ini((Dir() + "/torvana/Torvana_R.ini").toStdString());
    EXPECT_EQ(ini.ReadInteger(ChangeMarkSection, ChangeMarkKey, -1), 0);
    Close();

    TFormHlav& again = Start();
    again.show();
    EXPECT_FALSE(again.ChangeMarks().Action()->isChecked());
    EXPECT_TRUE(Marked().empty());
    again.ChangeMarks().Action()->trigger();
    EXPECT_EQ(ini.ReadInteger(ChangeMarkSection, ChangeMarkKey, -1), 1);
    EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace torvana
