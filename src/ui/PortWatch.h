#pragma once
// Watches the window's serial line: a device that goes away (a USB adapter
// pulled) ends what ran on it, and once the same port number opens again
// the line is back without the user choosing the port again.

#include <memory>
#include <optional>
#include <string>

namespace torvana {

class PortOpener;
class SerialLine;
class UnitLink;

// Ticks between two tries to open a lost port: about a quarter second.
constexpr int ReopenTicks = 5;

class PortWatch {
public:
    PortWatch(PortOpener& ports, UnitLink& link) : ports(ports), link(link) {}

    // Once per tick, before the link's tick. Replaces line with the port
    // opened again and returns its device when it came back this tick.
    std::optional<std::string> Tick(std::unique_ptr<SerialLine>& line, int comPortNumber);

    // The user chose a port: a lost one is not waited for any more.
    void Forget();
    bool Lost() const { return lost; }

private:
    PortOpener& ports;
    UnitLink& link;
    bool lost = false;
    int ticksToTry = 0;
};

}  // namespace torvana
