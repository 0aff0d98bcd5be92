#include "ui/PortOpener.h"

#include "link/PortNames.h"
#include "link/QtSerialLine.h"

namespace torvana {

std::unique_ptr<SerialLine> SerialPortOpener::Open(int comPortNumber, std::string& error)
{
    auto line = std::make_unique<QtSerialLine>();
    if (!line->Open(ComPortDevice(comPortNumber, &settings))) {
        error = line->ErrorText();
        return nullptr;
    }
    return line;
}

}  // namespace torvana
