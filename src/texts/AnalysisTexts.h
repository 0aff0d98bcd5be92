#pragma once
// Texts of the lambda analysis: its menu, window, rejection reasons and
// messages. UTF-8, four languages each.

#include "texts/LanguageTexts.h"

#include <string>
#include <vector>

namespace torvana {

// Captions of the Lambda menu and the analysis window's controls, applied
// by object name.
std::vector<LocalisedText> AnalysisCaptionTexts();

enum class AnalysisText {
    WindowTitle,
    SuggestionTab,
    TargetTab,
    // The rejection reasons, in the analysis's order.
    RejectEngineSpeed,
    RejectThrottle,
    RejectCoolant,
    RejectThrottleChange,
    RejectAfterStart,
    RejectLimiter,
    RejectOverrun,
    RejectSensorRail,
    RejectNoLaterReading,
    RejectNarrowBandTarget,
    Accepted,        // %1 samples
    CellNoTable,
    CellNoSamples,
    CellTooFew,      // %1 whole samples
    CellSuggested,   // %1 percent, %2 whole samples, %3 confidence percent
    CellLimited,     // appended when the authority limits the change
    Applied,         // %1 cells
    NothingToApply,
    NotInjectionPage,
    LogRefused,      // %1 file, %2 why
    LogAnalysed,     // %1 rows, %2 file
    DelayFound,      // %1 ms, %2 correlation
    DelayNotFound,
    TargetRefused,   // %1 file, %2 why
    TargetSaved,     // %1 file
    TargetValueRefused,  // %1 what was typed
    TargetNotSaved,  // %1 file, %2 why
    SettingsProblem, // %1 what
    LogDialogTitle,
    Count,
};

// The text for a language (outside 0 to 3: English).
const std::string& AnalysisTextFor(AnalysisText text, int languageIndex);

}  // namespace torvana
