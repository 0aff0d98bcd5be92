#pragma once
// English captions of the page controls, keyed by object name. The language
// switch overwrites the localised ones; the rest stay as they are here.

#include <QString>
#include <QStringList>

namespace torvana {

// The caption of the named control; empty when it has none.
QString PageCaption(const QString& objectName);
// The English items of a combo box or radio group.
QStringList PageItems(const QString& objectName);

}  // namespace torvana
