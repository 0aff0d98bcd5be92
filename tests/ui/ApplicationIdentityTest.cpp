// The desktop knows the program by its entry, and nothing is appended to
// the window titles that the windows set.

#include "ui/ApplicationIdentity.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace torvana {
namespace {

TEST(ApplicationIdentity, DesktopEntryWithoutAnAppendedDisplayName)
{
    const QString name = QCoreApplication::applicationName();
    SetApplicationIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QLatin1String(DesktopEntryName));
    // A display name of its own is what platforms append to every title.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(name);
}

}  // namespace
}  // namespace torvana
