#include "ui/PortWatch.h"

#include "link/SerialLine.h"
#include "link/UnitLink.h"
#include "ui/PortOpener.h"

namespace torvana {

std::optional<std::string> PortWatch::Tick(std::unique_ptr<SerialLine>& line, int comPortNumber)
{
    if (!lost) {
        if (line == nullptr || line->IsOpen()) {
            return std::nullopt;
        }
        lost = true;
        ticksToTry = 0;
        link.LineLost();
    }
    // Never under a running transfer or store: they end on the line they began on.
    if (link.Mode() != TransferIdle || link.Storing() || --ticksToTry > 0) {
        return std::nullopt;
    }
    ticksToTry = ReopenTicks;
    std::string error;  // a port that is still gone says nothing; the label's hint tells why
    std::unique_ptr<SerialLine> again = ports.Open(comPortNumber, error);
    if (again == nullptr) {
        return std::nullopt;
    }
    link.SetLine(again.get());
    line = std::move(again);
    lost = false;
    return ports.Device(comPortNumber);
}

void PortWatch::Forget()
{
    lost = false;
}

}  // namespace torvana
