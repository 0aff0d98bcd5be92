// torvana-unitsim: the simulated engine unit on a pseudo-terminal, for
// trying the tool and its command line without hardware.

#include "PseudoTerminal.h"
#include "SimulatorArguments.h"
#include "UnitSimulator.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <thread>

namespace {

using namespace torvana;

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t replugRequested = 0;

void RequestStop(int)
{
    stopRequested = 1;
}

void RequestReplug(int)
{
    replugRequested = 1;
}

constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;
constexpr int PollMilliseconds = 5;
constexpr std::size_t ReadChunk = 4096;
constexpr std::uint8_t DefaultBike = 0;

// The parameter set as the tool builds it from a file: defaults for
// variant 0, then the file's keys, then the consistency rules.
bool LoadImage(const std::string& path, bool raw, ParameterImage& image)
{
    image.fill(0);
    image[Offset::Bike] = DefaultBike;
    FillDefaultParameters(image);
    if (!path.empty()) {
        FileOptions options;
        const ReadResult result = LoadParameterFile(path, image, options);
        if (result.status == ReadStatus::Unreadable) {
            std::cerr << "torvana-unitsim: " << result.message << "\n";
            return false;
        }
        if (result.status != ReadStatus::Accepted) {
            std::cerr << "torvana-unitsim: " << path << " is not a parameter file of version "
                      << ParameterFileVersion;
            if (!result.message.empty())
                std::cerr << " (" << result.message << ")";
            std::cerr << "\n";
            return false;
        }
    }
    if (!raw)
        NormaliseImage(image);
    return true;
}

void InstallStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    action.sa_handler = RequestReplug;
    sigaction(SIGUSR1, &action, nullptr);
}

// SIGUSR1 pulls the device out (closed, link removed); the next one plugs a
// new device in behind the same link, as a USB adapter plugged in again.
// Whoever started the simulator may have stopped reading its output, so
// the new device's path is not printed: the link is its name.
bool Replug(PseudoTerminal& terminal, const std::string& linkPath)
{
    if (terminal.IsOpen()) {
        terminal.Close();
        return true;
    }
    std::string error = terminal.Open();
    if (error.empty() && !linkPath.empty())
        error = terminal.LinkAt(linkPath);
    if (!error.empty()) {
        std::cerr << "torvana-unitsim: " << error << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto arguments = ParseSimulatorArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::cerr << "torvana-unitsim: " << error << "\n" << SimulatorUsage();
        return ExitUsage;
    }
    if (arguments->help) {
        std::cout << SimulatorUsage();
        return 0;
    }

    ParameterImage image{};
    if (!LoadImage(arguments->imagePath, arguments->rawImage, image))
        return ExitUsage;
    UnitSimulator unit(arguments->simulator);
    unit.Preload(image);

    InstallStopHandlers();
    PseudoTerminal terminal;
    if (error = terminal.Open(); !error.empty()) {
        std::cerr << "torvana-unitsim: " << error << "\n";
        return ExitFailure;
    }
    if (!arguments->linkPath.empty()) {
        if (error = terminal.LinkAt(arguments->linkPath); !error.empty()) {
            std::cerr << "torvana-unitsim: " << arguments->linkPath << ": " << error << "\n";
            return ExitFailure;
        }
    }
    std::cout << terminal.DevicePath() << std::endl;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    std::array<std::uint8_t, ReadChunk> buffer{};
    while (!stopRequested) {
        if (replugRequested) {
            replugRequested = 0;
            if (!Replug(terminal, arguments->linkPath))
                return ExitFailure;
        }
        if (!terminal.IsOpen()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(PollMilliseconds));
            continue;
        }
        const int got = terminal.ReadSome(buffer.data(), buffer.size(), PollMilliseconds);
        if (got < 0) {
            std::perror("torvana-unitsim: read");
            return ExitFailure;
        }
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        unit.AdvanceMilliseconds(static_cast<std::uint64_t>(elapsed.count()) - unit.NowMilliseconds());
        unit.Receive(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(got)));
        const std::vector<std::uint8_t> out = unit.TakeOutput();
        terminal.WriteAll(out.data(), out.size());
        // Gone, as if unplugged; the process stays until it is stopped.
        if (arguments->hangUpAfter && terminal.IsOpen() && unit.RequestsReceived() >= *arguments->hangUpAfter)
            terminal.Close();
    }
    if (arguments->report)
        std::cerr << "torvana-unitsim: " << unit.RequestsReceived() << " requests received, " << unit.FramesAnswered()
                  << " answered\n";
    return 0;
}
