#include "ui/Hint.h"

#include <QAction>
#include <QWidget>

namespace torvana {

namespace {
constexpr QChar HintSeparator = u'|';
}

HintParts SplitHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(HintSeparator);
    if (bar < 0) {
        return {hint, hint};
    }
    return {hint.left(bar), hint.mid(bar + 1)};
}

void ApplyHint(QWidget* widget, const QString& hint)
{
    const HintParts parts = SplitHint(hint);
    widget->setToolTip(parts.tip);
    widget->setStatusTip(parts.longHint);
}

void ApplyHint(QAction* action, const QString& hint)
{
    const HintParts parts = SplitHint(hint);
    action->setToolTip(parts.tip);
    action->setStatusTip(parts.longHint);
}

}  // namespace torvana
