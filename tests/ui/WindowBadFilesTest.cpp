// The window against files it cannot write and files full of garbage: a save
// or a close that cannot write says why and keeps the old files byte for
// byte; a start from damaged files shows what can be used and the factory
// values for the rest.

#include "WindowFixture.h"

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "settings/IniFile.h"
#include "settings/FileTestHelpers.h"
#include "settings/LastImageFile.h"
#include "settings/ScratchMount.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>

#include <unistd.h>

namespace torvana {
namespace {

using test::Listing;
using test::ReadText;
using test::ScratchMount;
using test::WriteText;
using namespace std::string_literals;

constexpr const char* SettingsName = "Torvana_R.ini";
constexpr const char* LastImageName = "_Torvana_R.ini";
constexpr int FirstRunLanguage = 1;
constexpr std::uint8_t EditedValue = 44;
constexpr std::size_t RandomFileSize = 5000;
constexpr unsigned RandomSeed = 20261209;
// Five paragraphs of the last-image file: exactly 500 numbers.
constexpr std::size_t FiveHundredNumbers = 5 * (10 * 61 + 1);
constexpr std::size_t NumbersInFiveParagraphs = 500;

ParameterImage FactorySet()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    NormaliseImage(image);
    return image;
}

// Bytes from the second block on: block 0 is the unit's header, which the
// window keeps apart from the parameters.
void ExpectParameters(const ParameterImage& shown, const ParameterImage& expected)
{
    for (std::size_t i = BlockSize; i < ImageSize; ++i) {
        ASSERT_EQ(shown[i], expected[i]) << "offset " << i;
    }
}

// A cell before the first 500 image bytes and one after them.
const std::size_t EarlyCell = CurveCellOffset(0, 1, 2);
const std::size_t LateCell = CurveCellOffset(3, 2, 2);

class BadFilesTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        configRoot = Dir();
    }

    std::string ConfigFolder() const { return (configRoot + "/torvana").toStdString(); }
    std::string SettingsFile() const { return ConfigFolder() + "/" + SettingsName; }
    std::string LastImageFile() const { return ConfigFolder() + "/" + LastImageName; }

    // Settings and a last image from a run that changed the language and two
    // table cells, kept in configHome.
    void FirstRunOn(const QString& configHome)
    {
        qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
        configRoot = configHome;
        TFormHlav& w = Start();
        w.MenuLanguageClick(FirstRunLanguage);
        w.Image()[EarlyCell] = EditedValue;
        w.Image()[LateCell] = EditedValue;
        Close();
        ASSERT_TRUE(sink.shown.empty());
        settingsBefore = ReadText(SettingsFile());
        lastImageBefore = ReadText(LastImageFile());
    }

    // The second run edits again and closes into the fault.
    void SecondRunCloses()
    {
        TFormHlav& w = Start();
        ASSERT_TRUE(sink.shown.empty());
        w.MenuLanguageClick(FirstRunLanguage + 1);
        w.Image()[LateCell] = EditedValue + 1;
        Close();
    }

    void ExpectBothFilesKept()
    {
        EXPECT_EQ(ReadText(SettingsFile()), settingsBefore);
        EXPECT_EQ(ReadText(LastImageFile()), lastImageBefore);
        std::vector<std::string> names{LastImageName, SettingsName};
        std::sort(names.begin(), names.end());
        EXPECT_EQ(Listing(ConfigFolder()), names) << "a temporary file is left behind";
    }

    // The lead of a failed write in the language the window closed in.
    static std::string UnableToWrite(const std::string& path, int language)
    {
        MessageTable texts;
        SetMessageTexts(texts, language);
        return FillIn(texts.TextUnableToWrite, {path}) + "\n";
    }

    QString configRoot;
    std::string settingsBefore;
    std::string lastImageBefore;
};

// Saving a parameter file

TEST_F(BadFilesTest, SaveThatCannotWriteShowsTheReasonAndKeepsTheOldFile)
{
    struct Fault {
        const char* name;
        std::function<bool(ScratchMount&)> make;
        const char* reason;
    };
    const Fault faults[] = {
        {"full file system", [](ScratchMount& m) { return m.Fill(); }, "No space left on device"},
        {"read-only file system", [](ScratchMount& m) { return m.MakeReadOnly(); }, "Read-only file system"},
        {"file that cannot be replaced", [](ScratchMount& m) { return m.Pin(m.File("set.ign")); },
         "Device or resource busy"},
    };
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(1, 2, 3)] = EditedValue;
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        ScratchMount mount;
        if (!mount.Mounted())
            GTEST_SKIP() << "no scratch file system: " << mount.WhyNot();
        const std::string old = "KAVELTRA_KEY    37 \r\nBIKE     1 \r\n";
        WriteText(mount.File("set.ign"), old);
        ASSERT_TRUE(fault.make(mount));
        sink.shown.clear();
        dialogs.saveAnswer = QString::fromStdString(mount.File("set.ign"));
        w.MenuSaveClick();
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].rfind("Open file error!\n", 0), 0u) << sink.shown[0];
        EXPECT_NE(sink.shown[0].find(fault.reason), std::string::npos) << sink.shown[0];
        EXPECT_EQ(ReadText(mount.File("set.ign")), old);
        auto left = Listing(mount.Path());
        std::erase(left, ScratchMount::FillerName);
        EXPECT_EQ(left, std::vector<std::string>{"set.ign"}) << "a temporary file is left behind";
        EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty()) << "a failed save names no file";
    }
}

TEST_F(BadFilesTest, SaveCutShortByTheFileSizeCapKeepsTheOldFile)
{
    TFormHlav& w = Start();
    const QString target = Dir() + "/set.ign";
    const std::string old = "the old parameter file";
    WriteText(target.toStdString(), old);
    dialogs.saveAnswer = target;
    {
        test::FileSizeLimit limit(old.size());
        w.MenuSaveClick();
    }
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind("Open file error!\n", 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("File too large"), std::string::npos) << sink.shown[0];
    EXPECT_EQ(ReadText(target.toStdString()), old);
}

// Closing the window

TEST_F(BadFilesTest, CloseOnAReadOnlyFolderSaysSoAndKeepsBothFiles)
{
    ScratchMount mount;
    if (!mount.Mounted())
        GTEST_SKIP() << "no scratch file system: " << mount.WhyNot();
    FirstRunOn(QString::fromStdString(mount.Path().string()));
    ASSERT_TRUE(mount.MakeReadOnly());
    SecondRunCloses();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind(UnableToWrite(SettingsFile(), FirstRunLanguage + 1), 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("Read-only file system"), std::string::npos) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find(UnableToWrite(LastImageFile(), FirstRunLanguage + 1)), std::string::npos) << sink.shown[0];
    ExpectBothFilesKept();
}

TEST_F(BadFilesTest, CloseOnAFullDiskSaysSoAndKeepsBothFiles)
{
    ScratchMount mount;
    if (!mount.Mounted())
        GTEST_SKIP() << "no scratch file system: " << mount.WhyNot();
    FirstRunOn(QString::fromStdString(mount.Path().string()));
    ASSERT_TRUE(mount.Fill());
    SecondRunCloses();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind(UnableToWrite(SettingsFile(), FirstRunLanguage + 1), 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("No space left on device"), std::string::npos) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find(UnableToWrite(LastImageFile(), FirstRunLanguage + 1)), std::string::npos) << sink.shown[0];
    ExpectBothFilesKept();
}

// The settings stay as they were, but the unsaved parameter set is not
// lost with them: the last image still takes the second run's edit.
TEST_F(BadFilesTest, SettingsFileThatCannotBeReplacedSaysSoAndStillKeepsTheParameterSet)
{
    ScratchMount mount;
    if (!mount.Mounted())
        GTEST_SKIP() << "no scratch file system: " << mount.WhyNot();
    FirstRunOn(QString::fromStdString(mount.Path().string()));
    ASSERT_TRUE(mount.Pin(SettingsFile()));
    SecondRunCloses();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind(UnableToWrite(SettingsFile(), FirstRunLanguage + 1), 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("Device or resource busy"), std::string::npos) << sink.shown[0];
    EXPECT_EQ(sink.shown[0].find(LastImageFile()), std::string::npos) << sink.shown[0];
    EXPECT_EQ(ReadText(SettingsFile()), settingsBefore);

    ParameterImage restored{};
    PageAllFlags flags{};
    ASSERT_TRUE(ReadLastImageFile(LastImageFile(), restored, flags));
    EXPECT_EQ(restored[LateCell], EditedValue + 1);
}

TEST_F(BadFilesTest, LastImageThatCannotBeReplacedIsToldAfterTheSettingsAreWritten)
{
    ScratchMount mount;
    if (!mount.Mounted())
        GTEST_SKIP() << "no scratch file system: " << mount.WhyNot();
    FirstRunOn(QString::fromStdString(mount.Path().string()));
    ASSERT_TRUE(mount.Pin(LastImageFile()));
    SecondRunCloses();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind(UnableToWrite(LastImageFile(), FirstRunLanguage + 1), 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("Device or resource busy"), std::string::npos) << sink.shown[0];
    EXPECT_EQ(ReadText(LastImageFile()), lastImageBefore);
    EXPECT_EQ(IniFile(SettingsFile()).ReadInteger("FORM_HLAV", "Language"), FirstRunLanguage + 1);
}

TEST_F(BadFilesTest, CloseCutShortByTheFileSizeCapKeepsBothFiles)
{
    FirstRunOn(Dir());
    TFormHlav& w = Start();
    w.MenuLanguageClick(FirstRunLanguage + 1);
    {
        test::FileSizeLimit limit(settingsBefore.size() / 2);
        w.close();
    }
    window.reset();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find("File too large"), std::string::npos) << sink.shown[0];
    ExpectBothFilesKept();
}

TEST_F(BadFilesTest, CloseInAFolderWithoutWritePermissionKeepsBothFiles)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions; the read-only file system test covers root";
    FirstRunOn(Dir());
    std::filesystem::permissions(ConfigFolder(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    SecondRunCloses();
    std::filesystem::permissions(ConfigFolder(), std::filesystem::perms::owner_all);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind(UnableToWrite(SettingsFile(), FirstRunLanguage + 1), 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("Permission denied"), std::string::npos) << sink.shown[0];
    ExpectBothFilesKept();
}

// Starting from damaged files

TEST_F(BadFilesTest, GarbageSettingsStartWithTheDefaults)
{
    std::mt19937 random(RandomSeed);
    std::string randomBytes(RandomFileSize, '\0');
    for (char& byte : randomBytes)
        byte = static_cast<char>(random());
    const std::string hugeLine =
        "[FORM_HLAV]\nFile=" + std::string(IniFileSizeLimit / 2, 'x') + "\nLanguage=2\n";
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QPoint centred((screen.width() - StoredSettings::DesignedWidth) / 2,
                         (screen.height() - StoredSettings::DesignedHeight) / 2);
    struct Case {
        const char* name;
        std::string text;
        int language;  // what of the file is usable
        QPoint place;
    };
    const Case cases[] = {
        {"random bytes", randomBytes, 0, centred},
        {"binary with a usable key", "\0\0\xff\xfe\n[FORM_HLAV]\n\0Left=\x01\nLanguage=3\n\0"s, 3, centred},
        {"truncated", "[FORM_HLAV]\nLeft=40\nTop=30\nHeight=788\nWidth=1010\nComPort=1\nLangu", 0, {40, 30}},
        {"a file name longer than any path", hugeLine, 2, centred},
        {"wrong values",
         "[FORM_HLAV]\nLeft=2147483647\nTop=-2147483648\nHeight=0\nWidth=99999999\nComPort=77\n"
         "Language=-7\nFile=\nIniDir=\n[IGNITION]\nPageControl1->ActivePageIndex=300\n"
         "CheckBoxExtMonitor->Checked=abc\n",
         0, centred},
    };
    // The page a first start shows, without any settings file.
    const int firstStartPage = Start().Controls().pageControl1->currentIndex();
    window.reset();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ConfigFolder())));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteText(SettingsFile(), c.text);
        sink.shown.clear();
        TFormHlav& w = Start();
        EXPECT_TRUE(sink.shown.empty());
        EXPECT_EQ(w.size(), QSize(StoredSettings::DesignedWidth, StoredSettings::DesignedHeight));
        EXPECT_EQ(w.pos(), c.place);
        EXPECT_EQ(w.LanguageIndex(), c.language);
        EXPECT_EQ(w.ComPortNumber(), 1);
        EXPECT_EQ(w.Controls().pageControl1->currentIndex(), firstStartPage);
        EXPECT_TRUE(w.Controls().labelFile2->text().isEmpty());
        EXPECT_TRUE(w.LastFileName().isEmpty());
        ExpectParameters(w.Image(), FactorySet());
        window.reset();  // gone without closing: nothing is written
    }
}

TEST_F(BadFilesTest, SettingsFileTooLargeIsNotReadAndNotReplaced)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ConfigFolder())));
    std::string text = "[FORM_HLAV]\nLanguage=2\n;";
    text.resize(IniFileSizeLimit + 1, '#');
    WriteText(SettingsFile(), text);
    TFormHlav& w = Start();
    EXPECT_EQ(w.LanguageIndex(), 0);
    Close();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].rfind(UnableToWrite(SettingsFile(), English), 0), 0u) << sink.shown[0];
    EXPECT_NE(sink.shown[0].find("larger than"), std::string::npos) << sink.shown[0];
    EXPECT_EQ(ReadText(SettingsFile()), text);
}

TEST_F(BadFilesTest, GarbageLastImageStartsWithTheFactorySetAndSaysSo)
{
    std::mt19937 random(RandomSeed);
    // The first byte is no digit, so nothing of the file is a number.
    std::string randomBytes(1, '\xff');
    while (randomBytes.size() < RandomFileSize)
        randomBytes += static_cast<char>(random());
    struct Case {
        const char* name;
        std::string text;
        const char* told;
    };
    const Case cases[] = {
        {"random bytes", randomBytes, "is damaged at line 1"},
        {"binary", "\0\x01\x02\x03\x04"s, "is damaged at line 1"},
        // One number of a million digits: it fills offset 0 of the header only.
        {"one huge line", std::string(LastImageFileSizeLimit - 1, '9'), "is incomplete: 1 of 2009"},
        {"too large", std::string(LastImageFileSizeLimit + 1, ' '), "could not be read"},
    };
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ConfigFolder())));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteText(LastImageFile(), c.text);
        sink.shown.clear();
        TFormHlav& w = Start();
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_NE(sink.shown[0].find(LastImageFile()), std::string::npos) << sink.shown[0];
        EXPECT_NE(sink.shown[0].find(c.told), std::string::npos) << sink.shown[0];
        ExpectParameters(w.Image(), FactorySet());
        ParameterImage normalised = w.Image();
        NormaliseImage(normalised);
        EXPECT_EQ(normalised, w.Image()) << "the window shows a consistent set";
        window.reset();
    }
}

TEST_F(BadFilesTest, TruncatedLastImageKeepsWhatItHoldsAndSaysTheRestIsFactory)
{
    FirstRunOn(Dir());
    const ParameterImage shownAtExit = Start().Image();
    window.reset();
    WriteText(LastImageFile(), lastImageBefore.substr(0, FiveHundredNumbers));
    TFormHlav& w = Start();
    ASSERT_EQ(sink.shown.size(), 1u);
    // In German, the language of the first run.
    EXPECT_NE(sink.shown[0].find("ist unvollständig: 500 von 2009 Werten wurden gelesen"), std::string::npos)
        << sink.shown[0];
    ParameterImage expected = FactorySet();
    std::copy(shownAtExit.begin(), shownAtExit.begin() + NumbersInFiveParagraphs, expected.begin());
    NormaliseImage(expected);
    ExpectParameters(w.Image(), expected);
    EXPECT_EQ(w.Image()[EarlyCell], EditedValue);
    EXPECT_EQ(w.Image()[LateCell], FactorySet()[LateCell]) << "the edited cell lies past the cut";
}

// An exception out of an event handler ends only that action: the window
// writes the set as it stands, says what happened and goes on.
TEST_F(BadFilesTest, ExceptionOutOfAnEventEndsOnlyThatActionAndKeepsTheSet)
{
    struct Throwing : QObject {
        bool event(QEvent*) override { throw std::runtime_error("the handler failed"); }
    };
    TFormHlav& w = Start();
    w.MenuLanguageClick(FirstRunLanguage);
    w.Image()[LateCell] = EditedValue;
    Throwing thrower;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &event));
    ASSERT_EQ(sink.shown.size(), 1u);
    MessageTable texts;
    SetMessageTexts(texts, FirstRunLanguage);
    EXPECT_EQ(sink.shown[0], FillIn(texts.TextUnexpectedError, {"the handler failed"}) + "\n" +
                                 FillIn(texts.TextSetWrittenTo, {LastImageFile()}));
    ParameterImage written{};
    PageAllFlags flags{};
    ASSERT_TRUE(ReadLastImageFile(LastImageFile(), written, flags));
    EXPECT_EQ(written[LateCell], EditedValue);
}

}  // namespace
}  // namespace torvana
