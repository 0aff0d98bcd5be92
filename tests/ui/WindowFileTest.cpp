#include "WindowFixture.h"

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "settings/LastImageFile.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <fstream>

#include <sys/stat.h>

namespace torvana {
namespace {

class FileCommandTest : public WindowTest {
protected:
    QString PathIn(const char* name) const { return QDir(Dir()).filePath(QString::fromLatin1(name)); }

    void WriteText(const QString& path, const std::string& text)
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << text;
    }

    // Shows the status line as a finished Read leaves it.
    void ShowSomeStatus()
    {
        window->MenuReadClick();
        ASSERT_FALSE(window->Controls().labelHlaseni->isHidden());
    }
};

TEST_F(FileCommandTest, NewAsksAndOnlyYesRestoresTheDefaults)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(0, 0, 0)] = 41;
    w.Controls().labelFile2->setText("set.ign");

    sink.answer = Answer::No;
    w.MenuNewClick();
    sink.answer = Answer::Cancel;
    w.MenuNewClick();
    EXPECT_EQ(sink.asked, (std::vector<std::string>{"Do you want default setting?", "Do you want default setting?"}));
    EXPECT_EQ(w.Image()[CurveCellOffset(0, 0, 0)], 41);
    EXPECT_EQ(w.Controls().labelFile2->text(), "set.ign");

    ShowSomeStatus();
    sink.answer = Answer::Yes;
    w.MenuNewClick();
    ParameterImage defaults = w.Image();
    FillDefaultParameters(defaults);
    NormaliseImage(defaults);
    EXPECT_EQ(w.Image(), defaults);
    EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty());
    EXPECT_TRUE(w.Controls().labelHlaseni->isHidden());
    EXPECT_TRUE(w.Controls().cGauge->isHidden());
}

TEST_F(FileCommandTest, ChoosingAVariantAndAnsweringNoKeepsOnlyTheNewVariantByte)
{
    TFormHlav& w = Start();
    const ParameterImage before = w.Image();
    sink.answer = Answer::No;
    w.ComboBoxBikeChange(2);
    ParameterImage expected = before;
    expected[Offset::Bike] = 2;
    EXPECT_EQ(w.Image(), expected);

    sink.answer = Answer::Yes;
    w.ComboBoxBikeChange(3);
    ParameterImage defaults = before;
    defaults[Offset::Bike] = 3;
    FillDefaultParameters(defaults);
    NormaliseImage(defaults);
    EXPECT_EQ(w.Image(), defaults);
}

TEST_F(FileCommandTest, CancelledOpenStillHidesTheStatusLine)
{
    TFormHlav& w = Start();
    ShowSomeStatus();
    const ParameterImage before = w.Image();
    w.MenuOpenClick();
    EXPECT_TRUE(w.Controls().labelHlaseni->isHidden());
    EXPECT_TRUE(w.Controls().cGauge->isHidden());
    EXPECT_EQ(w.Image(), before);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(FileCommandTest, OpenFailuresSayWhatWentWrongAndChangeNothing)
{
    TFormHlav& w = Start();
    const ParameterImage before = w.Image();

    dialogs.openAnswer = PathIn("missing.ign");
    w.MenuOpenClick();
    WriteText(PathIn("old.ign"), "KAVELTRA_KEY    36 \r\nBIKE     2 \r\n");
    dialogs.openAnswer = PathIn("old.ign");
    w.MenuOpenClick();
    WriteText(PathIn("bad.ign"), "KAVELTRA_KEY    37 \r\nLIMITER  12500 x \r\n");
    dialogs.openAnswer = PathIn("bad.ign");
    w.MenuOpenClick();

    ASSERT_EQ(sink.shown.size(), 3u);
    EXPECT_EQ(sink.shown[0], "Open file error!\ncannot open " + PathIn("missing.ign").toStdString() +
                                 ": No such file or directory");
    EXPECT_EQ(sink.shown[1], "Unmatched version of *.ign file!");
    EXPECT_NE(sink.shown[2].find("bad.ign"), std::string::npos);
    EXPECT_NE(sink.shown[2].find("line 2"), std::string::npos);
    EXPECT_EQ(w.Image(), before);
    EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty());
    EXPECT_TRUE(w.LastFileName().isEmpty());
}

// A folder, a pipe without writer, a device, a file over the limit and a read
// error: each is told in one box and nothing changes; the window goes on and
// keeps the set on screen for the next start.
TEST_F(FileCommandTest, OpenOfWhatCannotBeReadSaysWhyAndTheWindowGoesOn)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(0, 1, 1)] = 17;
    const ParameterImage before = w.Image();
    const QString pipe = PathIn("pipe.ign");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString large = PathIn("large.ign");
    WriteText(large, std::string(ParameterFileSizeLimit + 1, ' '));
    const QString unreadable[] = {Dir(), pipe, "/dev/zero", large, "/proc/self/mem"};
    for (const QString& path : unreadable) {
        dialogs.openAnswer = path;
        w.MenuOpenClick();
    }
    ASSERT_EQ(sink.shown.size(), std::size(unreadable));
    for (std::size_t i = 0; i < sink.shown.size(); ++i) {
        EXPECT_EQ(sink.shown[i].rfind("Open file error!\n", 0), 0u) << sink.shown[i];
        EXPECT_NE(sink.shown[i].find(unreadable[i].toStdString()), std::string::npos) << sink.shown[i];
    }
    EXPECT_EQ(w.Image(), before);
    EXPECT_TRUE(w.LastFileName().isEmpty());
    Close();
    ParameterImage kept{};
    PageAllFlags flags{};
    ASSERT_TRUE(ReadLastImageFile((Dir() + "/torvana/_Torvana_R.ini").toStdString(), kept, flags));
    EXPECT_EQ(kept[CurveCellOffset(0, 1, 1)], 17);
}

TEST_F(FileCommandTest, SaveThenOpenBringsTheSetBack)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(1, 2, 3)] = 29;
    const ParameterImage saved = w.Image();
    dialogs.saveAnswer = PathIn("set.ign");
    w.MenuSaveClick();
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(w.Controls().labelFile2->text(), PathIn("set.ign"));
    EXPECT_EQ(w.LastFileName(), PathIn("set.ign"));

    sink.answer = Answer::Yes;
    w.MenuNewClick();
    ASSERT_NE(w.Image()[CurveCellOffset(1, 2, 3)], 29);

    dialogs.openAnswer = PathIn("set.ign");
    w.MenuOpenClick();
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(w.Image()[CurveCellOffset(1, 2, 3)], 29);
    EXPECT_TRUE(std::equal(saved.begin() + 300, saved.begin() + 1800, w.Image().begin() + 300));
    EXPECT_EQ(w.Controls().labelFile2->text(), PathIn("set.ign"));
}

TEST_F(FileCommandTest, SaveThatCannotWriteReportsItAndKeepsTheNames)
{
    TFormHlav& w = Start();
    dialogs.saveAnswer = PathIn("no/such/folder/set.ign");
    w.MenuSaveClick();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind("Open file error!", 0), 0u);
    EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty());

    dialogs.saveAnswer.clear();
    w.MenuSaveClick();
    EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(FileCommandTest, EnterInACellAppliesTheValueThroughTheImage)
{
    TFormHlav& w = Start();
    w.show();
    w.Controls().pageControl1->setCurrentIndex(0);
    QSpinBox* cell = w.Pages().SpinBox("CurveCellEdit[2][4]");
    ASSERT_NE(cell, nullptr);
    cell->setFocus();
    cell->findChild<QLineEdit*>()->setText("17");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(cell, &press);
    EXPECT_EQ(w.Image()[CurveCellOffset(0, 2, 4)], 17);
    EXPECT_EQ(cell->value(), 17);
}

}  // namespace
}  // namespace torvana
