#pragma once
// One undoable change: the state before and after it and what caused it.

#include "history/EditorState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {

// Stored by number in the history and restore-point files: append only.
enum class StepCause : std::uint8_t {
    Edit,           // a value typed, stepped or ticked on a page
    Tool,           // a tool button or the Tools menu
    Mode,           // the Ign or Jet coupling menu
    New,            // the factory set (File New)
    Variant,        // the factory set of another engine variant
    Open,           // a parameter file opened
    Read,           // the unit's set read
    ProgramRefill,  // the unit's header taken in during Program
    Restore,        // a restore point taken back
    Compare,        // differences taken from a compared set
    Undo,           // restore points only: the set before an undo past a load
    Program,        // restore points only: the set before a Program
};

constexpr int StepCauseCount = static_cast<int>(StepCause::Program) + 1;

// The cause's fixed name in files and on the command line.
std::string_view CauseName(StepCause cause);
std::optional<StepCause> CauseNamed(std::string_view name);

// Causes whose step replaced the set as a whole: undoing one keeps a
// restore point first.
bool ReplacesWholeSet(StepCause cause);

struct HistoryStep {
    EditorState before;
    EditorState after;
    StepCause cause = StepCause::Edit;
    std::string detail;   // a file name, when the cause has one
    std::string control;  // object name of the control: steps on one control in a burst merge
    std::int64_t timeMs = 0;
};

}  // namespace torvana
