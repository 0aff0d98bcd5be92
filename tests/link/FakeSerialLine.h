#pragma once
// A serial line in memory: records every frame written and hands out bytes
// the test (or a responder standing in for the unit) has queued.

#include "link/SerialLine.h"
#include "link/UnitFrame.h"

#include <deque>
#include <functional>
#include <vector>

namespace torvana {

class FakeSerialLine final : public SerialLine {
public:
    int QueuedBytes() override;
    int Read(std::uint8_t* buffer, int max) override;
    bool WriteAndDrain(const std::uint8_t* data, int n) override;
    void Purge() override { incoming.clear(); }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }

    void QueueFrame(const UnitFrame& frame);
    void QueueBytes(const std::vector<std::uint8_t>& bytes);
    int Pending() const { return static_cast<int>(incoming.size()); }

    // Commands of the frames written so far, in order.
    std::vector<std::uint8_t> SentCommands() const;

    // Called with each frame written while the line is open.
    std::function<void(const UnitFrame&)> responder;
    std::vector<UnitFrame> sent;
    std::vector<int> readRequests;  // the max of every Read call
    int readLimit = FrameSize * 1000;  // most bytes one Read hands out
    bool open = true;

private:
    std::deque<std::uint8_t> incoming;
};

// Stands in for the unit: stores written blocks 1 to 19, answers every
// block command with its stored block and ignores monitor requests.
class EchoingUnit {
public:
    explicit EchoingUnit(FakeSerialLine& line);

    ParameterImage store{};
    bool answering = true;
    // Applied to the data of every reply before it is sent.
    std::function<void(std::uint8_t command, std::array<std::uint8_t, FrameDataSize>& data)> alterReply;

private:
    void Answer(const UnitFrame& request);

    FakeSerialLine& line;
};

}  // namespace torvana
