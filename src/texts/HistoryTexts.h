#pragma once
// Texts of the edit history: the Edit menu, the names of steps, the restore
// point and Compare windows. UTF-8, four languages each.

#include "texts/LanguageTexts.h"

#include <string>
#include <vector>

namespace torvana {

// Captions of the Edit menu's fixed items and of the two windows' controls,
// applied by object name like every caption.
std::vector<LocalisedText> HistoryCaptionTexts();

enum class HistoryText {
    Undo,
    Redo,
    Row,
    Parameters,
    AllMarks,
    CauseEdit,
    CauseTool,
    CauseMode,
    CauseNew,
    CauseVariant,
    CauseOpen,
    CauseRead,
    CauseProgramRefill,
    CauseRestore,
    CauseCompare,
    CauseUndo,
    CauseProgram,
    RestorePointError,
    AllCauses,
    Pinned,
    ColumnTime,
    ColumnCause,
    ColumnName,
    ColumnParameter,
    ColumnEditor,
    ColumnOther,
    CompareEqual,
    CompareCount,
    UnitReadFailed,
    UnitName,
    CompareUnitWaits,
    TransferRunning,
    HistoryUnreadable,   // %1 the history file, %2 why
    HistoryKeptAs,       // %1 where the damaged file now is
    HistoryNotSetAside,  // %1 the system's reason
    RestorePointUnreadable,
    RestorePointNotPinned,
    Count,
};

// The text for a language (outside 0 to 3: English).
const std::string& HistoryTextFor(HistoryText text, int languageIndex);

}  // namespace torvana
