#include "core/AtomicFile.h"

#include "SystemCallFaults.h"
#include "settings/FileTestHelpers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
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

TEST_F(AtomicFileTest, NewFilesFollowTheUmask)
{
    const std::string fresh = dir.File("new.ign");
    for (const mode_t mask : {0022, 0077, 0002, 0027}) {
        const mode_t saved = ::umask(mask);
        fs::remove(fresh);
        const std::string reason = ReplaceFile(fresh, newContents);
        ::umask(saved);
        ASSERT_EQ(reason, "");
        struct stat info {};
        ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << std::oct << mask;
    }
}

mode_t KindAt(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// A device or a link to one is written to and stays what it was; a pipe
// without reader, a block device and a link to nothing are refused and
// left alone. Nothing else appears in the folder.
TEST_F(AtomicFileTest, SpecialTargetsAreWrittenInPlaceNeverReplaced)
{
    struct Case {
        std::string name;
        std::string fails;  // empty: written
    };
    std::vector<Case> cases{{"pipe-without-reader", "no program reads from the pipe"},
                            {"link-to-nothing", "the link leads to no file"}};
    ASSERT_EQ(::mkfifo(dir.File(cases[0].name).c_str(), 0600), 0);
    fs::create_symlink(folder / "nothing", dir.File(cases[1].name));
    // A file system mounted nodev refuses to open device nodes.
    const bool devices = ::mknod(dir.File("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0
                         && std::ofstream(dir.File("null")).good();
    if (devices) {
        // The block device's number is unassigned: nothing is behind it.
        constexpr unsigned UnassignedMajor = 240;
        ASSERT_EQ(::mknod(dir.File("full").c_str(), S_IFCHR | 0666, ::makedev(1, 7)), 0);
        ASSERT_EQ(::mknod(dir.File("disk").c_str(), S_IFBLK | 0600, ::makedev(UnassignedMajor, 0)), 0);
        fs::create_symlink("null", dir.File("link-to-null"));
        cases.insert(cases.end(), {{"null", ""}, {"link-to-null", ""}, {"full", "No space left on device"},
                                   {"disk", "block device"}});
    }
    const std::vector<std::string> before = Listing(folder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(c.name);
        const mode_t kind = KindAt(path);
        const std::string reason = ReplaceFile(path, newContents);
        if (c.fails.empty())
            EXPECT_EQ(reason, "");
        else
            EXPECT_NE(reason.find(c.fails), std::string::npos) << reason;
        EXPECT_EQ(KindAt(path), kind);
    }
    EXPECT_EQ(Listing(folder), before);
    if (!devices)
        GTEST_SKIP() << "device nodes need root on a file system that allows them; pipes and links were checked";
}

}  // namespace
}  // namespace torvana
