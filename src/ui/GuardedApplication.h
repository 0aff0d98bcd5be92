#pragma once
// The application object of the editor. An exception that escapes an event
// handler would otherwise end the program inside Qt without the last image
// being written; here it ends only the action that raised it and is
// handed to the failure handler (the main window), which tells the tuner.

#include <QApplication>

#include <functional>
#include <string>

namespace torvana {

class GuardedApplication : public QApplication {
public:
    using FailureHandler = std::function<void(const std::string& what)>;

    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The handler in force, or none; returns the one it replaces.
    static FailureHandler SetFailureHandler(FailureHandler handler);

private:
    static void Report(const std::string& what);
};

}  // namespace torvana
