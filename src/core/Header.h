#pragma once
#include "core/ImageLayout.h"

#include <string>

namespace torvana {

// The three texts the version labels show, built from block 0.
struct HeaderTexts {
    std::string versionText;  // at most 30 characters
    std::string dateText;     // "dd.mm.20yy", blanks for leading zeros of day and month
    std::string timeText;     // "hh:mm"
};

HeaderTexts DecodeHeader(const ParameterImage& image);

// Month code of the unit's header (low byte of the sum of the abbreviation's
// character codes) for month 1..12; 0 for anything else.
unsigned char MonthCode(int month);

}  // namespace torvana
