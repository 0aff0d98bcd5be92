#include "ui/history/ChangeMarkView.h"

#include "settings/IniFile.h"
#include "ui/pages/EditorPages.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace torvana {

namespace {
constexpr int MarksOnByDefault = 1;
}  // namespace

QMenu* ViewMenu(QMainWindow& window)
{
    const QString name = QStringLiteral("MenuView");
    if (auto* menu = window.menuBar()->findChild<QMenu*>(name)) {
        return menu;
    }
    // After the design's menus; the table views may have made it already.
    QMenu* menu = window.menuBar()->addMenu(QString());
    menu->setObjectName(name);
    return menu;
}

ChangeMarkView::ChangeMarkView(QMainWindow& window, ChangeMarkHost host) : QObject(&window), host(std::move(host))
{
    action = ViewMenu(window)->addAction(QString());
    action->setObjectName(QStringLiteral("MenuChangeMarks"));
    action->setCheckable(true);
    action->setChecked(this->host.settings.ReadInteger(ChangeMarkSection, ChangeMarkKey, MarksOnByDefault) != 0);
    connect(action, &QAction::toggled, this, &ChangeMarkView::Toggled);
}

bool ChangeMarkView::On() const
{
    return action->isChecked();
}

void ChangeMarkView::SetReference(const EditorState& saved)
{
    reference = saved;
    Apply();
}

void ChangeMarkView::Toggled(bool on)
{
    Apply();
    std::string reason;
    if (!host.settings.WriteInteger(ChangeMarkSection, ChangeMarkKey, on ? 1 : 0, &reason)) {
        host.showMessage("Unable to write to " + host.settings.Path() + "\n" + reason);
    }
}

void ChangeMarkView::Apply()
{
    const EditorState current = host.current();
    host.pages.SetChangeReference(On() ? std::optional<EditorState>(reference) : std::nullopt, current.image,
                                  current.flags);
}

}  // namespace torvana
