#include "ui/WindowSettings.h"

#include "settings/SettingsStore.h"
#include "ui/MonitorArea.h"
#include "ui/TableTicks.h"
#include "ui/WindowDesign.h"
#include "ui/pages/EditorPages.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>
#include <cstdint>

namespace torvana {

namespace {

StoredSettings Current(const WindowSettingsParts& p)
{
    StoredSettings s;
    s.left = p.window.x();
    s.top = p.window.y();
    s.height = p.window.height();
    s.width = p.window.width();
    s.comPortNumber = p.comPortNumber;
    s.languageIndex = p.languageIndex;
    s.activePageIndex = static_cast<std::uint8_t>(p.pages.ActivePageIndex());
    s.extMonitor = p.monitor.ExtMonitor()->isChecked();
    const TableAllTicks ticks = ReadTableTicks(p.window);
    s.allServo = ticks.servo;
    s.allPolohaA = ticks.polohaA;
    s.allPolohaB = ticks.polohaB;
    return s;
}

// The screens together; empty when there is no screen to measure.
QRect Desktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualGeometry() : QRect();
}

// A hand-edited or damaged file must not make the window larger than all
// the screens or put it where no screen shows any of it: such a size gives
// the designed one and such a place keeps the one start-up gave. The sums
// are wide so that values near the ends of int cannot overflow.
void KeepOnTheDesktop(StoredSettings& s, const StoredSettings& startUp)
{
    const QRect desktop = Desktop();
    if (desktop.isEmpty())
        return;
    const int widest = std::max(desktop.width(), StoredSettings::DesignedWidth);
    const int highest = std::max(desktop.height(), StoredSettings::DesignedHeight);
    const bool sizeFits = s.width > 0 && s.height > 0 && s.width <= widest && s.height <= highest;
    if (!sizeFits) {
        s.width = StoredSettings::DesignedWidth;
        s.height = StoredSettings::DesignedHeight;
    }
    const auto overlaps = [](std::int64_t start, std::int64_t length, std::int64_t areaStart,
                             std::int64_t areaLength) {
        return start < areaStart + areaLength && start + length > areaStart;
    };
    if (!overlaps(s.left, s.width, desktop.x(), desktop.width()) ||
        !overlaps(s.top, s.height, desktop.y(), desktop.height())) {
        s.left = startUp.left;
        s.top = startUp.top;
    }
}

}  // namespace

void LoadWindowSettings(const IniFile& settings, const WindowSettingsParts& p)
{
    const StoredSettings startUp = Current(p);
    StoredSettings s = startUp;
    LoadSettings(settings, s);
    KeepOnTheDesktop(s, startUp);

    p.window.move(s.left, s.top);
    p.window.resize(s.width, s.height);
    p.comPortNumber = s.comPortNumber;
    p.languageIndex = s.languageIndex;
    p.controls.labelFile2->setText(QString::fromStdString(s.file));
    p.lastFileName = QString::fromStdString(s.lastFileName);
    {
        // Restoring the page is no page change of the user's: nothing is filled yet.
        const QSignalBlocker blocker(p.controls.pageControl1);
        p.controls.pageControl1->setCurrentIndex(s.activePageIndex);
    }
    p.monitor.ExtMonitor()->setChecked(s.extMonitor);
    SetTableTicks(p.window, TableAllTicks{s.allPolohaA, s.allPolohaB, s.allServo});
}

std::optional<std::string> SaveWindowSettings(IniFile& settings, const WindowSettingsParts& p)
{
    StoredSettings s = Current(p);
    s.file = p.controls.labelFile2->text().toStdString();
    s.lastFileName = p.lastFileName.toStdString();
    return SaveSettings(settings, s);
}

}  // namespace torvana
