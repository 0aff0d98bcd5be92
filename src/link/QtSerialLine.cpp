#include "link/QtSerialLine.h"

#include <QSerialPort>

#include <thread>

#ifdef __linux__
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace torvana {

namespace {
// A frame takes about 18 ms on the line; anything near a second means the
// device is gone or stuck.
constexpr int DrainTimeoutMs = 1000;
// About a tenth of a frame's time on the line.
constexpr int DrainPollMs = 2;
}  // namespace

int KernelOutputQueue(long long handle)
{
#ifdef __linux__
    int queued = 0;
    return ::ioctl(static_cast<int>(handle), TIOCOUTQ, &queued) == 0 ? queued : -1;
#else
    static_cast<void>(handle);
    return 0;
#endif
}

QtSerialLine::QtSerialLine(OutputQueueProbe outputQueue)
    : port(std::make_unique<QSerialPort>()), outputQueue(std::move(outputQueue))
{
}

QtSerialLine::~QtSerialLine()
{
    Close();
}

bool QtSerialLine::Open(const std::string& deviceName)
{
    Close();
    errorText.clear();
    permissionDenied = false;
    port->setPortName(QString::fromStdString(deviceName));
    port->setReadBufferSize(LineInputQueueSize);
    // Unix: QSerialPort holds a lock file and TIOCEXCL, so the port is ours alone.
    const bool configured = port->open(QIODevice::ReadWrite) && port->setBaudRate(LineBaudRate)
                            && port->setDataBits(QSerialPort::Data8) && port->setParity(QSerialPort::NoParity)
                            && port->setStopBits(QSerialPort::OneStop)
                            && port->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        errorText = port->errorString().toStdString();
        permissionDenied = port->error() == QSerialPort::PermissionError;
        Close();
        return false;
    }
    port->clear(QSerialPort::AllDirections);
    port->clearError();
    return true;
}

int QtSerialLine::QueuedBytes()
{
    if (!IsOpen()) {
        return 0;
    }
    // Without a running event loop nothing moves bytes from the driver into
    // the port's buffer, so pull whatever is there now, without waiting.
    while (port->bytesAvailable() < LineInputQueueSize && port->waitForReadyRead(0)) {
    }
    if (CloseIfLost()) {
        return 0;
    }
    port->clearError();
    return static_cast<int>(port->bytesAvailable());
}

int QtSerialLine::Read(std::uint8_t* buffer, int max)
{
    if (!IsOpen() || max <= 0) {
        return 0;
    }
    const qint64 got = port->read(reinterpret_cast<char*>(buffer), max);
    if (got < 0) {
        CloseIfLost();
        return 0;
    }
    return static_cast<int>(got);
}

bool QtSerialLine::WriteAndDrain(const std::uint8_t* data, int n)
{
    if (!IsOpen()) {
        return false;
    }
    if (port->write(reinterpret_cast<const char*>(data), n) != n) {
        CloseIfLost();
        return false;
    }
    // First the port's own buffer into the driver, then the driver's queue
    // onto the line, both within one bound.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(DrainTimeoutMs);
    port->flush();
    while (port->bytesToWrite() > 0) {
        if (!port->waitForBytesWritten(DrainTimeoutMs)) {
            CloseIfLost();
            return false;
        }
    }
    if (CloseIfLost()) {
        return false;
    }
    return WaitForDriverQueue(deadline);
}

bool QtSerialLine::WaitForDriverQueue(std::chrono::steady_clock::time_point deadline)
{
    const long long handle = static_cast<long long>(port->handle());
    for (;;) {
        const int queued = outputQueue(handle);
        if (queued <= 0) {
            return true;  // empty, or a driver that cannot say
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            errorText = "the transmit queue did not empty";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(DrainPollMs));
    }
}

void QtSerialLine::Purge()
{
    if (IsOpen()) {
        port->clear(QSerialPort::Input);
    }
}

void QtSerialLine::Close()
{
    if (port->isOpen()) {
        port->clear(QSerialPort::Input);
        port->close();
    }
}

bool QtSerialLine::IsOpen() const
{
    return port->isOpen();
}

bool QtSerialLine::CloseIfLost()
{
    // Pulled USB adapters report an I/O error; a hung-up line reads end of
    // file, which the port reports as a read error. Either way it is gone.
    const QSerialPort::SerialPortError error = port->error();
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError
        && error != QSerialPort::WriteError) {
        return false;
    }
    errorText = port->errorString().toStdString();
    port->close();
    return true;
}

}  // namespace torvana
