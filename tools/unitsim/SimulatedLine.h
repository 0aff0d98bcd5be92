#pragma once
// A serial line with a simulated unit on the far end and a simulated clock:
// written frames reach the unit at once, its replies are queued for reading,
// and time moves only when the owner advances it, so a transfer can be run
// tick by tick without waiting.

#include "UnitSimulator.h"
#include "link/SerialLine.h"

#include <cstdint>
#include <deque>

namespace torvana {

constexpr int TickMilliseconds = 55;

class SimulatedLine final : public SerialLine {
public:
    // The unit is referenced, not owned.
    explicit SimulatedLine(UnitSimulator& unit);

    // Moves the clock of the line and of the unit.
    void AdvanceMilliseconds(std::uint64_t milliseconds);
    void AdvanceTick() { AdvanceMilliseconds(TickMilliseconds); }

    // Frames written since the line was made (whole writes of 102 bytes).
    int FramesWritten() const { return framesWritten; }

    int QueuedBytes() override;
    int Read(std::uint8_t* buffer, int max) override;
    bool WriteAndDrain(const std::uint8_t* data, int n) override;
    void Purge() override;
    void Close() override;
    bool IsOpen() const override { return open; }

private:
    void Collect();

    UnitSimulator& unit;
    std::deque<std::uint8_t> received;
    int framesWritten = 0;
    bool open = true;
};

}  // namespace torvana
