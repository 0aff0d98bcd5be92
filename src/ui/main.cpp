#include "core/AtomicFile.h"
#include "ui/ApplicationIdentity.h"
#include "ui/FormHlav.h"
#include "ui/GuardedApplication.h"

int main(int argc, char** argv)
{
    torvana::IgnoreFileSizeSignal();
    torvana::GuardedApplication app(argc, argv);
    torvana::SetApplicationIdentity();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    torvana::TFormHlav window(arguments);
    window.show();
    return QApplication::exec();
}
