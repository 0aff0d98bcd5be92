#pragma once
// The serial line on a real port: 57600 baud, 8 data bits, no parity, one
// stop bit, no flow control, opened exclusively.

#include "link/SerialLine.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

class QSerialPort;

namespace torvana {

constexpr int LineBaudRate = 57600;
constexpr int LineInputQueueSize = 10000;

// Bytes the driver still holds for the transmitter of the port with this
// handle; negative when the system cannot say.
using OutputQueueProbe = std::function<int(long long handle)>;

// Linux: the kernel's output queue (TIOCOUTQ); elsewhere the port's own
// flush already waits for the line, so it reports nothing queued.
int KernelOutputQueue(long long handle);

class QtSerialLine final : public SerialLine {
public:
    explicit QtSerialLine(OutputQueueProbe outputQueue = KernelOutputQueue);
    ~QtSerialLine() override;
    QtSerialLine(const QtSerialLine&) = delete;
    QtSerialLine& operator=(const QtSerialLine&) = delete;

    // Closes any open port first. On failure the line stays closed and
    // ErrorText says why.
    bool Open(const std::string& deviceName);
    const std::string& ErrorText() const { return errorText; }
    // The last Open failed because the user may not use the device.
    bool PermissionDenied() const { return permissionDenied; }

    int QueuedBytes() override;
    int Read(std::uint8_t* buffer, int max) override;
    bool WriteAndDrain(const std::uint8_t* data, int n) override;
    void Purge() override;
    void Close() override;
    bool IsOpen() const override;

private:
    // A device that vanished (USB pulled) is closed here, never used again.
    bool CloseIfLost();
    // Until the driver has put every byte on the line, or the deadline.
    bool WaitForDriverQueue(std::chrono::steady_clock::time_point deadline);

    std::unique_ptr<QSerialPort> port;
    OutputQueueProbe outputQueue;
    std::string errorText;
    bool permissionDenied = false;
};

}  // namespace torvana
