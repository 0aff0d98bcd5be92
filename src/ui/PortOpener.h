#pragma once
// Opens the serial line behind a port-menu number; tests put a simulated
// unit there instead.

#include "link/SerialLine.h"

#include <memory>
#include <string>

namespace torvana {

class IniFile;

class PortOpener {
public:
    virtual ~PortOpener() = default;
    // The open line, or null with the reason in error.
    virtual std::unique_ptr<SerialLine> Open(int comPortNumber, std::string& error) = 0;
};

// The device that section PORTS of the settings file names for the number.
class SerialPortOpener : public PortOpener {
public:
    explicit SerialPortOpener(const IniFile& settings) : settings(settings) {}
    std::unique_ptr<SerialLine> Open(int comPortNumber, std::string& error) override;

private:
    const IniFile& settings;
};

}  // namespace torvana
