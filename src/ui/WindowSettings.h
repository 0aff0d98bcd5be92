#pragma once
// What the settings file keeps of the main window: its place and size, the
// port, the language, the file names, the page shown, the extended monitor
// and the "All" ticks of the tables.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QMainWindow;

namespace torvana {

class EditorPages;
class IniFile;
class MonitorArea;
struct WindowControls;

// The window's parts the settings read and write.
struct WindowSettingsParts {
    QMainWindow& window;
    const WindowControls& controls;
    const EditorPages& pages;
    const MonitorArea& monitor;
    std::uint8_t& comPortNumber;
    std::uint8_t& languageIndex;
    QString& lastFileName;
};

// Keys missing from the file keep what the window shows now; a stored size
// larger than the screens gives the designed size, and a stored place where
// no screen shows the window keeps the place start-up gave it.
void LoadWindowSettings(const IniFile& settings, const WindowSettingsParts& parts);
// The error text when the file could not be written.
std::optional<std::string> SaveWindowSettings(IniFile& settings, const WindowSettingsParts& parts);

}  // namespace torvana
