#include "FakeSerialLine.h"

#include <algorithm>

namespace torvana {

int FakeSerialLine::QueuedBytes()
{
    return open ? static_cast<int>(incoming.size()) : 0;
}

int FakeSerialLine::Read(std::uint8_t* buffer, int max)
{
    readRequests.push_back(max);
    if (!open) {
        return 0;
    }
    const int n = std::min({max, readLimit, static_cast<int>(incoming.size())});
    std::copy_n(incoming.begin(), n, buffer);
    incoming.erase(incoming.begin(), incoming.begin() + n);
    return n;
}

bool FakeSerialLine::WriteAndDrain(const std::uint8_t* data, int n)
{
    if (!open || n != FrameSize) {
        return false;
    }
    UnitFrame frame;
    std::copy_n(data, FrameSize, frame.begin());
    sent.push_back(frame);
    if (responder) {
        responder(frame);
    }
    return true;
}

void FakeSerialLine::QueueFrame(const UnitFrame& frame)
{
    incoming.insert(incoming.end(), frame.begin(), frame.end());
}

void FakeSerialLine::QueueBytes(const std::vector<std::uint8_t>& bytes)
{
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> FakeSerialLine::SentCommands() const
{
    std::vector<std::uint8_t> commands;
    for (const UnitFrame& frame : sent) {
        commands.push_back(frame[FrameCommandIndex]);
    }
    return commands;
}

EchoingUnit::EchoingUnit(FakeSerialLine& line) : line(line)
{
    line.responder = [this](const UnitFrame& request) { Answer(request); };
}

void EchoingUnit::Answer(const UnitFrame& request)
{
    const std::uint8_t command = request[FrameCommandIndex];
    if (!answering || command == Command::MonitorRequest || !FrameIsValid(request)) {
        return;
    }
    const std::size_t start = BlockOffset(static_cast<std::size_t>(BlockOfCommand(command)));
    // The unit keeps its own header whatever block 0 the PC writes.
    if (!IsReadBack(command) && BlockOfCommand(command) != 0) {
        const auto data = FrameData(request);
        std::copy(data.begin(), data.end(), store.begin() + start);
    }
    std::array<std::uint8_t, FrameDataSize> reply;
    std::copy_n(store.begin() + start, FrameDataSize, reply.begin());
    if (alterReply) {
        alterReply(command, reply);
    }
    line.QueueFrame(BuildFrame(ReplyCommand(command), reply));
}

}  // namespace torvana
