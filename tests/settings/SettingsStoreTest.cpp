#include "settings/SettingsStore.h"

#include "FileTestHelpers.h"

#include <gtest/gtest.h>

namespace torvana {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

// The state that start-up gives the window before the settings are read.
StoredSettings StartUpState()
{
    StoredSettings s;
    s.left = 123;
    s.top = 45;
    s.activePageIndex = 0;
    return s;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.File("Torvana_R.ini");
    IniFile ini{path};
};

TEST_F(SettingsStoreTest, FirstStartKeepsTheStartUpState)
{
    StoredSettings s = StartUpState();
    s.file = "stale";
    s.lastFileName = "stale";
    LoadSettings(ini, s);
    EXPECT_EQ(s.left, 123);
    EXPECT_EQ(s.top, 45);
    EXPECT_EQ(s.width, 1010);
    EXPECT_EQ(s.height, 788);
    EXPECT_EQ(s.comPortNumber, 1);
    EXPECT_EQ(s.languageIndex, 0);
    EXPECT_EQ(s.file, "");
    EXPECT_EQ(s.lastFileName, "");
    EXPECT_EQ(s.activePageIndex, 0);
    EXPECT_FALSE(s.extMonitor || s.allServo || s.allPolohaA || s.allPolohaB);
}

TEST_F(SettingsStoreTest, FrenchPageTwoAndServoBoxSurviveARestart)
{
    StoredSettings atExit = StartUpState();
    atExit.languageIndex = 2;
    atExit.activePageIndex = 2;
    atExit.allServo = true;
    atExit.comPortNumber = 4;
    atExit.left = -20;
    atExit.file = "/home/u/sets/track day.ign";
    atExit.lastFileName = atExit.file;
    ASSERT_EQ(SaveSettings(ini, atExit), std::nullopt);

    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Language"), 2);
    EXPECT_EQ(ini.ReadInteger("IGNITION", "PageControl1->ActivePageIndex"), 2);
    EXPECT_EQ(ini.ReadInteger("IGNITION", "CheckBoxAll_Servo->Checked"), 1);
    EXPECT_EQ(ini.ReadInteger("IGNITION", "CheckBoxAll_PolohaA->Checked"), 0);

    StoredSettings next = StartUpState();
    LoadSettings(ini, next);
    EXPECT_EQ(next.languageIndex, 2);
    EXPECT_EQ(next.activePageIndex, 2);
    EXPECT_TRUE(next.allServo);
    EXPECT_FALSE(next.allPolohaA);
    EXPECT_EQ(next.comPortNumber, 4);
    EXPECT_EQ(next.left, -20);
    EXPECT_EQ(next.file, atExit.file);
    EXPECT_EQ(next.lastFileName, atExit.file);
}

TEST_F(SettingsStoreTest, KeysAreWrittenInTableOrder)
{
    ASSERT_EQ(SaveSettings(ini, StartUpState()), std::nullopt);
    EXPECT_EQ(ReadText(path),
              "[FORM_HLAV]\nLeft=123\nTop=45\nHeight=788\nWidth=1010\nComPort=1\nLanguage=0\n"
              "File=\nIniDir=\n[IGNITION]\nPageControl1->ActivePageIndex=0\n"
              "CheckBoxExtMonitor->Checked=0\nCheckBoxAll_Servo->Checked=0\n"
              "CheckBoxAll_PolohaA->Checked=0\nCheckBoxAll_PolohaB->Checked=0\n");
}

TEST_F(SettingsStoreTest, LowBytesAreUsedAndOutOfRangeValuesKeepTheCurrentOne)
{
    WriteText(path,
              "[FORM_HLAV]\nComPort=259\nLanguage=258\n[IGNITION]\n"
              "PageControl1->ActivePageIndex=269\nCheckBoxExtMonitor->Checked=7\n");
    StoredSettings s = StartUpState();
    LoadSettings(ini, s);
    EXPECT_EQ(s.comPortNumber, 3);
    EXPECT_EQ(s.languageIndex, 2);
    EXPECT_EQ(s.activePageIndex, 13);
    EXPECT_TRUE(s.extMonitor);

    WriteText(path,
              "[FORM_HLAV]\nComPort=11\nLanguage=4\n[IGNITION]\n"
              "PageControl1->ActivePageIndex=14\n");
    LoadSettings(ini, s);
    EXPECT_EQ(s.comPortNumber, 3);
    EXPECT_EQ(s.languageIndex, 2);
    EXPECT_EQ(s.activePageIndex, 13);

    WriteText(path, "[FORM_HLAV]\nComPort=0\nLanguage=-1\n[IGNITION]\nPageControl1->ActivePageIndex=-1\n");
    LoadSettings(ini, s);
    EXPECT_EQ(s.comPortNumber, 3);
    EXPECT_EQ(s.languageIndex, 2);
    EXPECT_EQ(s.activePageIndex, 13);
}

TEST_F(SettingsStoreTest, NonIntegerValuesCountAsMissing)
{
    WriteText(path, "[FORM_HLAV]\nWidth=wide\nComPort=COM3\n[IGNITION]\nCheckBoxAll_PolohaB->Checked=yes\n");
    StoredSettings s = StartUpState();
    s.allPolohaB = true;
    LoadSettings(ini, s);
    EXPECT_EQ(s.width, 1010);
    EXPECT_EQ(s.comPortNumber, 1);
    EXPECT_TRUE(s.allPolohaB);
}

TEST_F(SettingsStoreTest, NamesLongerThanAPathAreDropped)
{
    const std::string longest(4095, 'n');
    WriteText(path, "[FORM_HLAV]\nFile=" + longest + "\nIniDir=" + longest + "x\n");
    StoredSettings s = StartUpState();
    LoadSettings(ini, s);
    EXPECT_EQ(s.file, longest);
    EXPECT_EQ(s.lastFileName, "");
}

TEST_F(SettingsStoreTest, EmptyFileKeyClearsTheLabel)
{
    WriteText(path, "[FORM_HLAV]\nFile=\nIniDir=/a.ign\n");
    StoredSettings s = StartUpState();
    s.file = "old";
    LoadSettings(ini, s);
    EXPECT_EQ(s.file, "");
    EXPECT_EQ(s.lastFileName, "/a.ign");
}

TEST_F(SettingsStoreTest, FirstFailedWriteIsReportedAndEndsTheSaving)
{
    IniFile nowhere(dir.File("absent/Torvana_R.ini"));
    const std::string absent = dir.File("absent/Torvana_R.ini");
    EXPECT_EQ(SaveSettings(nowhere, StartUpState()),
              "Unable to write to " + absent + "\ncannot create a temporary file for " + absent +
                  ": No such file or directory");

    // A file name with a line break cannot be stored: the keys after File stay
    // unwritten while those before it are in the file.
    StoredSettings s = StartUpState();
    s.file = "bad\nname";
    EXPECT_EQ(SaveSettings(ini, s),
              "Unable to write to " + path + "\nFile in [FORM_HLAV]: a line break cannot be stored");
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Language"), 0);
    EXPECT_EQ(ini.ReadString("FORM_HLAV", "IniDir", "unwritten"), "unwritten");
    EXPECT_EQ(ini.ReadInteger("IGNITION", "PageControl1->ActivePageIndex"), std::nullopt);
}

}  // namespace
}  // namespace torvana
