#pragma once
// The scatter view's channels between runs: a section of the settings file
// of its own, the channels kept by their CSV column names so that a channel
// added later shifts none of them.

#include "log/LogRow.h"
#include "settings/IniFile.h"

#include <optional>
#include <string>

namespace torvana {

struct ScatterChoice {
    LogChannel x = LogChannel::Rpm;
    LogChannel y = LogChannel::LambdaMillivolts;
    std::optional<LogChannel> colour = LogChannel::TpsPercent;  // none: one colour

    bool operator==(const ScatterChoice&) const = default;
};

// A missing key, or one that names no channel, keeps the first start's
// channel; an empty colour is one colour.
ScatterChoice LoadScatterChoice(const IniFile& settings);
// Empty, or the message to show.
std::string SaveScatterChoice(IniFile& settings, const ScatterChoice& choice);

}  // namespace torvana
