#include "core/Defaults.h"
#include "core/FileKeys.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace torvana {
namespace {

namespace fs = std::filesystem;

const std::string Tool = TORVANA_BINARY_DIR "/src/cli/torvana-cli";
const std::string Data = TORVANA_TEST_DATA;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

ParameterImage FactorySet(int bike)
{
    ParameterImage image{};
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    FillDefaultParameters(image);
    NormaliseImage(image);
    return image;
}

// Reads a parameter file the way the editor opens one at start-up.
ParameterImage Loaded(const std::string& text, FileOptions& options)
{
    ParameterImage image{};
    FillDefaultParameters(image);
    EXPECT_EQ(ReadParameterFile(text, image, options).status, ReadStatus::Accepted);
    NormaliseImage(image);
    return image;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public testing::Test {
protected:
    // A folder of its own: other builds may run the same tests at once.
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "torvana-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory = pattern;
    }
    void TearDown() override { fs::remove_all(directory); }

    // before and after are shell text around the call; a hang ends in time.
    Outcome Run(const std::string& arguments, const std::string& before = "", const std::string& after = "") const
    {
        const fs::path out = directory / "stdout";
        const fs::path err = directory / "stderr";
        const std::string line = "(" + before + "timeout 20 " + Tool + " " + arguments + after + ") >" +
                                 out.string() + " 2>" + err.string();
        const int raw = std::system(line.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
    }

    std::string File(const std::string& name, const std::string& text) const
    {
        std::ofstream(directory / name, std::ios::binary) << text;
        return (directory / name).string();
    }

    fs::path directory;
};

TEST_F(CliTest, HelpForTheToolAndEachCommand)
{
    const Outcome tool = Run("--help");
    EXPECT_EQ(tool.status, 0);
    for (const std::string command : {"defaults", "normalise", "diff"}) {
        EXPECT_NE(tool.out.find("  " + command + " "), std::string::npos) << command;
        const Outcome help = Run(command + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("usage: torvana-cli " + command + " ", 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");
    }
}

TEST_F(CliTest, UsageErrorsExitWith2AndOneLine)
{
    for (const std::string& arguments : std::vector<std::string>
         {"", "frobnicate", "defaults -x", "defaults --bike 4", "defaults --bike x", "defaults --bike",
          "defaults extra", "normalise", "normalise a b", "normalise a -q", "diff a", "defaults -o ''",
          "normalise " + Data + "/factory-bike0.ign -o ''"}) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments;
        EXPECT_EQ(outcome.out, "") << arguments;
        if (!arguments.empty()) {
            EXPECT_EQ(LineCount(outcome.err), 1) << arguments << ": " << outcome.err;
        }
    }
}

TEST_F(CliTest, FactorySetsReadBackIntoTheSameImages)
{
    for (int bike = 0; bike < BikeCount; ++bike) {
        const Outcome outcome = Run("defaults --bike " + std::to_string(bike));
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        FileOptions options{true};
        EXPECT_EQ(Loaded(outcome.out, options), FactorySet(bike)) << "variant " << bike;
        EXPECT_FALSE(options.extMonitor);

        const fs::path target = directory / "set.ign";
        ASSERT_EQ(Run("defaults -o " + target.string() + " --bike " + std::to_string(bike)).status, 0);
        EXPECT_EQ(ReadBytes(target), outcome.out) << "variant " << bike;
    }
    EXPECT_EQ(Run("defaults").out, Run("defaults --bike 0").out);
}

// Also with the marks editors add: a byte-order mark first, Ctrl-Z last.
TEST_F(CliTest, SampleFilesAreFixedPoints)
{
    for (const auto& [name, bike] : {std::pair{"factory-bike0.ign", 0}, std::pair{"factory-bike2.ign", 2}}) {
        const std::string sample = ReadBytes(Data + "/" + name);
        FileOptions options;
        EXPECT_EQ(Loaded(sample, options), FactorySet(bike)) << name;
        for (const std::string& path : {Data + "/" + name, File("marked.ign", "\xEF\xBB\xBF" + sample + "\x1A")}) {
            const Outcome outcome = Run("normalise " + path);
            EXPECT_EQ(outcome.status, 0) << outcome.err;
            EXPECT_EQ(outcome.out, sample) << path;
        }
    }
}

TEST_F(CliTest, NormaliseAppliesTheRulesAndKeepsExtMon)
{
    const std::string path = File("low.ign", "KAVELTRA_KEY 37\r\nLIMITER 100 9000 9200\r\nEXT_MON 1\r\n");
    const fs::path target = directory / "out.ign";
    const Outcome outcome = Run("normalise " + path + " -o " + target.string());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "");

    FileOptions options;
    const ParameterImage image = Loaded(ReadBytes(target), options);
    EXPECT_TRUE(options.extMonitor);
    EXPECT_EQ(image[Offset::Limiter], 10);

    const std::string plain = File("plain.ign", "KAVELTRA_KEY 37\r\n");
    EXPECT_NE(Run("normalise " + plain).out.find("\r\nEXT_MON          0\r\n"), std::string::npos);
}

TEST_F(CliTest, DiffListsChangedValuesInFileUnits)
{
    const std::string a = Data + "/factory-bike0.ign";
    const Outcome same = Run("diff " + a + " " + a);
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");

    const ParameterImage factory = FactorySet(0);
    constexpr int changedCell = 17;
    std::ostringstream b;
    b << "KAVELTRA_KEY 37 BIKE 1 EXT_MON 1 LIMITER 100 " << factory[Offset::Limiter + 1] * RpmStep << ' '
      << factory[Offset::Limiter + 2] * RpmStep << " IGN_1";
    for (int cell = 0; cell < changedCell; ++cell) {
        b << " 0";
    }
    b << " 33";
    const Outcome different = Run("diff " + a + " " + File("b.ign", b.str()));
    EXPECT_EQ(different.status, 1) << different.err;
    std::ostringstream expected;
    expected << "BIKE[0]: 0 -> 1\n"
             << "LIMITER[0]: " << factory[Offset::Limiter] * RpmStep << " -> 500\n"
             << "EXT_MON[0]: 0 -> 1\n";
    for (int cell = 0; cell < changedCell; ++cell) {
        const int value = factory[CurveTableOffset(0) + cell];
        if (value != 0) {
            expected << "IGN_1[" << cell << "]: " << value << " -> 0\n";
        }
    }
    expected << "IGN_1[17]: " << int(factory[CurveTableOffset(0) + changedCell]) << " -> 33\n";
    EXPECT_EQ(different.out, expected.str());
}

TEST_F(CliTest, UnusableFilesExitWith2AndSayWhy)
{
    const std::string good = Data + "/factory-bike2.ign";
    const std::string missing = (directory / "missing.ign").string();
    const std::string old = File("old.ign", "KAVELTRA_KEY 36\r\nBIKE 2\r\n");
    const std::string broken = File("broken.ign", "KAVELTRA_KEY 37\r\nBIKE two\r\n");
    const struct {
        std::string arguments;
        std::string says;
    } cases[] = {
        {"normalise " + missing, "cannot open " + missing},
        {"diff " + good + " " + missing, "cannot open " + missing},
        {"normalise " + old, old + ": unmatched version"},
        {"diff " + broken + " " + good, broken + ": line 2: \"two\""},
        {"defaults -o " + directory.string(), "cannot replace"},
    };
    for (const auto& [arguments, says] : cases) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments;
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_NE(outcome.err.find(says), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "") << arguments;
    }
}

// Inputs that are no regular file, too large or unreadable; output through a
// link to a pipe, cut by ulimit -f, or lost on a full or closed standard
// output: one line and exit 2 each, or the text where it belongs.
TEST_F(CliTest, FilesAsTheyReallyAre)
{
    const std::string pipe = (directory / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string good = Data + "/factory-bike2.ign";
    const std::string large = File("large.ign", std::string(ParameterFileSizeLimit + 1, ' '));
    const std::string old = File("old.ign", "old");
    const std::string link = (directory / "link.ign").string();
    fs::create_symlink("/proc/self/fd/1", link);
    const struct {
        std::string arguments, before, after, says;
    } failing[] = {
        {"normalise " + directory.string(), "", "", "a folder"},
        {"diff " + good + " " + pipe, "", "", "a pipe"},
        {"normalise " + large, "", "", "larger than 1048576 bytes"},
        {"normalise /proc/self/mem", "", "", "Input/output error"},
        // In blocks of 512 or 1024 bytes: below the 13 kB either way.
        {"normalise " + good + " -o " + old, "ulimit -f 4; ", "", "File too large"},
        {"diff " + good + " " + Data + "/factory-bike0.ign", "", " >/dev/full", "standard output"},
        {"diff " + good + " " + Data + "/factory-bike0.ign", "", " >&-", "standard output"},
    };
    for (const auto& [arguments, before, after, says] : failing) {
        const Outcome outcome = Run(arguments, before, after);
        EXPECT_EQ(outcome.status, 2) << arguments << after;
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_NE(outcome.err.find(says), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(ReadBytes(old), "old");
    EXPECT_EQ(Run("normalise " + good + " -o " + link, "", " | cat").out, ReadBytes(good));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator{}), 6)
        << "a temporary file is left behind";
}

}  // namespace
}  // namespace torvana
