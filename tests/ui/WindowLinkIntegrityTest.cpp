// The window's view of a transfer that breaks off or a store that has not
// finished: the editor keeps a whole set and success waits for the unit.

#include "WindowFixture.h"

#include "core/Normalise.h"
#include "ui/history/HistoryWiring.h"
#include "ui/pages/EditorPages.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>

namespace torvana {
namespace {

constexpr std::size_t RequestsBeforeBreak = 9;

TEST_F(WindowTest, ReadThatBreaksOffKeepsTheEditorsSet)
{
    SimulatorOptions options;
    options.faults.answerLimit = RequestsBeforeBreak;
    unit = UnitSimulator(options);
    TFormHlav& w = Start();
    ParameterImage unitSet = w.Image();
    for (std::size_t offset = CurveTableOffset(0); offset < CurveTableOffset(9); offset += 7)
        unitSet[offset] = static_cast<std::uint8_t>(unitSet[offset] + 3);
    NormaliseImage(unitSet);
    unit.Preload(unitSet);
    const ParameterImage before = w.Image();

    w.MenuReadClick();
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Read error!");
    EXPECT_EQ(w.Image(), before);
    // Closing writes the page back: still the editor's own set.
    w.close();
    EXPECT_EQ(w.Image(), before);
}

// A box typed into and committed while a Read runs: the Read goes on and
// brings the unit's set whole, the unit keeps its set, and Undo gives back
// the editor's set with the edit.
TEST_F(WindowTest, AnEditDuringAReadNeitherStopsNorMixesIt)
{
    constexpr int BlocksUnderWay = 20;  // ticks: some blocks read, not all
    constexpr std::size_t EditedCell = CurveCellOffset(0, 0, 0);
    for (const bool programAtOnce : {false, true}) {
        TFormHlav& w = Start();
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QTabWidget* tabs = w.Controls().pageControl1;
        if (programAtOnce) {
            tabs->setCurrentIndex(PageIndex::Ruzne);
            QTest::mouseClick(w.findChild<QCheckBox*>("CheckBoxProgHned"), Qt::LeftButton);
            ASSERT_TRUE(TickUntilIdle());
        }
        tabs->setCurrentIndex(0);
        ParameterImage unitSet = w.Image();
        for (std::size_t offset = CurveTableOffset(0); offset < CurveTableOffset(9); offset += 7)
            unitSet[offset] = static_cast<std::uint8_t>(unitSet[offset] % 50 + 3);
        NormaliseImage(unitSet);
        unit.Preload(unitSet);
        const ParameterImage unitStore = unit.Store();

        w.MenuReadClick();
        Tick(BlocksUnderWay);
        ASSERT_EQ(w.Link().Mode(), TransferRead);
        auto* cell = w.findChild<QWidget*>("CurveCellEdit[0][0]")->findChild<QLineEdit*>();
        QTest::mouseClick(cell, Qt::LeftButton);
        cell->selectAll();
        QTest::keyClicks(cell, "57");
        QTest::keyClick(cell, Qt::Key_Return);
        ASSERT_EQ(w.Image()[EditedCell], 57);
        EXPECT_EQ(w.Link().Mode(), TransferRead) << "Programming after change " << programAtOnce;
        ASSERT_TRUE(TickUntilIdle());
        EXPECT_EQ(w.Image(), unitStore) << "Programming after change " << programAtOnce;
        EXPECT_EQ(unit.Store(), unitStore);
        w.History().UndoAction()->trigger();
        EXPECT_EQ(w.Image()[EditedCell], 57);
    }
}

// A box once typed into and committed unchanged, then focused again: a Read
// fills it with the unit's value, and leaving it keeps that value.
TEST_F(WindowTest, AReadFillsTheFocusedBoxThatHoldsNoTyping)
{
    constexpr std::size_t Cell = CurveCellOffset(0, 0, 0);
    TFormHlav& w = Start();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Controls().pageControl1->setCurrentIndex(0);
    auto* box = w.findChild<QWidget*>("CurveCellEdit[0][0]")->findChild<QLineEdit*>();
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, box->text());
    QTest::keyClick(box, Qt::Key_Return);
    QTest::mouseClick(box, Qt::LeftButton);
    ParameterImage unitSet = w.Image();
    unitSet[Cell] = static_cast<std::uint8_t>(unitSet[Cell] % 50 + 3);
    NormaliseImage(unitSet);
    unit.Preload(unitSet);

    w.MenuReadClick();
    ASSERT_TRUE(TickUntilIdle());
    const ParameterImage read = w.Image();
    ASSERT_EQ(read[Cell], unitSet[Cell]);
    EXPECT_EQ(box->text(), QString::number(unitSet[Cell]));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(w.Image(), read);
}

TEST_F(WindowTest, ProgramOkWaitsUntilTheUnitHasStored)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(2, 4, 4)] = 55;
    w.MenuProgramClick();
    ASSERT_TRUE(TickUntilIdle());
    bool okShown = false;
    for (int i = 0; i < 200 && !okShown; ++i) {
        Tick();
        if (w.Controls().labelHlaseni->text() == "Program device: OK") {
            okShown = true;
            EXPECT_EQ(unit.StoreRemaining(), 0);
        } else {
            EXPECT_EQ(w.Controls().labelHlaseni->text(), "Saving:");
        }
        EXPECT_FALSE(w.Controls().labelHlaseni->isHidden());
    }
    EXPECT_TRUE(okShown);
}

}  // namespace
}  // namespace torvana
