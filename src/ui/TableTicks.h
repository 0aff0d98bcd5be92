#pragma once
// The "All" boxes of the position and servo tables, found by name below the
// window: the tools step whole tables by them and the settings keep them.

#include "ui/tools/MinusPlusTool.h"

class QWidget;

namespace torvana {

TableAllTicks ReadTableTicks(const QWidget& window);
// Boxes the window lacks are left out.
void SetTableTicks(const QWidget& window, const TableAllTicks& ticks);

}  // namespace torvana
