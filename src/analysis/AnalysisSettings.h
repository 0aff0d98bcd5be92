#pragma once
// The lambda analysis's own section of the settings file. Every value is
// checked against its range; a value outside it keeps the default and is
// named in the problems, so that the window can say so.

#include "analysis/AnalysisOptions.h"

#include <string>
#include <string_view>
#include <vector>

namespace torvana {

class IniFile;

constexpr std::string_view AnalysisSettingsSection = "LAMBDA_ANALYSIS";

struct AnalysisSettingsRead {
    AnalysisOptions options;
    std::vector<std::string> problems;  // "KEY=value is outside a..b"
};

AnalysisSettingsRead ReadAnalysisSettings(const IniFile& settings);
// Empty, or why the file could not be written.
std::string WriteAnalysisSettings(IniFile& settings, const AnalysisOptions& options);

}  // namespace torvana
