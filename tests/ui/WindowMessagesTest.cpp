// The program's own messages speak the user's language: each path that
// shows one is walked in every language, and none of them may keep the
// English wording outside English. Qt's own buttons follow the language too.

#include "WindowFixture.h"

#include "settings/FileTestHelpers.h"
#include "ui/history/HistoryWiring.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <array>
#include <filesystem>

namespace torvana {
namespace {

using test::WriteText;

class WindowMessagesTest : public WindowTest, public testing::WithParamInterface<int> {
public:
    std::string PathIn(const char* name) const { return (Dir() + "/" + name).toStdString(); }

    void OpenFile(TFormHlav& w, const char* name, const std::string& text)
    {
        WriteText(PathIn(name), text);
        dialogs.openAnswer = QString::fromStdString(PathIn(name));
        w.MenuOpenClick();
    }

    void CompareWith(TFormHlav& w, const char* name, const std::string& text)
    {
        WriteText(PathIn(name), text);
        dialogs.openAnswer = QString::fromStdString(PathIn(name));
        w.findChild<QAction*>("MenuCompare")->trigger();
    }

    void PrintPdf(TFormHlav& w, const char* name)
    {
        dialogs.pdfAnswer = QString::fromStdString(PathIn(name));
        w.MenuPrintPdfClick();
    }
};

struct MessagePath {
    const char* name;
    std::function<void(WindowMessagesTest&, TFormHlav&)> walk;  // leaves one message in the sink
    std::vector<std::string> englishWords;                      // the English message's own words
};

TEST_P(WindowMessagesTest, EveryAddedMessageIsInTheChosenLanguage)
{
    const int language = GetParam();
    const std::vector<MessagePath> paths = {
        {"a word where a number belongs",
         [](WindowMessagesTest& t, TFormHlav& w) {
             t.OpenFile(w, "word.ign", "KAVELTRA_KEY 37\r\nLIMITER 12500 x\r\n");
         },
         {"line 2", "where a number of", "is expected", "Nothing was loaded"}},
        {"a control byte",
         [](WindowMessagesTest& t, TFormHlav& w) {
             t.OpenFile(w, "byte.ign", "KAVELTRA_KEY 37\r\nLIMITER 1\x01\r\n");
         },
         {"line 2", "0x01 is not text", "Nothing was loaded"}},
        {"an endless word",
         [](WindowMessagesTest& t, TFormHlav& w) {
             t.OpenFile(w, "long.ign", "KAVELTRA_KEY 37\r\n" + std::string(300, 'A'));
         },
         {"word longer than", "Nothing was loaded"}},
        {"a file to compare with a word where a number belongs",
         [](WindowMessagesTest& t, TFormHlav& w) {
             t.CompareWith(w, "compare.ign", "KAVELTRA_KEY 37\r\nLIMITER 12500 x\r\n");
         },
         {"line 2", "where a number of", "is expected"}},
        {"a file to compare of another version",
         [](WindowMessagesTest& t, TFormHlav& w) {
             t.CompareWith(w, "other.ign", "KAVELTRA_KEY 36\r\n");
         },
         {"Unmatched version of *.ign file!"}},
        {"a PDF that cannot be written",
         [](WindowMessagesTest& t, TFormHlav& w) {
             t.PrintPdf(w, "no-such-folder/view.pdf");
         },
         {"The PDF file", "could not be written"}},
    };
    for (const MessagePath& path : paths) {
        SCOPED_TRACE(path.name);
        TFormHlav& w = Start();
        w.MenuLanguageClick(language);
        sink.shown.clear();
        path.walk(*this, w);
        ASSERT_EQ(sink.shown.size(), 1u);
        for (const std::string& words : path.englishWords) {
            EXPECT_EQ(sink.shown[0].find(words) != std::string::npos, language == English)
                << '"' << words << "\" in " << sink.shown[0];
        }
        window.reset();
    }
}

TEST_P(WindowMessagesTest, DamagedLastImageAndFailedCloseSpeakTheStoredLanguage)
{
    const int language = GetParam();
    TFormHlav& first = Start();
    first.MenuLanguageClick(language);
    const std::string lastImage = first.Paths().lastImageFile;
    Close();
    WriteText(lastImage, "1 2 3 x\n");
    Start();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].find("is damaged at line") != std::string::npos, language == English) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find(lastImage), std::string::npos) << sink.shown[0];
    // A folder in the last image's place cannot be replaced by a file.
    std::filesystem::remove(lastImage);
    std::filesystem::create_directory(lastImage);
    sink.shown.clear();
    Close();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].find("Unable to write to") != std::string::npos, language == English) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find(lastImage), std::string::npos) << sink.shown[0];
}

// The edit history's messages: a damaged history at start, a restore point
// that cannot be kept, Undo during a transfer, a history that cannot be
// written at close.
TEST_P(WindowMessagesTest, HistoryMessagesSpeakTheStoredLanguage)
{
    const int language = GetParam();
    const auto expectLanguage = [&](const std::string& message, const std::vector<std::string>& englishWords) {
        for (const std::string& words : englishWords) {
            EXPECT_EQ(message.find(words) != std::string::npos, language == English) << message;
        }
    };
    Start().MenuLanguageClick(language);
    const std::filesystem::path data = (Dir() + "/data/torvana").toStdString();
    const std::string historyFile = (data / "history").string();
    Close();
    WriteText(historyFile, "TORVANA_HISTORY 1\nSTEP x\n");
    TFormHlav& w = Start();
    ASSERT_EQ(sink.shown.size(), 1u);
    expectLanguage(sink.shown[0], {"The edit history", "could not be read", "empty history", "was kept as"});
    EXPECT_NE(sink.shown[0].find(historyFile), std::string::npos) << sink.shown[0];

    std::filesystem::remove_all(data / "restore-points");
    WriteText((data / "restore-points").string(), "a file in the folder's place");
    sink.shown.clear();
    w.MenuNewClick();
    ASSERT_EQ(sink.shown.size(), 1u);
    expectLanguage(sink.shown[0], {"A restore point could not be kept"});

    std::filesystem::remove(data / "restore-points");
    sink.shown.clear();
    w.MenuReadClick();
    w.History().Undo();
    ASSERT_FALSE(sink.shown.empty());
    expectLanguage(sink.shown.back(), {"Undo and Redo wait"});
    ASSERT_TRUE(TickUntilIdle());

    WriteText((data / "restore-points" / "damaged.image").string(), "not a restore point\n");
    sink.shown.clear();
    w.History().ShowRestorePoints();
    ASSERT_EQ(sink.shown.size(), 1u);
    expectLanguage(sink.shown[0], {"A restore point could not be read"});
    EXPECT_NE(sink.shown[0].find("damaged.image"), std::string::npos) << sink.shown[0];

    std::filesystem::remove(historyFile);
    std::filesystem::create_directory(historyFile);
    sink.shown.clear();
    Close();
    ASSERT_EQ(sink.shown.size(), 1u);
    expectLanguage(sink.shown[0], {"Unable to write to"});
    EXPECT_NE(sink.shown[0].find(historyFile), std::string::npos) << sink.shown[0];
}

// A box whose range limits the stored value names that value in its hint, in
// the language chosen before the page was shown and after.
TEST_P(WindowMessagesTest, LimitedValueHintFollowsTheLanguage)
{
    const int language = GetParam();
    TFormHlav& w = Start();
    w.Image()[Offset::TempWarning] = 120;
    for (const bool chooseFirst : {true, false}) {
        w.MenuLanguageClick(chooseFirst ? language : English);
        w.Controls().pageControl1->setCurrentIndex(PageIndex::Ruzne);
        w.MenuLanguageClick(language);
        const QString hint = w.Pages().SpinBox("EditTempWarning")->toolTip();
        EXPECT_TRUE(hint.contains("120")) << hint.toStdString();
        EXPECT_EQ(hint.contains("Outside this box's range"), language == English) << hint.toStdString();
        w.Controls().pageControl1->setCurrentIndex(PageIndex::Korekce);
    }
}

TEST_P(WindowMessagesTest, QtButtonsFollowTheLanguageMenu)
{
    static const std::array<const char*, LanguageCount> yes = {"&Yes", "&Ja", "&Oui", "&Ano"};
    TFormHlav& w = Start();
    for (const int language : {GetParam(), static_cast<int>(English), GetParam()}) {
        w.MenuLanguageClick(language);
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No, &w);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), yes[static_cast<std::size_t>(language)]);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, WindowMessagesTest, testing::Range(0, LanguageCount));

}  // namespace
}  // namespace torvana
