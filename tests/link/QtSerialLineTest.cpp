#include "link/QtSerialLine.h"

#include "link/UnitFrame.h"

#include "QtApplicationSuite.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace torvana {
namespace {

// Bytes cross a pseudo terminal through the kernel's work queue, so the
// tests wait for them, boundedly, instead of expecting them at once.
constexpr int WaitSteps = 200;
constexpr int WaitStepMs = 10;

class QtSerialLineTest : public QtApplicationSuite {
protected:
    void SetUp() override
    {
        int slave = -1;
        char path[256] = {};
        ASSERT_EQ(::openpty(&master, &slave, path, nullptr, nullptr), 0);
        ::close(slave);  // the line under test opens it by name
        slavePath = path;
    }

    void TearDown() override
    {
        line.Close();
        if (master >= 0) {
            ::close(master);
        }
    }

    int WaitForQueued(int wanted)
    {
        int queued = 0;
        for (int i = 0; i < WaitSteps && (queued = line.QueuedBytes()) < wanted; ++i) {
            ::usleep(WaitStepMs * 1000);
        }
        return queued;
    }

    int ReadMaster(std::uint8_t* buffer, int wanted)
    {
        int got = 0;
        for (int i = 0; i < WaitSteps && got < wanted; ++i) {
            pollfd ready{master, POLLIN, 0};
            if (::poll(&ready, 1, WaitStepMs) > 0) {
                const ssize_t n = ::read(master, buffer + got, wanted - got);
                if (n > 0) {
                    got += static_cast<int>(n);
                }
            }
        }
        return got;
    }

    int master = -1;
    std::string slavePath;
    QtSerialLine line;
};


TEST_F(QtSerialLineTest, FramesCrossInBothDirections)
{
    ASSERT_TRUE(line.Open(slavePath)) << line.ErrorText();
    EXPECT_TRUE(line.IsOpen());

    const UnitFrame request = BuildMonitorRequest();
    ASSERT_TRUE(line.WriteAndDrain(request.data(), FrameSize));
    UnitFrame atUnit{};
    ASSERT_EQ(ReadMaster(atUnit.data(), FrameSize), FrameSize);
    EXPECT_EQ(atUnit, request);

    const UnitFrame reply = BuildBlockFrame(ReplyCommand(ReadBackCommand(0)), ParameterImage{}, BlockData::Zeros);
    ASSERT_EQ(::write(master, reply.data(), FrameSize), FrameSize);
    ASSERT_EQ(WaitForQueued(FrameSize), FrameSize);
    UnitFrame received{};
    EXPECT_EQ(line.Read(received.data(), FrameSize), FrameSize);
    EXPECT_EQ(received, reply);
    EXPECT_EQ(line.QueuedBytes(), 0);
}

TEST_F(QtSerialLineTest, PurgeDropsWaitingBytes)
{
    ASSERT_TRUE(line.Open(slavePath)) << line.ErrorText();
    const UnitFrame reply = BuildMonitorRequest();
    ASSERT_EQ(::write(master, reply.data(), FrameSize), FrameSize);
    ASSERT_EQ(WaitForQueued(FrameSize), FrameSize);
    line.Purge();
    EXPECT_EQ(line.QueuedBytes(), 0);
}

TEST_F(QtSerialLineTest, ClosedLineFailsQuietlyAndReopens)
{
    ASSERT_TRUE(line.Open(slavePath)) << line.ErrorText();
    line.Close();
    EXPECT_FALSE(line.IsOpen());
    const UnitFrame request = BuildMonitorRequest();
    EXPECT_FALSE(line.WriteAndDrain(request.data(), FrameSize));
    std::uint8_t byte = 0;
    EXPECT_EQ(line.Read(&byte, 1), 0);
    EXPECT_EQ(line.QueuedBytes(), 0);

    ASSERT_TRUE(line.Open(slavePath)) << line.ErrorText();
    EXPECT_TRUE(line.WriteAndDrain(request.data(), FrameSize));
}

TEST_F(QtSerialLineTest, MissingDeviceIsReported)
{
    EXPECT_FALSE(line.Open("/dev/torvana-no-such-port"));
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(line.ErrorText().empty());
}

TEST_F(QtSerialLineTest, VanishedDeviceClosesTheLine)
{
    ASSERT_TRUE(line.Open(slavePath)) << line.ErrorText();
    ::close(master);
    master = -1;
    for (int i = 0; i < WaitSteps && line.IsOpen(); ++i) {
        line.QueuedBytes();
        ::usleep(WaitStepMs * 1000);
    }
    EXPECT_FALSE(line.IsOpen());
    const UnitFrame request = BuildMonitorRequest();
    EXPECT_FALSE(line.WriteAndDrain(request.data(), FrameSize));
}

// A pseudo-terminal's output queue is always empty, so the driver's queue
// is played by a probe: a send returns only once it reports nothing left,
// and a queue that never empties fails the send after a bound.
TEST_F(QtSerialLineTest, SendWaitsUntilTheDriversQueueIsEmpty)
{
    struct Case {
        std::vector<int> queue;  // successive answers of the probe; the last repeats
        bool sent;
    };
    const std::vector<Case> cases{
        {{0}, true},
        {{102, 60, 20, 1, 0}, true},
        {{-1}, true},
        {{1}, false},
    };
    for (const Case& c : cases) {
        std::size_t asked = 0;
        long long seenHandle = -1;
        QtSerialLine probed([&](long long handle) {
            seenHandle = handle;
            const int answer = c.queue[std::min(asked, c.queue.size() - 1)];
            ++asked;
            return answer;
        });
        ASSERT_TRUE(probed.Open(slavePath)) << probed.ErrorText();
        const UnitFrame request = BuildMonitorRequest();
        EXPECT_EQ(probed.WriteAndDrain(request.data(), FrameSize), c.sent) << c.queue.front();
        EXPECT_GE(asked, c.queue.size()) << c.queue.front();
        EXPECT_GE(seenHandle, 0);
        UnitFrame atUnit{};
        EXPECT_EQ(ReadMaster(atUnit.data(), FrameSize), FrameSize);
    }
}

}  // namespace
}  // namespace torvana
