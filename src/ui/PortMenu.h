#pragma once
// The port menu's view of the devices and the connection label's reason:
// beside the designed captions and hints, never instead of them.

#include "link/UnitLink.h"
#include "ui/WindowDesign.h"

#include <QString>

namespace torvana {

struct ComPortPresence;

// Marks the items whose device exists now and adds, to the status-bar hint
// of those, the device and what the system says about the adapter. Items
// without a device keep the designed hint alone.
void MarkComMenu(const std::array<QAction*, ComMenuItems>& items, const std::vector<ComPortPresence>& ports,
                 int languageIndex);

// Why the unit is not heard, for the connection label's hint.
QString SilenceHint(SilenceReason reason, int languageIndex);

}  // namespace torvana
