// torvana-cli against torvana-unitsim through a pseudo-terminal, end to end:
// the simulator runs as a child process, the tool as a command, each bounded
// in time.

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "history/RestorePoints.h"
#include "link/SimulatorProcess.h"
#include "link/UnitFrame.h"
#include "link/UnitOwnedBytes.h"
#include "log/LogCsv.h"
#include "UnitSimulator.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
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
// Generous bounds: a transfer takes a few seconds, the store progress four more.
constexpr int CommandTimeoutSeconds = 40;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ParameterText(int bike)
{
    ParameterImage image{};
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    FillDefaultParameters(image);
    NormaliseImage(image);
    std::ostringstream out;
    WriteParameterFile(out, image, FileOptions{});
    return out.str();
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class LinkCli : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(SimulatorProgram)) << "build the torvana-unitsim target first";
        directory = fs::temp_directory_path() /
                    ("torvana-link-cli-" + std::to_string(::getpid()) + "-" +
                     std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory);
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }

    Outcome Run(const std::string& arguments, const std::string& environment = {}) const
    {
        const fs::path out = directory / "stdout";
        const fs::path err = directory / "stderr";
        const std::string line = environment + " timeout " + std::to_string(CommandTimeoutSeconds) + " " + Tool +
                                 " " + arguments + " >" + out.string() + " 2>" + err.string();
        const int raw = std::system(line.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
    }

    std::string File(const std::string& name, const std::string& text) const
    {
        std::ofstream(directory / name, std::ios::binary) << text;
        return (directory / name).string();
    }

    std::string Path(const std::string& name) const { return (directory / name).string(); }

    fs::path directory;
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string LastLine(const std::string& text)
{
    const std::size_t end = text.find_last_not_of('\n');
    const std::size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

// The unit's stored blocks 1 to 19 as it sends them, read frame by frame
// on a raw line; nullopt when a reply does not come.
std::optional<ParameterImage> UnitBlocks(const std::string& device)
{
    constexpr int ReplyTimeoutMs = 1000;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    termios mode{};
    ::tcgetattr(fd, &mode);
    ::cfmakeraw(&mode);
    ::tcsetattr(fd, TCSANOW, &mode);
    ParameterImage blocks{};
    bool complete = true;
    for (int block = 1; block <= Command::LastBlock && complete; ++block) {
        const UnitFrame request = BuildBlockFrame(ReadBackCommand(block), blocks, BlockData::Zeros);
        complete = ::write(fd, request.data(), FrameSize) == FrameSize;
        UnitFrame reply{};
        std::size_t got = 0;
        pollfd wait{fd, POLLIN, 0};
        while (complete && got < FrameSize && ::poll(&wait, 1, ReplyTimeoutMs) > 0) {
            const ssize_t n = ::read(fd, reply.data() + got, FrameSize - got);
            complete = n > 0;
            got += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        complete = complete && got == FrameSize && FrameIsValid(reply);
        const auto data = FrameData(reply);
        std::copy(data.begin(), data.end(), blocks.begin() + BlockOffset(static_cast<std::size_t>(block)));
    }
    ::close(fd);
    return complete ? std::optional<ParameterImage>(blocks) : std::nullopt;
}

// A backup read from the unit and restored to it leaves the unit's own
// bytes, which the file does not carry, as the unit had them.
TEST_F(LinkCli, BackupAndRestoreKeepTheUnitsOwnBytes)
{
    SimulatorProcess unit({"--owned-pattern", "--image", File("unit.ign", ParameterText(1))});
    ASSERT_TRUE(Run("read --port " + unit.device + " -o " + Path("backup.ign")).status == 0);
    const Outcome verify = Run("verify --port " + unit.device + " " + Path("backup.ign"));
    EXPECT_EQ(verify.status, 0) << verify.err;
    const Outcome program = Run("program --port " + unit.device + " " + Path("backup.ign"));
    EXPECT_EQ(program.status, 0) << program.err;

    const auto stored = UnitBlocks(unit.device);
    ASSERT_TRUE(stored);
    for (std::size_t offset = BlockOffset(1); offset < ImageSize; ++offset) {
        if (IsUnitOwnedOffset(offset))
            EXPECT_EQ((*stored)[offset], UnitSimulator::OwnedPatternByte(offset)) << offset;
    }
}

TEST_F(LinkCli, ReadOfASetThatNeedsNormalisingWritesItAndSaysWhatChanged)
{
    // The second engine-speed point above the third: the axis is not increasing.
    std::string text = ParameterText(0);
    const std::string axis = "RPM_IGN_1     1000  2000";
    text.replace(text.find(axis), axis.size(), "RPM_IGN_1     1000  5000");
    SimulatorProcess unit({"--raw", "--image", File("raw.ign", text)});
    const Outcome read = Run("read --port " + unit.device + " -o " + Path("read.ign"));
    EXPECT_EQ(read.status, 0) << read.err;

    ParameterImage image{};
    FillDefaultParameters(image);
    FileOptions options;
    ReadParameterFile(text, image, options);
    NormaliseImage(image);
    std::ostringstream normalised;
    WriteParameterFile(normalised, image, FileOptions{});
    EXPECT_EQ(ReadBytes(Path("read.ign")), normalised.str());
    EXPECT_TRUE(Contains(read.err, "Verify: OK 19/19\ntorvana-cli: normalised RPM_IGN_1[2]: 3000 -> 5050\n"))
        << read.err;
}

// Waits have bounds: a silent unit and a store that stops end with exit 1
// and one line that says why.
TEST_F(LinkCli, SilentMonitorAndStalledStoreEndWithOneLine)
{
    {
        SimulatorProcess unit({"--silent"});
        const Outcome monitor = Run("monitor --port " + unit.device + " --count 3");
        EXPECT_EQ(monitor.status, 1);
        EXPECT_EQ(monitor.err, "torvana-cli: no answer from the unit for 5 s\n");
    }
    {
        SimulatorProcess unit({"--store-stops-at", "700"});
        const Outcome program = Run("program --port " + unit.device + " " + File("set.ign", ParameterText(0)));
        EXPECT_EQ(program.status, 1);
        EXPECT_EQ(LastLine(program.err), "torvana-cli: the unit's store stopped with 700 still to store");
        EXPECT_FALSE(Contains(program.err, "Program device: OK"));
    }
}

TEST_F(LinkCli, FailedCoolantSensorIsLoggedWithoutATemperature)
{
    SimulatorProcess unit({"--idle", "--coolant-failed"});
    const Outcome csv = Run("monitor --port " + unit.device + " --count 1 --csv " + Path("live.csv"));
    EXPECT_EQ(csv.status, 0) << csv.err;
    const LogParse log = ParseLogCsv(ReadBytes(Path("live.csv")));
    ASSERT_TRUE(log.ok) << log.error;
    ASSERT_EQ(log.table.rows.size(), 1u);
    EXPECT_FALSE(log.table.rows[0].Value(LogChannel::WaterTemp));
    EXPECT_EQ(log.table.rows[0].Value(LogChannel::AirTemp), 20);
}

TEST_F(LinkCli, ReadWritesTheUnitsParameterSet)
{
    SimulatorProcess unit({"--image", File("unit.ign", ParameterText(2))});
    ASSERT_FALSE(unit.device.empty());

    const Outcome read = Run("read --port " + unit.device + " -o " + Path("read.ign"));
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_TRUE(Contains(read.err, "Read: 5/19"));
    EXPECT_EQ(LastLine(read.err), "Verify: OK 19/19");
    EXPECT_EQ(ReadBytes(Path("read.ign")), ParameterText(2));
}

TEST_F(LinkCli, ProgramShowsProgressWaitsForTheStoreAndReadsBackTheSame)
{
    SimulatorProcess unit({"--link", Path("unit")});
    ASSERT_FALSE(unit.device.empty());
    const std::string file = File("set.ign", ParameterText(3));

    const Outcome program = Run("program --port " + Path("unit") + " " + file);
    EXPECT_EQ(program.status, 0) << program.err;
    EXPECT_TRUE(Contains(program.err, "Program device: 7/19\n"));
    EXPECT_TRUE(Contains(program.err, "Verify: OK 19/19\n"));
    EXPECT_TRUE(Contains(program.err, "Saving: "));
    EXPECT_LT(program.err.find("Verify: OK"), program.err.find("Saving: "));
    // Success is claimed once, after the unit has stored the set.
    EXPECT_GT(program.err.find("Program device: OK"), program.err.find("Saving: "));
    EXPECT_EQ(LastLine(program.err), "Program device: OK 19/19");

    // The same pty again: the simulator survives the reconnect.
    const Outcome read = Run("read --port " + unit.device + " -o " + Path("back.ign"));
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(ReadBytes(Path("back.ign")), ParameterText(3));
}

TEST_F(LinkCli, ProgramThroughALossyLineStillSucceeds)
{
    SimulatorProcess unit({"--drop", "15", "--corrupt", "10", "--stray", "10", "--seed", "1"});
    const Outcome program = Run("program --port " + unit.device + " " + File("set.ign", ParameterText(0)));
    EXPECT_EQ(program.status, 0) << program.err;
    EXPECT_EQ(LastLine(program.err), "Program device: OK 19/19");
}

TEST_F(LinkCli, VerifyAgainstAnotherSetFails)
{
    SimulatorProcess unit({});
    const Outcome same = Run("verify --port " + unit.device + " " + File("same.ign", ParameterText(0)));
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(LastLine(same.err), "Verify: OK 19/19");

    const Outcome other = Run("verify --port " + unit.device + " " + File("other.ign", ParameterText(1)));
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(LastLine(other.err), "Verify error!");
}

TEST_F(LinkCli, VerifyDifferenceAtTheTachometerFlagStillVerifies)
{
    SimulatorProcess unit({"--verify-diff", "102"});
    const Outcome verify = Run("verify --port " + unit.device + " " + File("set.ign", ParameterText(0)));
    EXPECT_EQ(verify.status, 0) << verify.err;
}

TEST_F(LinkCli, RefusalsAndSilenceEndWithExitOne)
{
    {
        SimulatorProcess unit({"--no-reading"});
        const Outcome read = Run("read --port " + unit.device + " -o " + Path("never.ign"));
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(LastLine(read.err), "No reading!");
        EXPECT_FALSE(fs::exists(Path("never.ign")));
    }
    {
        SimulatorProcess unit({"--version-byte", "36"});
        const Outcome program = Run("program --port " + unit.device + " " + File("set.ign", ParameterText(0)));
        EXPECT_EQ(program.status, 1);
        EXPECT_TRUE(Contains(program.err, "Unmatched version of PC and Ignition programs!"));
    }
    {
        SimulatorProcess unit({"--silent"});
        const Outcome read = Run("read --port " + unit.device);
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(LastLine(read.err), "Read error!");
        EXPECT_TRUE(read.out.empty());
    }
}

TEST_F(LinkCli, PortThatCannotBeOpenedIsExitTwoWithOneLine)
{
    const Outcome read = Run("read --port " + Path("no-such-device"));
    EXPECT_EQ(read.status, 2);
    EXPECT_TRUE(Contains(read.err, "cannot open port"));
    EXPECT_EQ(std::count(read.err.begin(), read.err.end(), '\n'), 1);

    EXPECT_EQ(Run("read").status, 2);
    EXPECT_EQ(Run("monitor --port x --count 0").status, 2);
    EXPECT_EQ(Run("program --port x " + Path("missing.ign")).status, 2);
}

TEST_F(LinkCli, MonitorPrintsTheLabelsOfEachFrame)
{
    SimulatorProcess unit({});
    const Outcome monitor = Run("monitor --port " + unit.device + " --count 2 --ext");
    EXPECT_EQ(monitor.status, 0) << monitor.err;

    std::istringstream lines(monitor.out);
    std::string line;
    std::vector<std::vector<std::string>> frames(1);
    while (std::getline(lines, line)) {
        if (line.empty())
            frames.emplace_back();
        else
            frames.back().push_back(line);
    }
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_TRUE(frames.back().empty());
    EXPECT_EQ(frames[0].size(), frames[1].size());
    EXPECT_EQ(frames[0].front().rfind("LabelRpm: RPM = ", 0), 0u);
    EXPECT_EQ(frames[0].back().rfind("LabelPocetProgramovani: Number of Programing= ", 0), 0u);
    EXPECT_TRUE(Contains(monitor.out, "LabelNapeti: U= 13."));
    EXPECT_TRUE(Contains(monitor.out, "LabelTpsMon: TP= "));
    EXPECT_TRUE(Contains(monitor.out, " mV\n"));
}

TEST_F(LinkCli, MonitorOfAStoppedEngineAndTheCsvLog)
{
    SimulatorProcess unit({"--idle"});
    const Outcome monitor = Run("monitor --port " + unit.device + " --count 1");
    EXPECT_EQ(monitor.status, 0) << monitor.err;
    EXPECT_TRUE(Contains(monitor.out, "LabelRpm: RPM = 0 \n"));
    EXPECT_TRUE(Contains(monitor.out, "LabelTpsMon: TP= 0 %\n"));

    const Outcome csv = Run("monitor --port " + unit.device + " --count 3 --csv " + Path("live.csv"));
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_TRUE(csv.out.empty());
    std::istringstream rows(ReadBytes(Path("live.csv")));
    std::string row;
    std::vector<std::string> all;
    while (std::getline(rows, row))
        all.push_back(row);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0] + "\n", LogCsvHeader());
    // Stopped engine: rpm and throttle 0, coolant and air at 20 degrees.
    const LogParse log = ParseLogCsv(ReadBytes(Path("live.csv")));
    ASSERT_TRUE(log.ok) << log.error;
    for (const LogRow& logged : log.table.rows) {
        EXPECT_EQ(logged.Value(LogChannel::Rpm), 0);
        EXPECT_EQ(logged.Value(LogChannel::TpsPercent), 0);
        EXPECT_EQ(logged.Value(LogChannel::WaterTemp), 20);
        EXPECT_EQ(logged.Value(LogChannel::AirTemp), 20);
    }
}

TEST_F(LinkCli, ComNumberFindsTheDeviceInTheSettingsFile)
{
    SimulatorProcess unit({"--idle"});
    fs::create_directories(directory / "config" / "torvana");
    std::ofstream(directory / "config" / "torvana" / "Torvana_R.ini") << "[PORTS]\nCOM3=" << unit.device << "\n";

    const Outcome monitor = Run("monitor --com 3 --count 1", "XDG_CONFIG_HOME=" + Path("config"));
    EXPECT_EQ(monitor.status, 0) << monitor.err;
    EXPECT_TRUE(Contains(monitor.out, "LabelRpm: RPM = 0 "));
    EXPECT_EQ(Run("monitor --com 11 --count 1", "XDG_CONFIG_HOME=" + Path("config")).status, 2);
}

// ports names each number's device and whether it is there, also after the
// device behind a link was pulled out.
TEST_F(LinkCli, PortsListsWhichDevicesExist)
{
    const std::string link = Path("ttyUNIT");
    SimulatorProcess unit({"--idle", "--link", link});
    fs::create_directories(directory / "config" / "torvana");
    std::ofstream(directory / "config" / "torvana" / "Torvana_R.ini")
        << "[PORTS]\nCOM2=" << Path("none") << "\nCOM3=" << link << "\n";
    const auto listed = [&] { return Run("ports", "XDG_CONFIG_HOME=" + Path("config")); };

    const Outcome plugged = listed();
    EXPECT_EQ(plugged.status, 0) << plugged.err;
    EXPECT_TRUE(Contains(plugged.out, "COM2  " + Path("none") + ": no such device\n")) << plugged.out;
    EXPECT_TRUE(Contains(plugged.out, "COM3  " + link + ": present")) << plugged.out;
    EXPECT_TRUE(Contains(plugged.out, "COM10  ")) << plugged.out;

    unit.Replug();
    constexpr int LinkWaitSteps = 400;
    constexpr useconds_t LinkWaitStepUs = 10000;
    for (int i = 0; i < LinkWaitSteps && fs::exists(fs::symlink_status(link)); ++i)
        ::usleep(LinkWaitStepUs);
    const Outcome pulled = listed();
    EXPECT_TRUE(Contains(pulled.out, "COM3  " + link + ": no such device\n")) << pulled.out;
    EXPECT_EQ(Run("ports --all", "XDG_CONFIG_HOME=" + Path("config")).status, 2);
}

// The unit read into a copy lists what the same files list between them.
TEST_F(LinkCli, DiffAgainstTheUnitListsWhatTheFilesList)
{
    SimulatorProcess unit({"--image", File("unit.ign", ParameterText(2))});
    ASSERT_FALSE(unit.device.empty());
    const std::string other = File("other.ign", ParameterText(1));
    const Outcome files = Run("diff " + other + " " + Path("unit.ign"));
    ASSERT_EQ(files.status, 1);
    const Outcome withUnit = Run("diff " + other + " --unit --port " + unit.device);
    EXPECT_EQ(withUnit.status, 1) << withUnit.err;
    EXPECT_EQ(withUnit.out, files.out);
    const Outcome same = Run("diff " + Path("unit.ign") + " --unit --port " + unit.device);
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(Run("diff " + other + " --unit --port " + Path("no-such-device")).status, 2);
    EXPECT_EQ(Run("diff " + other + " --unit").status, 2);
}

// Restore points kept by the editor are listed newest first and written out
// as parameter files.
TEST_F(LinkCli, RestorePointsAreListedAndWrittenOut)
{
    const std::string environment = "XDG_DATA_HOME=" + Path("data");
    RestorePointStore store(Path("data") + "/torvana/restore-points");
    EditorState kept;
    FileOptions options;
    ASSERT_EQ(ReadParameterFile(ParameterText(1), kept.image, options).status, ReadStatus::Accepted);
    ASSERT_EQ(store.Keep(kept, StepCause::Read, "SMART 37", 1'000), "");
    ASSERT_EQ(store.Keep(EditorState{}, StepCause::Open, "tune.ign", 2'000), "");

    const Outcome list = Run("restore-points", environment);
    EXPECT_EQ(list.status, 0) << list.err;
    std::istringstream lines(list.out);
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first.rfind("1  ", 0), 0u) << list.out;
    EXPECT_TRUE(Contains(first, "  open  tune.ign")) << first;
    EXPECT_TRUE(Contains(second, "  read  SMART 37")) << second;

    const Outcome out = Run("restore-point 2 -o " + Path("kept.ign"), environment);
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(ReadBytes(Path("kept.ign")), ParameterText(1));
    EXPECT_EQ(Run("restore-point 3", environment).status, 2);
    EXPECT_EQ(Run("restore-point x", environment).status, 2);
}

}  // namespace
}  // namespace torvana
