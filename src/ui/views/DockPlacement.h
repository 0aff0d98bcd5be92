#pragma once
// Where a dock stands between sessions: open or closed, floating or docked
// on which side, and its frame; kept in a settings section of its own.

#include <QRect>
#include <string>

class QDockWidget;
class QMainWindow;

namespace torvana {

class IniFile;

struct DockPlacement {
    bool open = false;
    bool floating = true;
    int area = 0;  // Qt::DockWidgetArea while docked
    QRect frame;   // position and size; empty: as the window lays it out
};

DockPlacement ReadDockPlacement(const IniFile& settings, const std::string& section);
// Empty, or why the file could not be written.
std::string WriteDockPlacement(IniFile& settings, const std::string& section, const DockPlacement& placement);

DockPlacement CurrentPlacement(const QMainWindow& window, QDockWidget& dock);
// A frame that no screen shows any more (a monitor unplugged) is left to
// the window, so the dock never opens out of sight. Opening is the caller's.
void ApplyPlacement(QMainWindow& window, QDockWidget& dock, const DockPlacement& placement);

}  // namespace torvana
