#include "ui/WindowSettings.h"

#include "settings/SettingsStore.h"
#include "ui/MonitorArea.h"
#include "ui/TableTicks.h"
#include "ui/WindowDesign.h"
#include "ui/pages/EditorPages.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QTabWidget>

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

}  // namespace

void LoadWindowSettings(const IniFile& settings, const WindowSettingsParts& p)
{
    StoredSettings s = Current(p);
    LoadSettings(settings, s);

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
