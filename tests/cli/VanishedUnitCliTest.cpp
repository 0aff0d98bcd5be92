// torvana-cli program, verify and read while the unit goes away: the
// simulator process is killed once the tool reports some progress, or it
// closes its pseudo-terminal after a number of requests and runs on. The
// tool must exit 1 with the mode's error as its one line that is not
// progress, write no parameter file, and never hang.

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "link/SimulatorProcess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <ostream>
#include <string>
#include <vector>

namespace torvana {
namespace {

namespace fs = std::filesystem;

const std::string Tool = TORVANA_BINARY_DIR "/src/cli/torvana-cli";
// A bound, not a figure: the tool gives up about a second after the unit goes.
constexpr int CommandTimeoutMs = 30000;
constexpr int PollStepMs = 20;
constexpr int HangUpRequests = 7;
// The Read of the unit's own bytes (blocks 0..19 and a Verify pass), blocks
// 0..19 of the Program pass, 1..19 of its Verify pass, then the first
// monitor request.
constexpr int ProgramPassBlocks = 20;
constexpr int VerifyPassBlocks = 19;
constexpr int RequestsBeforeStoring = 2 * (ProgramPassBlocks + VerifyPassBlocks) + 1;
constexpr const char* KillAtProgress = " 6/19";
constexpr const char* ProgressMark = "/19";
constexpr int CsvHeaderAndRow = 2;
constexpr int MonitorHangUpRequests = 2;
constexpr int MicrosecondsPerMs = 1000;
constexpr mode_t OutputFileMode = 0644;
constexpr std::size_t ReadChunk = 256;

std::string FactoryText()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    NormaliseImage(image);
    std::ostringstream out;
    WriteParameterFile(out, image, FileOptions{});
    return out.str();
}

// torvana-cli as a child whose standard error is read line by line while it
// runs; standard output goes to a file.
class CliProcess {
public:
    CliProcess(const std::vector<std::string>& arguments, const fs::path& outPath)
    {
        int err[2];
        if (::pipe(err) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, OutputFileMode);
            ::dup2(out, STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            ::close(err[0]);
            ::close(err[1]);
            std::vector<char*> argv{const_cast<char*>(Tool.c_str())};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            ::execv(Tool.c_str(), argv.data());
            ::_exit(SimulatorProcess::ExecFailedStatus);
        }
        ::close(err[1]);
        errPipe = err[0];
    }

    ~CliProcess()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (errPipe >= 0)
            ::close(errPipe);
    }

    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // True once a line ending in ending has come on standard error.
    bool WaitForLineEnding(const std::string& ending)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(CommandTimeoutMs);
        while (Clock::now() < deadline) {
            for (const std::string& line : lines)
                if (line.ends_with(ending))
                    return true;
            if (!ReadSome())
                return false;
        }
        return false;
    }

    // The exit status, or nullopt when the tool had to be killed at the bound.
    std::optional<int> Wait()
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(CommandTimeoutMs);
        while (Clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                while (ReadSome()) {
                }
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            ReadSome();
        }
        return std::nullopt;
    }

    const std::vector<std::string>& ErrorLines() const { return lines; }

private:
    using Clock = std::chrono::steady_clock;

    // False at the end of the stream.
    bool ReadSome()
    {
        pollfd ready{errPipe, POLLIN, 0};
        if (::poll(&ready, 1, PollStepMs) <= 0)
            return true;
        char buffer[ReadChunk];
        const ssize_t got = ::read(errPipe, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                lines.push_back(partial);
                partial.clear();
            } else {
                partial += buffer[i];
            }
        }
        return true;
    }

    pid_t pid = -1;
    int errPipe = -1;
    std::string partial;
    std::vector<std::string> lines;
};

enum class Vanish { Killed, HungUp };

struct CliCase {
    const char* command;
    const char* progressText;
    const char* errorText;
    Vanish how;
};

std::string CaseText(const CliCase& c)
{
    std::string name = c.command;
    name[0] = static_cast<char>(std::toupper(name[0]));
    return name + (c.how == Vanish::Killed ? "UnitKilled" : "PseudoTerminalClosed");
}

std::string CaseName(const testing::TestParamInfo<CliCase>& info)
{
    return CaseText(info.param);
}

// Test names in ctest show the case, not its bytes.
void PrintTo(const CliCase& c, std::ostream* out)
{
    *out << CaseText(c);
}

class VanishedUnitCli : public testing::TestWithParam<CliCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(SimulatorProgram)) << "build the torvana-unitsim target first";
        // Parameterised test names carry a slash.
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        directory = fs::temp_directory_path() / ("torvana-vanish-cli-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(directory);
        fs::create_directories(directory);
        std::ofstream(directory / "set.ign", std::ios::binary) << FactoryText();
    }
    void TearDown() override { fs::remove_all(directory); }

    std::vector<std::string> Arguments(const std::string& device) const
    {
        const std::string command = GetParam().command;
        if (command == "read")
            return {command, "--port", device, "-o", (directory / "read.ign").string()};
        return {command, "--port", device, (directory / "set.ign").string()};
    }

    fs::path directory;
};

TEST_P(VanishedUnitCli, ExitsOneWithTheModesErrorAndWritesNothing)
{
    const bool kill = GetParam().how == Vanish::Killed;
    SimulatorProcess unit(kill ? std::vector<std::string>{}
                               : std::vector<std::string>{"--hang-up-after", std::to_string(HangUpRequests)});
    ASSERT_FALSE(unit.device.empty());
    CliProcess tool(Arguments(unit.device), directory / "stdout");
    if (kill) {
        ASSERT_TRUE(tool.WaitForLineEnding(GetParam().progressText + std::string(KillAtProgress)));
        unit.Kill();
    }

    const std::optional<int> status = tool.Wait();
    ASSERT_TRUE(status) << "torvana-cli still ran after " << CommandTimeoutMs << " ms";
    EXPECT_EQ(*status, 1);
    const std::vector<std::string>& lines = tool.ErrorLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), GetParam().errorText);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].ends_with(ProgressMark)) << "not progress: " << lines[i];
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), "Verify: OK 19/19") == lines.end());
    EXPECT_EQ(fs::file_size(directory / "stdout"), 0u);
    EXPECT_FALSE(fs::exists(directory / "read.ign"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, VanishedUnitCli,
    testing::Values(CliCase{"program", "Program device:", "Program error!", Vanish::Killed},
                    CliCase{"verify", "Verify:", "Verify error!", Vanish::Killed},
                    CliCase{"read", "Read:", "Read error!", Vanish::Killed},
                    CliCase{"program", "Program device:", "Program error!", Vanish::HungUp},
                    CliCase{"verify", "Verify:", "Verify error!", Vanish::HungUp},
                    CliCase{"read", "Read:", "Read error!", Vanish::HungUp}),
    CaseName);

// Verified, then gone before the unit reported its store: not a success.
TEST(VanishedUnitCliStoring, ProgramThatLosesTheUnitWhileStoringExitsOne)
{
    const fs::path directory = fs::temp_directory_path() / ("torvana-vanish-store-" + std::to_string(::getpid()));
    fs::create_directories(directory);
    std::ofstream(directory / "set.ign", std::ios::binary) << FactoryText();
    SimulatorProcess unit({"--hang-up-after", std::to_string(RequestsBeforeStoring)});
    ASSERT_FALSE(unit.device.empty());
    CliProcess tool({"program", "--port", unit.device, (directory / "set.ign").string()}, directory / "stdout");

    const std::optional<int> status = tool.Wait();
    fs::remove_all(directory);
    ASSERT_TRUE(status) << "torvana-cli still ran after " << CommandTimeoutMs << " ms";
    EXPECT_EQ(*status, 1);
    const std::vector<std::string>& lines = tool.ErrorLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), "Verify: OK 19/19") != lines.end());
    EXPECT_EQ(lines.back(), "torvana-cli: the unit stopped answering while storing the parameters");
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), "Program device: OK 19/19") == lines.end());
}

// A monitor never ends by itself without --count; a lost port ends it.
TEST(VanishedUnitCliMonitor, MonitorEndsWithOneLineWhenThePortGoesAway)
{
    const fs::path directory = fs::temp_directory_path() / ("torvana-vanish-monitor-" + std::to_string(::getpid()));
    fs::create_directories(directory);
    for (const Vanish how : {Vanish::Killed, Vanish::HungUp}) {
        SimulatorProcess unit(how == Vanish::Killed ? std::vector<std::string>{}
                                                    : std::vector<std::string>{"--hang-up-after", std::to_string(MonitorHangUpRequests)});
        ASSERT_FALSE(unit.device.empty());
        CliProcess tool({"monitor", "--port", unit.device, "--csv", (directory / "live.csv").string()},
                        directory / "stdout");
        if (how == Vanish::Killed) {
            // The CSV header and a first row: the monitor is running.
            const auto rows = [&] {
                std::ifstream in(directory / "live.csv");
                return std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
            };
            for (int i = 0; i < CommandTimeoutMs / PollStepMs && rows() < CsvHeaderAndRow; ++i)
                ::usleep(PollStepMs * MicrosecondsPerMs);
            unit.Kill();
        }
        const std::optional<int> status = tool.Wait();
        ASSERT_TRUE(status) << "torvana-cli monitor still ran after " << CommandTimeoutMs << " ms";
        EXPECT_EQ(*status, 2);
        ASSERT_EQ(tool.ErrorLines().size(), 1u);
        EXPECT_TRUE(tool.ErrorLines().front().starts_with("torvana-cli: port " + unit.device + " went away ("))
            << tool.ErrorLines().front();
    }
    fs::remove_all(directory);
}

}  // namespace
}  // namespace torvana
