// Undo and redo in the window: every kind of change comes back byte for
// byte, each replaced set leaves a restore point, and the history outlives
// a restart or a damaged history file.

#include "WindowFixture.h"

#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "history/HistoryFile.h"
#include "ui/history/CompareWindow.h"
#include "ui/history/HistoryWiring.h"
#include "ui/history/RestorePointWindow.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace torvana {
namespace {

void KeyClick(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

// Whether the focused control keeps the keys for itself instead of letting
// the window's shortcut have them.
bool ControlKeepsKeys(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
    override.ignore();
    QApplication::sendEvent(target, &override);
    return override.isAccepted();
}

class HistoryWindowTest : public WindowTest {
protected:
    EditorState State() { return window->History().CurrentState(); }
    QAction* UndoAction() { return window->History().UndoAction(); }
    QAction* RedoAction() { return window->History().RedoAction(); }
    QString DataFile(const char* name) const { return QDir(Dir()).filePath(QStringLiteral("data/torvana/") + name); }

    void EnterInCell(const char* name, const char* text)
    {
        QSpinBox* cell = window->Pages().SpinBox(QString::fromLatin1(name));
        ASSERT_NE(cell, nullptr);
        cell->setFocus();
        cell->findChild<QLineEdit*>()->setText(QString::fromLatin1(text));
        KeyClick(cell, Qt::Key_Return);
    }

    std::string CellLabel(int table, int row, int column)
    {
        constexpr int rpmPerStep = 50;
        const int rpm = window->Image()[CurveAxisOffset(table) + column] * rpmPerStep;
        return "Ign " + std::to_string(table + 1) + " row " + std::to_string(TpsAxis[row]) + " %, " +
               std::to_string(rpm) + " rpm";
    }

    // The leaves of the Compare window as "key: mine -> theirs"; ticks them when asked.
    static std::multiset<std::string> ListedLines(TFormCompare& compare, bool tick = false)
    {
        std::multiset<std::string> listed;
        for (QTreeWidgetItemIterator it(compare.Tree()); *it; ++it) {
            if ((*it)->childCount() != 0)
                continue;
            listed.insert(((*it)->text(0) + ": " + (*it)->text(1) + " -> " + (*it)->text(2)).toStdString());
            if (tick)
                (*it)->setCheckState(0, Qt::Checked);
        }
        return listed;
    }

    // What torvana-cli diff prints for the two files, a line each.
    std::multiset<std::string> CommandLineDiff(const QString& mine, const QString& theirs) const
    {
        const std::string out = QDir(Dir()).filePath("diff.txt").toStdString();
        const std::string command = std::string(TORVANA_BINARY_DIR) + "/src/cli/torvana-cli diff " +
                                    mine.toStdString() + " " + theirs.toStdString() + " > " + out;
        EXPECT_NE(std::system(command.c_str()), -1);
        std::ifstream lines(out);
        std::multiset<std::string> expected;
        for (std::string line; std::getline(lines, line);)
            expected.insert(line);
        return expected;
    }
};

struct Change {
    const char* name;
    std::function<void()> act;
    std::string label;  // empty: only checked to be there
    std::optional<StepCause> restorePoint;
};

TEST_F(HistoryWindowTest, EveryKindOfChangeIsUndoneAndRedoneExactly)
{
    const QString file = QDir(Dir()).filePath("tune.ign");
    TFormHlav& w = Start();
    const std::vector<Change> changes = {
        {"edit", [this] { EnterInCell("CurveCellEdit[2][4]", "17"); }, "", {}},
        {"tool", [&w] { emit w.Pages().CurveColumnStepped(3, true); }, "Tool: ", {}},
        {"mode", [&w] { w.ModeMenuClick(CouplingMenu::Ign123, ModeSeparate); }, "Coupling mode: MODE[0]", {}},
        {"new", [&w] { w.MenuNewClick(); }, "New parameter set", StepCause::New},
        {"variant", [&w] { w.ComboBoxBikeChange(2); }, "Engine variant defaults", StepCause::Variant},
        {"open",
         [this, &w, file] {
             ParameterImage other = w.Image();
             other[CurveCellOffset(4, 1, 1)] ^= 1;
             other[Offset::Limiter] = 190;
             ASSERT_EQ(SaveParameterFile(file.toStdString(), other, {}), "");
             dialogs.openAnswer = file;
             w.MenuOpenClick();
         },
         "Open tune.ign", StepCause::Open},
        {"read",
         [this, &w] {
             ParameterImage unitSet = w.Image();
             unitSet[CurveCellOffset(2, 6, 9)] ^= 2;
             NormaliseImage(unitSet);
             unit.Preload(unitSet);
             w.MenuReadClick();
             ASSERT_TRUE(TickUntilIdle());
         },
         "Read from the unit", StepCause::Read},
    };
    w.show();
    w.Controls().pageControl1->setCurrentIndex(0);
    // New and the variant need a set that differs from the factory one.
    EnterInCell("CurveCellEdit[0][0]", "5");
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        const EditorState before = State();
        change.act();
        const EditorState after = State();
        ASSERT_NE(before, after);
        const std::string label = change.label.empty() ? CellLabel(0, 2, 4) : change.label;
        EXPECT_EQ(UndoAction()->text().toStdString().rfind("&Undo: " + label, 0), 0u) << UndoAction()->text().toStdString();
        if (change.restorePoint) {
            const RestorePointListing listing = w.History().RestorePoints().List();
            ASSERT_FALSE(listing.points.empty());
            EXPECT_EQ(listing.points.front().cause, *change.restorePoint);
            EXPECT_EQ(listing.points.front().state, before);
        }
        UndoAction()->trigger();
        EXPECT_EQ(State(), before);
        if (change.restorePoint) {
            // Undo past a replaced set keeps the set it leaves.
            const RestorePointListing listing = w.History().RestorePoints().List();
            ASSERT_FALSE(listing.points.empty());
            EXPECT_EQ(listing.points.front().cause, StepCause::Undo);
            EXPECT_EQ(listing.points.front().state, after);
        }
        EXPECT_EQ(RedoAction()->text().toStdString().rfind("&Redo: " + label, 0), 0u);
        RedoAction()->trigger();
        EXPECT_EQ(State(), after);
    }
    EXPECT_TRUE(sink.shown.empty());
}

// Three arrow steps on one cell are one step; the undo and redo keys pass
// the cell's own text undo by to the Edit menu.
TEST_F(HistoryWindowTest, ABurstOnOneControlIsOneStepAndCtrlZReachesIt)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(0);
    QSpinBox* cell = w.Pages().SpinBox("CurveCellEdit[5][5]");
    ASSERT_NE(cell, nullptr);
    cell->setFocus();
    const EditorState before = State();
    const std::size_t steps = w.History().History().Steps().size();
    for (int i = 0; i < 3; ++i)
        KeyClick(cell, Qt::Key_Up);
    ASSERT_EQ(w.Image()[CurveCellOffset(0, 5, 5)], before.image[CurveCellOffset(0, 5, 5)] + 3);
    EXPECT_EQ(w.History().History().Steps().size(), steps + 1);
    EXPECT_FALSE(ControlKeepsKeys(cell, Qt::Key_Z, Qt::ControlModifier));
    EXPECT_FALSE(ControlKeepsKeys(cell, Qt::Key_Y, Qt::ControlModifier));
    EXPECT_FALSE(ControlKeepsKeys(cell, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_EQ(UndoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(RedoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    UndoAction()->trigger();
    EXPECT_EQ(State(), before);
    RedoAction()->trigger();
    EXPECT_EQ(w.Image()[CurveCellOffset(0, 5, 5)], before.image[CurveCellOffset(0, 5, 5)] + 3);
}

TEST_F(HistoryWindowTest, HistoryOutlivesARestart)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(0);
    const EditorState before = State();
    EnterInCell("CurveCellEdit[1][1]", "21");
    const EditorState after = State();
    ASSERT_NE(before, after);
    Close();

    TFormHlav& again = Start();
    EXPECT_EQ(State(), after);
    ASSERT_TRUE(UndoAction()->isEnabled());
    UndoAction()->trigger();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(again.History().History().CanRedo());
    // While a Read runs the image is the transfer's: undo waits and says so.
    again.MenuReadClick();
    const EditorState reading = State();
    RedoAction()->trigger();
    EXPECT_EQ(State(), reading);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], "Undo and Redo wait until the transfer with the unit has ended.");
    sink.shown.clear();
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(HistoryWindowTest, DamagedHistoryStartsEmptyWithAMessage)
{
    std::filesystem::create_directories(DataFile("").toStdString());
    std::ofstream(DataFile(HistoryFileName).toStdString()) << "TORVANA_HISTORY 1\nCURSOR 1\nSTEP x\n";
    TFormHlav& w = Start();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find("could not be read"), std::string::npos) << sink.shown[0];
    EXPECT_FALSE(w.History().History().CanUndo());
    EXPECT_FALSE(UndoAction()->isEnabled());
    EXPECT_TRUE(std::filesystem::exists(DataFile("history.damaged").toStdString()));
}

// A restore point listed, filtered, taken back as one undoable step, pinned;
// then compared with the editor and a chosen subset of its differences taken.
TEST_F(HistoryWindowTest, RestorePointWindowAndCompareWindow)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(0);
    EnterInCell("CurveCellEdit[7][7]", "3");  // unlike the factory set that New brings
    const EditorState first = State();
    const QString file = QDir(Dir()).filePath("other.ign");
    ParameterImage other = w.Image();
    for (int column = 0; column < 4; ++column)
        other[CurveCellOffset(3, 2, column)] ^= 4;
    ASSERT_EQ(SaveParameterFile(file.toStdString(), other, {}), "");
    dialogs.openAnswer = file;
    w.MenuOpenClick();
    sink.answer = Answer::Yes;
    w.MenuNewClick();
    const EditorState renewed = State();

    w.History().RestorePointsAction()->trigger();
    TFormRestorePoints* points = w.History().RestorePointWindow();
    ASSERT_NE(points, nullptr);
    ASSERT_EQ(points->Shown().size(), 2u);
    EXPECT_EQ(points->Shown()[0].cause, StepCause::New);
    auto* filter = points->findChild<QComboBox*>("ComboBoxRestoreCause");
    filter->setCurrentIndex(filter->findData(static_cast<int>(StepCause::Open)));
    ASSERT_EQ(points->Shown().size(), 1u);
    points->findChild<QPushButton*>("ButtonPinRestorePoint")->click();
    ASSERT_EQ(points->Shown().size(), 1u);
    EXPECT_TRUE(points->Shown()[0].pinned);
    points->findChild<QPushButton*>("ButtonRestorePoint")->click();
    EXPECT_EQ(State(), first);
    UndoAction()->trigger();
    EXPECT_EQ(State(), renewed);

    w.History().CompareAction()->trigger();
    TFormCompare* compare = w.History().CompareWindow();
    ASSERT_NE(compare, nullptr);
    const std::size_t count = compare->DifferenceCount();
    ASSERT_GE(count, 4u);
    int ticked = 0;
    for (QTreeWidgetItemIterator it(compare->Tree()); *it && ticked < 2; ++it) {
        if ((*it)->childCount() == 0) {
            (*it)->setCheckState(0, Qt::Checked);
            ++ticked;
        }
    }
    compare->findChild<QPushButton*>("ButtonTakeDifferences")->click();
    EXPECT_EQ(compare->DifferenceCount(), count - 2);
    UndoAction()->trigger();
    EXPECT_EQ(State(), renewed);
    EXPECT_TRUE(sink.shown.empty());
}

// The Compare window lists exactly what torvana-cli diff lists for the same
// two files.
TEST_F(HistoryWindowTest, CompareListsWhatTheCommandLineDiffLists)
{
    TFormHlav& w = Start();
    const QString mine = QDir(Dir()).filePath("mine.ign");
    const QString theirs = QDir(Dir()).filePath("theirs.ign");
    ParameterImage other = w.Image();
    std::mt19937 random(15);
    for (int change = 0; change < 40; ++change)
        other[BlockSize + random() % (ImageSize - BlockSize)] = static_cast<std::uint8_t>(random());
    ASSERT_EQ(SaveParameterFile(theirs.toStdString(), other, {}), "");
    dialogs.saveAnswer = mine;
    w.MenuSaveClick();
    dialogs.openAnswer = theirs;
    w.History().CompareAction()->trigger();
    TFormCompare* compare = w.History().CompareWindow();
    ASSERT_NE(compare, nullptr);
    const std::multiset<std::string> listed = ListedLines(*compare);
    const std::multiset<std::string> expected = CommandLineDiff(mine, theirs);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(compare->DifferenceCount(), expected.size());
}

// The unit read into a copy: the editor's set, its history and its file
// label stay as they are; the Compare window lists what the command line's
// diff lists between the two sets, and taking them all is one undoable step.
TEST_F(HistoryWindowTest, CompareWithTheUnitReadsIntoACopy)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(0);
    EnterInCell("CurveCellEdit[3][3]", "11");
    ParameterImage unitSet = w.Image();
    std::mt19937 random(15);
    for (int change = 0; change < 30; ++change)
        unitSet[BlockSize + random() % (ImageSize - BlockSize)] = static_cast<std::uint8_t>(random());
    unitSet[Offset::NoReading] = 0;
    NormaliseImage(unitSet);
    unit.Preload(unitSet);
    const EditorState before = State();
    const std::size_t steps = w.History().History().Steps().size();
    const QString label = w.Controls().labelFile2->text();
    const QString title = w.windowTitle();

    w.History().CompareUnitAction()->trigger();
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(State(), before);
    EXPECT_EQ(w.History().History().Steps().size(), steps);
    EXPECT_EQ(w.Controls().labelFile2->text(), label);
    EXPECT_EQ(w.windowTitle(), title);
    TFormCompare* compare = w.History().CompareWindow();
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(compare->isVisible());

    const QString mine = QDir(Dir()).filePath("mine.ign");
    const QString theirs = QDir(Dir()).filePath("unit.ign");
    ParameterImage received = unit.Store();
    NormaliseImage(received);
    ASSERT_EQ(SaveParameterFile(mine.toStdString(), w.Image(), {}), "");
    ASSERT_EQ(SaveParameterFile(theirs.toStdString(), received, {}), "");
    const std::multiset<std::string> expected = CommandLineDiff(mine, theirs);
    const std::multiset<std::string> listed = ListedLines(*compare, true);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(listed, expected);

    QTest::mouseClick(compare->findChild<QPushButton*>("ButtonTakeDifferences"), Qt::LeftButton);
    EXPECT_EQ(compare->DifferenceCount(), 0u);
    EXPECT_EQ(w.History().History().Steps().size(), steps + 1);
    UndoAction()->trigger();
    EXPECT_EQ(State(), before);

    // A unit that refuses reading: a message, and the editor as it was.
    unitSet[Offset::NoReading] = 1;
    unit.Preload(unitSet);
    QTest::mouseClick(compare->findChild<QPushButton*>("ButtonCompareUnit"), Qt::LeftButton);
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(State(), before);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], "The unit could not be read:\n" + w.Link().Status().text);
    // A running Program is never cut short by a comparison.
    w.MenuProgramClick();
    QTest::mouseClick(compare->findChild<QPushButton*>("ButtonCompareUnit"), Qt::LeftButton);
    EXPECT_EQ(w.Link().Mode(), TransferProgram);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[1], "The comparison with the unit waits until the transfer with the unit has ended.");
}

}  // namespace
}  // namespace torvana
