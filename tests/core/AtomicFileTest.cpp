#include "core/AtomicFile.h"

#include "SystemCallFaults.h"
#include "settings/FileTestHelpers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace torvana {
namespace {

namespace fs = std::filesystem;
using test::CallFault;
using test::Listing;
using test::ReadText;
using test::SystemCall;

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override { test::WriteText(target, OldContents); }
    void TearDown() override { test::ClearCallFaults(); }

    // The failure must name the step and the system's reason, and leave the
    // old file and nothing else.
    void ExpectFailureKeepsTheOldFile(const std::string& reason, const std::string& step,
                                      const std::string& systemText)
    {
        EXPECT_NE(reason.find(step), std::string::npos) << reason;
        EXPECT_NE(reason.find(systemText), std::string::npos) << reason;
        EXPECT_EQ(ReadText(target), OldContents);
        EXPECT_EQ(Listing(folder), std::vector<std::string>{"set.ign"});
    }

    static constexpr const char* OldContents = "old contents\r\n\x01\xff";
    const std::string newContents = std::string(100000, 'n');
    test::TempDir dir;
    const fs::path folder = dir.Path();
    const std::string target = dir.File("set.ign");
};

TEST_F(AtomicFileTest, ReplacesTheFileKeepingItsPermissions)
{
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    EXPECT_EQ(ReplaceFile(target, newContents), "");
    EXPECT_EQ(ReadText(target), newContents);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Listing(folder), std::vector<std::string>{"set.ign"});
}

TEST_F(AtomicFileTest, EachFailingStepIsReportedAndRemovesTheTemporaryFile)
{
    struct Case {
        SystemCall call;
        int error;
        const char* step;
        const char* systemText;
    };
    const Case cases[] = {
        {SystemCall::Write, ENOSPC, "cannot write", "No space left on device"},
        {SystemCall::Write, EFBIG, "cannot write", "File too large"},
        // A write that takes no byte would otherwise spin for ever.
        {SystemCall::Write, 0, "cannot write", "No space left on device"},
        {SystemCall::Fsync, EIO, "to disk", "Input/output error"},
        {SystemCall::Close, EIO, "cannot write", "Input/output error"},
        {SystemCall::Rename, EBUSY, "cannot replace", "Device or resource busy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.systemText);
        std::string reason;
        {
            CallFault fault(c.call, c.error);
            reason = ReplaceFile(target, newContents);
            EXPECT_TRUE(test::ClearCallFaults()) << "the fault was never hit";
        }
        ExpectFailureKeepsTheOldFile(reason, c.step, c.systemText);
    }
}

TEST_F(AtomicFileTest, SavingThroughALinkReplacesTheFileBehindIt)
{
    const std::string link = dir.File("link.ign");
    fs::create_symlink(target, link);
    EXPECT_EQ(ReplaceFile(link, newContents), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(target), newContents);
    EXPECT_EQ(Listing(folder), (std::vector<std::string>{"link.ign", "set.ign"}));
}

// The rename is made durable too; a failed save leaves the folder alone.
TEST_F(AtomicFileTest, SyncsTheFolderAfterTheRenameOnly)
{
    const int before = test::FolderSyncCount();
    EXPECT_EQ(ReplaceFile(target, newContents), "");
    EXPECT_EQ(test::FolderSyncCount(), before + 1);
    {
        const CallFault fault(SystemCall::Rename, EBUSY);
        EXPECT_NE(ReplaceFile(target, newContents), "");
    }
    EXPECT_EQ(test::FolderSyncCount(), before + 1);
}

TEST_F(AtomicFileTest, InterruptedWriteIsRepeated)
{
    const CallFault fault(SystemCall::Write, EINTR);
    EXPECT_EQ(ReplaceFile(target, newContents), "");
    EXPECT_EQ(ReadText(target), newContents);
}

TEST_F(AtomicFileTest, ReadingIsBoundedAndSaysWhatItFound)
{
    const FileReadResult read = ReadFileUpTo(target, std::string(OldContents).size());
    EXPECT_EQ(read.status, FileReadStatus::Read);
    EXPECT_EQ(read.contents, OldContents);

    const FileReadResult tooLong = ReadFileUpTo(target, std::string(OldContents).size() - 1);
    EXPECT_EQ(tooLong.status, FileReadStatus::TooLarge);
    EXPECT_TRUE(tooLong.contents.empty());

    EXPECT_EQ(ReadFileUpTo((folder / "none").string(), 1).status, FileReadStatus::Missing);
    EXPECT_EQ(ReadFileUpTo((folder / "set.ign" / "x").string(), 1).status, FileReadStatus::Missing);
    const FileReadResult folderRead = ReadFileUpTo(folder.string(), 1);
    EXPECT_EQ(folderRead.status, FileReadStatus::Unreadable);
    EXPECT_NE(folderRead.reason.find(folder.string()), std::string::npos);

    // A pipe in the file's place is no file, and must not hang the reader.
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileUpTo(pipe.string(), 1).status, FileReadStatus::Unreadable);
}

}  // namespace
}  // namespace torvana
