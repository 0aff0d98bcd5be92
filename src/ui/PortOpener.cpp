#include "ui/PortOpener.h"

#include "link/PortAccess.h"
#include "link/PortNames.h"
#include "link/QtSerialLine.h"

namespace torvana {

std::string PortOpener::Device(int comPortNumber) const
{
    return ComPortKey(comPortNumber);
}

std::string SerialPortOpener::Device(int comPortNumber) const
{
    return ComPortDevice(comPortNumber, &settings);
}

std::unique_ptr<SerialLine> SerialPortOpener::Open(int comPortNumber, std::string& error)
{
    auto line = std::make_unique<QtSerialLine>();
    const std::string device = ComPortDevice(comPortNumber, &settings);
    if (!line->Open(device)) {
        error = PortOpenReason(messages, line->ErrorText(), line->PermissionDenied(), device);
        return nullptr;
    }
    return line;
}

}  // namespace torvana
