#pragma once
// What stands behind each port number 1 to 10: the device it opens, whether
// that device exists now, and what the system says about the adapter.

#include <string>
#include <vector>

namespace torvana {

class IniFile;
struct PortTexts;

struct ComPortPresence {
    int number = 0;
    std::string device;
    bool present = false;
    std::string description;   // empty when the system gives none
    std::string serialNumber;  // empty when the system gives none
};

// One entry per number 1 to 10, in order. settings may be null.
std::vector<ComPortPresence> ListComPorts(const IniFile* settings);

// "/dev/ttyUSB0: present (description, serial number ...)" as far as the
// system gives them, in the texts' language.
std::string DescribeComPort(const ComPortPresence& port, const PortTexts& texts);

}  // namespace torvana
