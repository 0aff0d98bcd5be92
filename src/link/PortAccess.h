#pragma once
// Why a serial device could not be opened, in words a tuner can act on.

#include <string>

namespace torvana {

struct MessageTable;

// The name of the group that owns the device (after following links);
// empty when the system does not say.
std::string DeviceGroup(const std::string& device);

// The system's reason, and for a permission error what to do about it.
std::string PortOpenReason(const MessageTable& messages, const std::string& systemReason, bool permissionDenied,
                           const std::string& device);

}  // namespace torvana
