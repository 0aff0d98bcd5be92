#include "ui/GuardedApplication.h"

#include "ui/ApplicationIdentity.h"

#include <QMessageBox>

#include <exception>
#include <utility>

namespace torvana {

namespace {

GuardedApplication::FailureHandler& CurrentHandler()
{
    static GuardedApplication::FailureHandler handler;
    return handler;
}

}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report(error.what());
    } catch (...) {
        Report("unknown exception");
    }
    return false;
}

GuardedApplication::FailureHandler GuardedApplication::SetFailureHandler(FailureHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

void GuardedApplication::Report(const std::string& what)
{
    // The handler itself must not throw out of the event loop either.
    try {
        if (const FailureHandler& handler = CurrentHandler()) {
            handler(what);
            return;
        }
    } catch (...) {
    }
    QMessageBox::critical(nullptr, QString::fromLatin1(ApplicationTitle), QString::fromStdString(what));
}

}  // namespace torvana
