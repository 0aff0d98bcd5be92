#pragma once
// Texts of the port watch beyond the window's design: the reason the unit
// is not heard, a port that came back, and what the port menu finds behind
// each number. %1, %2 ... stand for what FillIn puts in. All UTF-8.

#include <string>

namespace torvana {

struct PortTexts {
    std::string portGone;       // the port's device went away
    std::string noAnswer;       // the port is open, nothing comes back
    std::string badAnswers;     // replies arrive but fail their check
    std::string reconnected;    // %1 the port number, %2 the device
    std::string devicePresent;  // %1 the device
    std::string deviceMissing;  // %1 the device
    std::string serialNumber;   // %1 the adapter's serial number
};

// For the language (0 English, 1 German, 2 French, 3 Czech; anything else
// counts as English).
PortTexts PortTextsFor(int languageIndex);

}  // namespace torvana
