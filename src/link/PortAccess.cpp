#include "link/PortAccess.h"

#include "texts/MessageTable.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#endif

namespace torvana {

namespace {

void ReplaceAll(std::string& text, const std::string& marker, const std::string& value)
{
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + value.size()))
        text.replace(at, marker.size(), value);
}

}  // namespace

std::string DeviceGroup(const std::string& device)
{
#ifdef _WIN32
    (void)device;
    return {};
#else
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return {};
    const group* owner = ::getgrgid(info.st_gid);
    return owner != nullptr ? std::string(owner->gr_name) : std::string();
#endif
}

std::string PortOpenReason(const MessageTable& messages, const std::string& systemReason, bool permissionDenied,
                           const std::string& device)
{
    std::string reason = device + ": " + systemReason;
    const std::string group = permissionDenied ? DeviceGroup(device) : std::string();
    if (!group.empty()) {
        std::string advice = messages.TextComPermission;
        ReplaceAll(advice, "%1", device);
        ReplaceAll(advice, "%2", group);
        reason += "\n" + advice;
    }
    return reason;
}

}  // namespace torvana
