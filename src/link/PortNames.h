#pragma once
// Port numbers 1 to 10 of the port menu and the devices they open. The
// settings file may name the device per number in section PORTS, key COMn
// (COM1=/dev/ttyUSB0); without it Linux uses /dev/ttyUSB(n-1), Windows COMn.

#include <string>

namespace torvana {

class IniFile;

constexpr int FirstComPort = 1;
constexpr int LastComPort = 10;
constexpr const char* PortsSection = "PORTS";

constexpr bool IsComPortNumber(int n) { return n >= FirstComPort && n <= LastComPort; }

// "COM1" to "COM10": the key in section PORTS and the Windows device name.
std::string ComPortKey(int comPortNumber);

// The device to open for the port number; empty for a number outside 1..10.
// settings may be null.
std::string ComPortDevice(int comPortNumber, const IniFile* settings);

}  // namespace torvana
