#pragma once
// Opens the serial line behind a port-menu number; tests put a simulated
// unit there instead.

#include "link/SerialLine.h"

#include <memory>
#include <string>

namespace torvana {

class IniFile;
struct MessageTable;

class PortOpener {
public:
    virtual ~PortOpener() = default;
    // The open line, or null with the reason in error.
    virtual std::unique_ptr<SerialLine> Open(int comPortNumber, std::string& error) = 0;
    // The device behind the number, as the user knows it.
    virtual std::string Device(int comPortNumber) const;
};

// The device that section PORTS of the settings file names for the number.
// A failure names the device, the system's reason and, when the user may
// not use it, what to do, in the messages' current language.
class SerialPortOpener : public PortOpener {
public:
    SerialPortOpener(const IniFile& settings, const MessageTable& messages) : settings(settings), messages(messages) {}
    std::unique_ptr<SerialLine> Open(int comPortNumber, std::string& error) override;
    std::string Device(int comPortNumber) const override;

private:
    const IniFile& settings;
    const MessageTable& messages;
};

}  // namespace torvana
