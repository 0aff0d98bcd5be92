#include "settings/IniFile.h"

#include "FileTestHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace torvana {
namespace {

using test::FileSizeLimit;
using test::ReadText;
using test::TempDir;
using test::WriteText;
using namespace std::string_literals;

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.File("settings.ini");
    IniFile ini{path};
};

TEST_F(IniFileTest, FindsSectionsAndKeysWhateverTheirCase)
{
    WriteText(path, "[Ports]\n  com1 = 3  \n[other]\nCOM1=9\n");
    EXPECT_EQ(ini.ReadInteger("PORTS", "COM1"), 3);
    EXPECT_EQ(ini.ReadInteger("ports", "Com1"), 3);
    EXPECT_EQ(ini.ReadInteger("OTHER", "com1"), 9);
    EXPECT_EQ(ini.ReadString("ports", "COM1", "x"), "3");
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(ini.ReadInteger("PORTS", "COM1"), std::nullopt);
    EXPECT_EQ(ini.ReadString("PORTS", "COM1", "none"), "none");
    WriteText(path, "[PORTS]\nCOM2=5\n");
    EXPECT_EQ(ini.ReadInteger("PORTS", "COM1", 7), 7);
    EXPECT_EQ(ini.ReadInteger("OTHER", "COM2", 7), 7);
}

TEST_F(IniFileTest, OnlySignAndDigitsCountAsAnInteger)
{
    WriteText(path,
              "[S]\nplain=42\nneg=-17\nplus=+8\nword=abc\ntail=12abc\nspace=1 2\n"
              "empty=\nsign=-\nhuge=99999999999\nhex=0x10\n");
    EXPECT_EQ(ini.ReadInteger("S", "plain"), 42);
    EXPECT_EQ(ini.ReadInteger("S", "neg"), -17);
    EXPECT_EQ(ini.ReadInteger("S", "plus"), 8);
    for (const char* key : {"word", "tail", "space", "empty", "sign", "huge", "hex"})
        EXPECT_EQ(ini.ReadInteger("S", key), std::nullopt) << key;
    EXPECT_EQ(ini.ReadInteger("S", "word", 5), 5);
}

TEST_F(IniFileTest, ReadsAfreshOnEveryCall)
{
    WriteText(path, "[S]\nk=1\n");
    EXPECT_EQ(ini.ReadInteger("S", "k"), 1);
    WriteText(path, "[S]\nk=2\n");
    EXPECT_EQ(ini.ReadInteger("S", "k"), 2);
}

TEST_F(IniFileTest, WritingAKeyKeepsEveryOtherLine)
{
    WriteText(path, "; comment\n[A]\nx=1\nKey=old\n\n[B]\nkey=other\n");
    ASSERT_TRUE(ini.WriteString("a", "KEY", "new"));
    EXPECT_EQ(ReadText(path), "; comment\n[A]\nx=1\nKEY=new\n\n[B]\nkey=other\n");
}

TEST_F(IniFileTest, NewKeysJoinTheirSectionAndNewSectionsGoLast)
{
    WriteText(path, "[A]\nx=1\n\n[B]\ny=2\n");
    ASSERT_TRUE(ini.WriteInteger("A", "z", -3));
    ASSERT_TRUE(ini.WriteInteger("C", "w", 4));
    EXPECT_EQ(ReadText(path), "[A]\nx=1\nz=-3\n\n[B]\ny=2\n[C]\nw=4\n");
    EXPECT_EQ(ini.ReadInteger("A", "z"), -3);
}

TEST_F(IniFileTest, WritingCreatesAMissingFile)
{
    ASSERT_TRUE(ini.WriteString("FORM_HLAV", "File", "/tmp/a b.ign"));
    EXPECT_EQ(ini.ReadString("FORM_HLAV", "File", ""), "/tmp/a b.ign");
}

TEST_F(IniFileTest, CrLfFilesStayCrLf)
{
    WriteText(path, "[A]\r\nx=1\r\n");
    EXPECT_EQ(ini.ReadInteger("A", "x"), 1);
    ASSERT_TRUE(ini.WriteInteger("A", "y", 2));
    EXPECT_EQ(ReadText(path), "[A]\r\nx=1\r\ny=2\r\n");
}

// Editors may put a byte-order mark before the first section; it stays.
TEST_F(IniFileTest, ByteOrderMarkIsNoPartOfTheFirstSection)
{
    WriteText(path, "\xEF\xBB\xBF[FORM_HLAV]\r\nLanguage=2\r\n");
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Language"), 2);
    ASSERT_TRUE(ini.WriteInteger("FORM_HLAV", "Language", 3));
    EXPECT_EQ(ReadText(path), "\xEF\xBB\xBF[FORM_HLAV]\r\nLanguage=3\r\n");
}

TEST_F(IniFileTest, LineBreaksInAValueAreRefused)
{
    WriteText(path, "[A]\nx=1\n");
    EXPECT_FALSE(ini.WriteString("A", "x", "2\n[B]"));
    EXPECT_EQ(ReadText(path), "[A]\nx=1\n");
}

TEST_F(IniFileTest, FailedWriteInAReadOnlyDirectoryKeepsTheFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores directory permissions";
    WriteText(path, "[A]\nx=1\n");
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_FALSE(ini.WriteInteger("A", "x", 2));
    EXPECT_EQ(ReadText(path), "[A]\nx=1\n");
    EXPECT_EQ(ini.ReadInteger("A", "x"), 1);
}

TEST_F(IniFileTest, WriteFailingHalfwayKeepsThePreviousFile)
{
    const std::string before = "[A]\nx=1\n";
    WriteText(path, before);
    {
        FileSizeLimit limit(before.size());
        EXPECT_FALSE(ini.WriteString("A", "long", std::string(100, 'v')));
    }
    EXPECT_EQ(ReadText(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator{}),
              1)
        << "the temporary file is left behind";
}

TEST_F(IniFileTest, MissingDirectoryIsAFailedWrite)
{
    IniFile nowhere(dir.File("absent/settings.ini"));
    EXPECT_FALSE(nowhere.WriteInteger("A", "x", 1));
    EXPECT_FALSE(std::filesystem::exists(dir.File("absent")));
}

TEST_F(IniFileTest, GarbageReadsAsMissingKeys)
{
    // NUL bytes, a line without an end, stray brackets and equals signs.
    WriteText(path, "\0\x01[A\n=3\n[A]\x00junk\nx=\x7f" "5\n[A]\nx=4\nk=1"s);
    EXPECT_EQ(ini.ReadInteger("A", "x"), std::nullopt);
    EXPECT_EQ(ini.ReadInteger("A", "k"), std::nullopt) << "the second [A] is never read";
    EXPECT_EQ(ini.ReadInteger("B", "x", 9), 9);
    ASSERT_TRUE(ini.WriteInteger("A", "x", 2));
    EXPECT_EQ(ini.ReadInteger("A", "x"), 2);
}

TEST_F(IniFileTest, FileTooLargeIsNeitherReadNorReplaced)
{
    std::string text = "[A]\nx=1\n;";
    text.resize(IniFileSizeLimit + 1, '#');
    WriteText(path, text);
    EXPECT_EQ(ini.ReadInteger("A", "x"), std::nullopt);
    std::string reason;
    EXPECT_FALSE(ini.WriteInteger("A", "x", 2, &reason));
    EXPECT_NE(reason.find("larger than"), std::string::npos) << reason;
    EXPECT_EQ(ReadText(path), text);

    text.resize(IniFileSizeLimit);
    WriteText(path, text);
    EXPECT_EQ(ini.ReadInteger("A", "x"), 1) << "a file at the limit is still read";
}

TEST_F(IniFileTest, UnreadableFileIsNeverOverwritten)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    WriteText(path, "[A]\nx=1\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_write);
    EXPECT_FALSE(ini.WriteInteger("A", "y", 2));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(ReadText(path), "[A]\nx=1\n");
}

}  // namespace
}  // namespace torvana
