#include "WindowShots.h"

#include "ui/FormHlav.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace torvana {
namespace {

// Enough Tools + steps for the Compare window to list a few differences.
constexpr int ToolSteps = 3;
// Ticks for the table plot's trail to draw out a few operating points.
constexpr int TrailSettles = 12;

class Shooter {
public:
    Shooter(TFormHlav& window, WindowShots& out) : window(window), out(out) {}

    bool Trigger(const char* name)
    {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (action == nullptr) {
            out.missing.append(QString::fromLatin1(name));
            return false;
        }
        action->trigger();
        return true;
    }

    QWidget* Shown(const char* name)
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String(name) && widget->isVisible())
                return widget;
        }
        out.missing.append(QString::fromLatin1(name));
        return nullptr;
    }

    void Grab(const char* fileName, QWidget* widget)
    {
        if (widget != nullptr)
            out.shots.push_back(PageShot{QString::fromLatin1(fileName), widget->grab().toImage()});
    }

    // Grabs a top-level window that a menu item opened, then closes it.
    void GrabAndClose(const char* fileName, const char* windowName)
    {
        QWidget* shown = Shown(windowName);
        Grab(fileName, shown);
        if (shown != nullptr)
            shown->close();
    }

private:
    TFormHlav& window;
    WindowShots& out;
};

}  // namespace

WindowShots ShootWindows(TFormHlav& window, const Settle& settle)
{
    WindowShots out;
    Shooter shooter(window, out);
    window.Controls().pageControl1->setCurrentIndex(0);
    settle();

    if (shooter.Trigger("MenuHeatMap")) {
        settle();
        shooter.Grab("HeatMap.png", &window);
        shooter.Trigger("MenuHeatMap");
    }

    if (shooter.Trigger("MenuTablePlot")) {
        for (int i = 0; i < TrailSettles; ++i)
            settle();
        shooter.Grab("TablePlot.png", window.findChild<QDockWidget*>(QStringLiteral("DockTablePlot")));
        shooter.Trigger("MenuTablePlot");
    }

    shooter.Trigger("MenuSave");
    for (int i = 0; i < ToolSteps; ++i)
        shooter.Trigger("MenuToolsPlus");
    settle();
    shooter.Trigger("MenuCompare");
    settle();
    shooter.GrabAndClose("CompareWindow.png", "TFormCompare");

    shooter.Trigger("MenuOpen");
    shooter.Trigger("MenuRestorePoints");
    settle();
    shooter.GrabAndClose("RestorePoints.png", "TFormRestorePoints");

    shooter.Trigger("MenuLogCurrent");
    settle();
    shooter.GrabAndClose("LogWindow.png", "TFormLog");

    // The About window is modal: it is grabbed and closed from inside its loop.
    QTimer::singleShot(0, &window, [&shooter] { shooter.GrabAndClose("AboutWindow.png", "TFormAbout"); });
    shooter.Trigger("MenuAbout");
    return out;
}

}  // namespace torvana
