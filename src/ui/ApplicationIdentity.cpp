#include "ui/ApplicationIdentity.h"

#include <QApplication>
#include <QStyleFactory>

namespace torvana {

void SetApplicationIdentity()
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopEntryName));
    // Colours carry meaning here; Fusion paints label and bar colours as set.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

}  // namespace torvana
