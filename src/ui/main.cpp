#include "core/AtomicFile.h"
#include "ui/FormHlav.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    torvana::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Torvana"));
    // Colours carry meaning here; Fusion paints label and bar colours as set.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    torvana::TFormHlav window(arguments);
    window.show();
    return QApplication::exec();
}
