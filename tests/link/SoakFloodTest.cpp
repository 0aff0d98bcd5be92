// A flood of bytes on a real serial line (a pseudo terminal) while the link
// ticks: the input queue stays capped, so no tick reads more than the cap,
// and a frame sent once the flood stops still gets through. The run prints
// the tick cost and the resident memory before and after the flood; the
// figures are for scripts/flood, nothing here asserts on them.

#include "link/QtSerialLine.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include "QtApplicationSuite.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace torvana {
namespace {

constexpr int FloodTicks = 300;
constexpr int QuietTicks = 50;
constexpr int FloodChunk = 65536;  // offered to the pseudo terminal before every tick
constexpr int WaitSteps = 200;
constexpr int WaitStepMs = 10;
constexpr int DrainedPolls = 5;
constexpr std::uint32_t FloodSeed = 7;

// Passes everything to the real line and keeps the largest queue and read.
class WatchedLine final : public SerialLine {
public:
    explicit WatchedLine(SerialLine& line) : line(line) {}
    int QueuedBytes() override
    {
        const int queued = line.QueuedBytes();
        largestQueued = std::max(largestQueued, queued);
        return queued;
    }
    int Read(std::uint8_t* buffer, int max) override
    {
        const int got = line.Read(buffer, max);
        largestRead = std::max(largestRead, got);
        return got;
    }
    bool WriteAndDrain(const std::uint8_t* data, int n) override { return line.WriteAndDrain(data, n); }
    void Purge() override { line.Purge(); }
    void Close() override { line.Close(); }
    bool IsOpen() const override { return line.IsOpen(); }

    int largestQueued = 0;
    int largestRead = 0;

private:
    SerialLine& line;
};

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

struct TickCost {
    double meanMicroseconds = 0;
    double maxMicroseconds = 0;
};

class SoakFlood : public QtApplicationSuite {
protected:
    void SetUp() override
    {
        SetMessageTexts(messages, English);
        int slave = -1;
        char path[256] = {};
        ASSERT_EQ(::openpty(&master, &slave, path, nullptr, nullptr), 0);
        ::close(slave);
        ASSERT_EQ(::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK), 0);
        ASSERT_TRUE(port.Open(path)) << port.ErrorText();
        link.SetLine(&line);
        link.SetMonitorHandler([this](const UnitFrame& frame) {
            monitorFrames.push_back(frame);
            return true;
        });
    }

    void TearDown() override
    {
        port.Close();
        if (master >= 0)
            ::close(master);
    }

    // Ticks, first offering the pseudo terminal as much of a flood as it takes.
    TickCost Ticks(int count, bool flood)
    {
        using Clock = std::chrono::steady_clock;
        TickCost cost;
        std::vector<std::uint8_t> chunk(FloodChunk);
        for (int i = 0; i < count; ++i) {
            if (flood) {
                std::generate(chunk.begin(), chunk.end(), [this] { return static_cast<std::uint8_t>(noise()); });
                const ssize_t written = ::write(master, chunk.data(), chunk.size());
                floodBytes += std::max<ssize_t>(written, 0);
            }
            const auto start = Clock::now();
            link.Tick();
            const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            cost.meanMicroseconds += micros / count;
            cost.maxMicroseconds = std::max(cost.maxMicroseconds, micros);
        }
        return cost;
    }

    MessageTable messages;
    ParameterImage image{};
    QtSerialLine port;
    WatchedLine line{port};
    UnitLink link{image, messages};
    std::vector<UnitFrame> monitorFrames;
    int master = -1;
    long long floodBytes = 0;
    std::mt19937 noise{FloodSeed};
};


TEST_F(SoakFlood, InputQueueStaysCappedAndTheLineRecovers)
{
    const TickCost quiet = Ticks(QuietTicks, false);
    const long residentBefore = ResidentKilobytes();
    const TickCost flooded = Ticks(FloodTicks, true);
    const long residentAfter = ResidentKilobytes();

    ASSERT_GT(floodBytes, 10LL * LineInputQueueSize) << "the pseudo terminal took too little to flood the line";
    EXPECT_LE(line.largestQueued, LineInputQueueSize);
    EXPECT_LE(line.largestRead, LineInputQueueSize);
    std::printf("flood: %lld bytes in %d ticks; largest queue %d, largest read %d bytes\n", floodBytes, FloodTicks,
                line.largestQueued, line.largestRead);
    std::printf("flood: tick mean %.0f us, max %.0f us (quiet: mean %.0f us, max %.0f us)\n",
                flooded.meanMicroseconds, flooded.maxMicroseconds, quiet.meanMicroseconds, quiet.maxMicroseconds);
    std::printf("flood: resident %ld kB before, %ld kB after\n", residentBefore, residentAfter);

    // Once the flood stops the queue empties (the kernel may still be passing
    // bytes on, so it must stay empty for a while), and the next frame is the unit's.
    int emptyPolls = 0;
    for (int i = 0; i < WaitSteps && emptyPolls < DrainedPolls; ++i) {
        link.Tick();
        emptyPolls = port.QueuedBytes() == 0 ? emptyPolls + 1 : 0;
        ::usleep(WaitStepMs * 1000);
    }
    ASSERT_EQ(emptyPolls, DrainedPolls);
    monitorFrames.clear();
    std::array<std::uint8_t, FrameDataSize> data{};
    data.fill(0x5A);
    const UnitFrame frame = BuildFrame(Command::MonitorReply, data);
    ASSERT_EQ(::write(master, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
    for (int i = 0; i < WaitSteps && monitorFrames.empty(); ++i) {
        ::usleep(WaitStepMs * 1000);
        link.Tick();
    }
    ASSERT_EQ(monitorFrames.size(), 1U);
    EXPECT_EQ(monitorFrames.front(), frame);
}

}  // namespace
}  // namespace torvana
