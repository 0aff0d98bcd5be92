#include "ui/views/DockPlacement.h"

#include "settings/IniFile.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>
#include <array>
#include <utility>

namespace torvana {

namespace {

constexpr const char* OpenKey = "Open";
constexpr const char* FloatingKey = "Floating";
constexpr const char* AreaKey = "Area";
constexpr const char* LeftKey = "Left";
constexpr const char* TopKey = "Top";
constexpr const char* WidthKey = "Width";
constexpr const char* HeightKey = "Height";
constexpr int DockAreas[] = {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::TopDockWidgetArea,
                             Qt::BottomDockWidgetArea};

bool OnSomeScreen(const QRect& frame)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            return true;
    }
    return false;
}

}  // namespace

DockPlacement ReadDockPlacement(const IniFile& settings, const std::string& section)
{
    DockPlacement placement;
    placement.open = settings.ReadInteger(section, OpenKey, 0) != 0;
    placement.floating = settings.ReadInteger(section, FloatingKey, 1) != 0;
    const int area = settings.ReadInteger(section, AreaKey, Qt::RightDockWidgetArea);
    placement.area = std::find(std::begin(DockAreas), std::end(DockAreas), area) != std::end(DockAreas)
                         ? area
                         : Qt::RightDockWidgetArea;
    placement.frame = QRect(settings.ReadInteger(section, LeftKey, 0), settings.ReadInteger(section, TopKey, 0),
                            settings.ReadInteger(section, WidthKey, 0), settings.ReadInteger(section, HeightKey, 0));
    return placement;
}

std::string WriteDockPlacement(IniFile& settings, const std::string& section, const DockPlacement& placement)
{
    const std::array<std::pair<const char*, int>, 7> values = {{
        {OpenKey, placement.open ? 1 : 0},
        {FloatingKey, placement.floating ? 1 : 0},
        {AreaKey, placement.area},
        {LeftKey, placement.frame.left()},
        {TopKey, placement.frame.top()},
        {WidthKey, placement.frame.width()},
        {HeightKey, placement.frame.height()},
    }};
    std::string reason;
    for (const auto& [key, value] : values) {
        if (!settings.WriteInteger(section, key, value, &reason))
            return "Unable to write to " + settings.Path() + "\n" + reason;
    }
    return {};
}

DockPlacement CurrentPlacement(const QMainWindow& window, QDockWidget& dock)
{
    return {!dock.isHidden(), dock.isFloating(), static_cast<int>(window.dockWidgetArea(&dock)),
            dock.isFloating() ? dock.geometry() : QRect(QPoint(), dock.size())};
}

void ApplyPlacement(QMainWindow& window, QDockWidget& dock, const DockPlacement& placement)
{
    if (!placement.floating) {
        window.addDockWidget(static_cast<Qt::DockWidgetArea>(placement.area), &dock);
        dock.setFloating(false);
        if (!placement.frame.isEmpty()) {
            const bool sideways = placement.area == Qt::LeftDockWidgetArea || placement.area == Qt::RightDockWidgetArea;
            window.resizeDocks({&dock}, {sideways ? placement.frame.width() : placement.frame.height()},
                               sideways ? Qt::Horizontal : Qt::Vertical);
        }
        return;
    }
    dock.setFloating(true);
    if (!placement.frame.isEmpty() && OnSomeScreen(placement.frame))
        dock.setGeometry(placement.frame);
}

}  // namespace torvana
