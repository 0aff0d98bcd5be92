#include "SimulatedLine.h"

#include <algorithm>
#include <span>

namespace torvana {

SimulatedLine::SimulatedLine(UnitSimulator& unit) : unit(unit) {}

void SimulatedLine::AdvanceMilliseconds(std::uint64_t milliseconds)
{
    unit.AdvanceMilliseconds(milliseconds);
}

void SimulatedLine::Collect()
{
    const std::vector<std::uint8_t> bytes = unit.TakeOutput();
    if (open)
        received.insert(received.end(), bytes.begin(), bytes.end());
}

int SimulatedLine::QueuedBytes()
{
    Collect();
    return static_cast<int>(received.size());
}

int SimulatedLine::Read(std::uint8_t* buffer, int max)
{
    Collect();
    const int count = std::min(max, static_cast<int>(received.size()));
    std::copy_n(received.begin(), count, buffer);
    received.erase(received.begin(), received.begin() + count);
    return count;
}

bool SimulatedLine::WriteAndDrain(const std::uint8_t* data, int n)
{
    if (!open || n <= 0)
        return false;
    unit.Receive(std::span<const std::uint8_t>(data, static_cast<std::size_t>(n)));
    if (n == FrameSize)
        ++framesWritten;
    return true;
}

void SimulatedLine::Purge()
{
    Collect();
    received.clear();
}

void SimulatedLine::Close()
{
    open = false;
    received.clear();
}

}  // namespace torvana
