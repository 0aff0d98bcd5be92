#include "link/PortNames.h"

#include "settings/IniFile.h"

namespace torvana {

namespace {
constexpr const char* ComPrefix = "COM";
#ifndef _WIN32
constexpr const char* UsbSerialPrefix = "/dev/ttyUSB";
#endif
}  // namespace

std::string ComPortKey(int comPortNumber)
{
    return ComPrefix + std::to_string(comPortNumber);
}

std::string ComPortDevice(int comPortNumber, const IniFile* settings)
{
    if (!IsComPortNumber(comPortNumber)) {
        return {};
    }
    const std::string key = ComPortKey(comPortNumber);
#ifdef _WIN32
    const std::string fallback = key;
#else
    const std::string fallback = UsbSerialPrefix + std::to_string(comPortNumber - FirstComPort);
#endif
    if (settings == nullptr) {
        return fallback;
    }
    const std::string named = settings->ReadString(PortsSection, key, {});
    return named.empty() ? fallback : named;
}

}  // namespace torvana
