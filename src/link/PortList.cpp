#include "link/PortList.h"

#include "link/PortNames.h"
#include "texts/MessageTable.h"
#include "texts/PortTexts.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace torvana {

namespace {

// The system's record of the device: matched by its name (Windows COMn)
// or by the file a link such as /dev/serial/by-id/... leads to.
const QSerialPortInfo* FindInfo(const QList<QSerialPortInfo>& known, const QString& device, const QString& target)
{
    for (const QSerialPortInfo& info : known) {
        if (info.portName() == device || info.systemLocation() == device
            || (!target.isEmpty() && info.systemLocation() == target)) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<ComPortPresence> ListComPorts(const IniFile* settings)
{
    const QList<QSerialPortInfo> known = QSerialPortInfo::availablePorts();
    std::vector<ComPortPresence> ports;
    for (int number = FirstComPort; number <= LastComPort; ++number) {
        ComPortPresence port;
        port.number = number;
        port.device = ComPortDevice(number, settings);
        const QString device = QString::fromStdString(port.device);
        const QString target = QFileInfo(device).canonicalFilePath();
        const QSerialPortInfo* info = FindInfo(known, device, target);
        port.present = info != nullptr || !target.isEmpty();
        if (info != nullptr) {
            port.description = info->description().toStdString();
            port.serialNumber = info->serialNumber().toStdString();
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

std::string DescribeComPort(const ComPortPresence& port, const PortTexts& texts)
{
    if (!port.present) {
        return FillIn(texts.deviceMissing, {port.device});
    }
    std::string details = port.description;
    if (!port.serialNumber.empty()) {
        details += (details.empty() ? "" : ", ") + FillIn(texts.serialNumber, {port.serialNumber});
    }
    const std::string present = FillIn(texts.devicePresent, {port.device});
    return details.empty() ? present : present + " (" + details + ")";
}

}  // namespace torvana
