#pragma once
// A main window for the benchmarks, on a private settings folder, with a
// simulated unit on port 1; message boxes are counted and file dialogs
// cancelled, so nothing blocks.

#include "SimulatedLine.h"
#include "UnitSimulator.h"
#include "ui/FileDialogs.h"
#include "ui/FormHlav.h"
#include "ui/MessageSink.h"
#include "ui/PortOpener.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace torvana {

constexpr int ComPortUnit = 1;  // the port the simulated unit sits on

// Message boxes are counted, never shown, so nothing blocks.
struct CountingSink : MessageSink {
    int shown = 0;
    void ShowMessage(const std::string&) override { ++shown; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Yes; }
};

// Every file dialog is cancelled.
struct CancellingDialogs : FileDialogs {
    QString ChooseOpenFile(const QString&) override { return {}; }
    QString ChooseSaveFile(const QString&) override { return {}; }
    QString ChoosePdfFile(const QString&) override { return {}; }
    bool OpenDocument(const QString&) override { return false; }
};

struct SimulatedPorts : PortOpener {
    explicit SimulatedPorts(UnitSimulator& unit) : unit(unit) {}
    std::unique_ptr<SerialLine> Open(int comPortNumber, std::string& error) override
    {
        current = nullptr;
        if (comPortNumber != ComPortUnit) {
            error = "no such port";
            return nullptr;
        }
        auto line = std::make_unique<SimulatedLine>(unit);
        current = line.get();
        return line;
    }
    UnitSimulator& unit;
    SimulatedLine* current = nullptr;
};

// A window on a private settings folder with the fakes above.
struct WindowBed {
    WindowBed()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", (config.path() + "/data").toLocal8Bit());
    }
    ~WindowBed()
    {
        window.reset();
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }

    TFormHlav& Start()
    {
        window = std::make_unique<TFormHlav>(QStringList{}, WindowServices{&sink, &dialogs, &ports});
        window->Timer1().stop();  // the benchmark drives every tick
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }

    void Tick()
    {
        if (ports.current) {
            ports.current->AdvanceTick();
        }
        window->Timer1Timer();
    }

    QTemporaryDir config;
    CountingSink sink;
    CancellingDialogs dialogs;
    UnitSimulator unit;
    SimulatedPorts ports{unit};
    std::unique_ptr<TFormHlav> window;
};

}  // namespace torvana
