#pragma once
// The View menu's "Mark changed cells": while it is ticked the pages mark the
// controls whose value differs from the set last saved, opened, read or
// verified. The tick lives in the settings file's section of its own.

#include "history/EditorState.h"

#include <QObject>
#include <functional>
#include <string>

class QAction;
class QMainWindow;
class QMenu;

namespace torvana {

class EditorPages;
class IniFile;

constexpr const char* ChangeMarkSection = "HISTORY";
constexpr const char* ChangeMarkKey = "CHANGE_MARKS";

// The View menu, last on the menu bar, made when first asked for.
QMenu* ViewMenu(QMainWindow& window);

struct ChangeMarkHost {
    IniFile& settings;
    EditorPages& pages;
    std::function<EditorState()> current;
    std::function<void(const std::string&)> showMessage;
};

class ChangeMarkView : public QObject {
    Q_OBJECT
public:
    ChangeMarkView(QMainWindow& window, ChangeMarkHost host);

    // The set the marks compare with changed.
    void SetReference(const EditorState& saved);
    bool On() const;
    QAction* Action() const { return action; }

private:
    void Toggled(bool on);
    void Apply();

    ChangeMarkHost host;
    EditorState reference;
    QAction* action = nullptr;
};

}  // namespace torvana
