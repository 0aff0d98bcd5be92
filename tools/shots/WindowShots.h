#pragma once
// Pictures of the windows beside the pages for the manual: the heat map, the
// table plot, the Compare and restore-point windows, the log window and the
// About window, each opened through its menu item as a user opens it.

#include "ui/output/PageShots.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace torvana {

class TFormHlav;

// Runs after each step that needs the unit to answer or the window to paint.
using Settle = std::function<void()>;

struct WindowShots {
    std::vector<PageShot> shots;
    QStringList missing;  // menu items or windows that were not there
};

// The window must have a running engine, and its file dialogs must hand out one file name for saving and opening: the
// set is saved, changed, compared with that file and opened again, which
// leaves it as it was and keeps the changed one as a restore point. The
// first curve page is brought to the front.
WindowShots ShootWindows(TFormHlav& window, const Settle& settle);

}  // namespace torvana
