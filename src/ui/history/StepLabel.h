#pragma once
// The name of a step in the Edit menu and of a restore point's cause, in the
// window's language: "Ign 1 row 20 %, 7000 rpm", "Read from the unit",
// "Open tune.ign".

#include "history/HistoryStep.h"

#include <QString>

namespace torvana {

QString CauseText(StepCause cause, int languageIndex);
QString StepLabel(const HistoryStep& step, int languageIndex);
// "Undo: <label>" or "Redo: <label>" without the menu's accelerator mark.
QString UndoRedoCaption(bool undo, const HistoryStep* step, int languageIndex);

}  // namespace torvana
