#pragma once
// The byte line to the unit, as the link logic sees it. Implemented on a real
// serial port and by stand-ins that connect a simulated unit without one.
// Every call is synchronous and fails quietly when the line is not open.

#include <cstdint>

namespace torvana {

class SerialLine {
public:
    virtual ~SerialLine() = default;

    // Bytes received and waiting to be read; also clears any line-error state.
    virtual int QueuedBytes() = 0;

    // Reads up to max already-queued bytes without waiting; returns how many.
    virtual int Read(std::uint8_t* buffer, int max) = 0;

    // Writes n bytes and returns only after they have left the transmitter.
    // False when nothing or not all could be sent.
    virtual bool WriteAndDrain(const std::uint8_t* data, int n) = 0;

    // Drops whatever is waiting to be read.
    virtual void Purge() = 0;

    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
};

}  // namespace torvana
