// torvana-cli against files as they really are: folders, pipes and read
// errors as input, pipes behind links, a file size limit and a full or
// closed standard output. Each case ends in one line and exit 2, or works.

#include "core/ParameterFile.h"
#include "settings/FileTestHelpers.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace torvana {
namespace {

namespace fs = std::filesystem;
using test::ReadText;

const std::string Tool = TORVANA_BINARY_DIR "/src/cli/torvana-cli";
const std::string Sample = TORVANA_TEST_DATA "/factory-bike2.ign";
// Long enough for any case to finish, short enough that a hang shows.
const std::string Bounded = "timeout 20 ";
constexpr int TimedOut = 124;

struct Outcome {
    int status = -1;  // -1: ended by a signal
    std::string out;
    std::string err;
};

class CliFileFaultsTest : public testing::Test {
protected:
    // Runs a shell line in which TOOL stands for the tool; stdout and stderr
    // are caught unless the line redirects them itself.
    Outcome Shell(std::string line) const
    {
        line.replace(line.find("TOOL"), 4, Bounded + Tool);
        const std::string out = dir.File("stdout");
        const std::string err = dir.File("stderr");
        const int raw = std::system(("(" + line + ") >" + out + " 2>" + err).c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(out), ReadText(err)};
    }

    static void ExpectOneLine(const Outcome& outcome, const std::string& says)
    {
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
        EXPECT_NE(outcome.err.find(says), std::string::npos) << outcome.err;
    }

    test::TempDir dir;
    const std::string expected = ReadText(Sample);
};

TEST_F(CliFileFaultsTest, InputsThatAreNoFileOrCannotBeReadGiveOneLine)
{
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = dir.File("large.ign");
    fs::copy_file(Sample, large);
    fs::resize_file(large, ParameterFileSizeLimit + 1);
    const std::pair<std::string, std::string> cases[] = {{dir.Path().string(), "a folder"},
                                                         {pipe, "a pipe"},
                                                         {large, "larger than 1048576 bytes"},
                                                         {"/proc/self/mem", "Input/output error"}};
    for (const auto& [input, says] : cases) {
        for (const std::string& command : {"normalise " + input, "diff " + Sample + " " + input}) {
            SCOPED_TRACE(command);
            const Outcome outcome = Shell("TOOL " + command);
            ExpectOneLine(outcome, says);
            EXPECT_EQ(outcome.out, "");
        }
    }
}

TEST_F(CliFileFaultsTest, NormaliseAcceptsAByteOrderMarkAndEndOfFileMarks)
{
    const std::string marked = dir.File("marked.ign");
    test::WriteText(marked, "\xEF\xBB\xBF" + expected + "\x1A");
    const Outcome outcome = Shell("TOOL normalise " + marked);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, expected);
}

// -o through a link to the tool's own standard output, a pipe: the text goes
// down the pipe and the link stays.
TEST_F(CliFileFaultsTest, OutputThroughALinkToAPipeKeepsTheLink)
{
    const std::string link = dir.File("out.ign");
    fs::create_symlink("/proc/self/fd/1", link);
    const std::string piped = dir.File("piped");
    const Outcome outcome = Shell("TOOL normalise " + Sample + " -o " + link + " | cat >" + piped);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(piped), expected);
}

// The limit is in blocks of 512 bytes (dash) or 1024 (bash): below the file
// either way.
TEST_F(CliFileFaultsTest, FileSizeLimitFailsTheWriteAndKeepsTheOldFile)
{
    const std::string target = dir.File("set.ign");
    test::WriteText(target, "old");
    const Outcome outcome = Shell("ulimit -f 4; TOOL normalise " + Sample + " -o " + target);
    ExpectOneLine(outcome, "File too large");
    EXPECT_EQ(ReadText(target), "old");
    EXPECT_EQ(test::Listing(dir.Path()), (std::vector<std::string>{"set.ign", "stderr", "stdout"}));
}

TEST_F(CliFileFaultsTest, ListingThatCannotBeWrittenIsNoDifference)
{
    const std::string other = TORVANA_TEST_DATA "/factory-bike0.ign";
    for (const std::string redirect : {" >/dev/full", " >&-"}) {
        SCOPED_TRACE(redirect);
        ExpectOneLine(Shell("TOOL diff " + Sample + " " + other + redirect), "standard output");
        ExpectOneLine(Shell("TOOL normalise " + Sample + redirect), "standard output");
        EXPECT_EQ(Shell("TOOL diff " + Sample + " " + Sample + redirect).status, 0);
    }
}

}  // namespace
}  // namespace torvana
