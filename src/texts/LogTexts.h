#pragma once
// Texts of the datalog: the Log menu, its messages and the log window.
// UTF-8, four languages each.

#include "texts/LanguageTexts.h"

#include <string>
#include <vector>

namespace torvana {

// Captions of the Log menu's items and of the log window's controls,
// applied by object name like every caption.
std::vector<LocalisedText> LogCaptionTexts();

enum class LogText {
    Recording,
    Started,
    Stopped,
    NoSpace,
    WriteFailed,
    NotRecording,
    MarkerTitle,
    MarkerPrompt,
    MarkerSet,
    OpenFailed,
    RowsLeftOut,
    ColumnChannel,
    ColumnValue,
    ColumnTime,
    LogFiles,
    ShowingLog,
    PlaybackPaused,
    ViewOverTime,
    ViewScatter,
    ScatterOneColour,
    Count,
};

// The text for a language (outside 0 to 3: English).
const std::string& LogTextFor(LogText text, int languageIndex);

}  // namespace torvana
