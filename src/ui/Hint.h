#pragma once
// Hints: "short|long" is shown as the tool tip "short" and, in the status
// bar, "long"; a text without a bar is both.

#include <QString>

class QAction;
class QWidget;

namespace torvana {

struct HintParts {
    QString tip;
    QString longHint;
};

HintParts SplitHint(const QString& hint);

// The status bar of the main window shows a widget's or action's status tip
// while the mouse is over it.
void ApplyHint(QWidget* widget, const QString& hint);
void ApplyHint(QAction* action, const QString& hint);

}  // namespace torvana
