#pragma once
// A main window on a private settings folder, with recorded message boxes,
// scripted file dialogs and a simulated unit on the port.

#include "SimulatedLine.h"
#include "UnitSimulator.h"
#include "ui/FileDialogs.h"
#include "ui/FormHlav.h"
#include "ui/MessageSink.h"
#include "ui/PortOpener.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace torvana {

struct RecordingSink : MessageSink {
    std::vector<std::string> shown;
    std::vector<std::string> asked;
    Answer answer = Answer::Yes;
    std::function<void()> whileShown;  // what runs behind the "modal" box
    int depth = 0;
    int maxDepth = 0;  // boxes open at once
    void ShowMessage(const std::string& text) override
    {
        shown.push_back(text);
        maxDepth = std::max(maxDepth, ++depth);
        if (whileShown) {
            whileShown();
        }
        --depth;
    }
    Answer AskYesNoCancel(const std::string& text) override
    {
        asked.push_back(text);
        return answer;
    }
};

struct ScriptedDialogs : FileDialogs {
    QString openAnswer;  // empty: cancelled
    QString saveAnswer;
    QString pdfAnswer;
    QString lastOpened;
    bool viewerStarts = true;
    QString ChooseOpenFile(const QString&) override { return openAnswer; }
    QString ChooseSaveFile(const QString&) override { return saveAnswer; }
    QString ChoosePdfFile(const QString&) override { return pdfAnswer; }
    bool OpenDocument(const QString& path) override
    {
        lastOpened = path;
        return viewerStarts;
    }
};

// Port 1 reaches the simulated unit; any other port fails to open.
struct SimulatedPorts : PortOpener {
    explicit SimulatedPorts(UnitSimulator& unit) : unit(unit) {}
    std::unique_ptr<SerialLine> Open(int comPortNumber, std::string& error) override
    {
        ++opened;
        current = nullptr;
        if (comPortNumber != 1 || refuse) {
            error = "no such port";
            return nullptr;
        }
        auto line = std::make_unique<SimulatedLine>(unit);
        current = line.get();
        return line;
    }
    UnitSimulator& unit;
    SimulatedLine* current = nullptr;
    int opened = 0;
    bool refuse = false;
};

// A private folder that the environment names as the settings and data
// homes while it lives.
struct PrivateHomes : QTemporaryDir {
    PrivateHomes()
    {
        qputenv("XDG_CONFIG_HOME", path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", (path() + "/data").toLocal8Bit());
    }
    ~PrivateHomes()
    {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }
    PrivateHomes(const PrivateHomes&) = delete;
    PrivateHomes& operator=(const PrivateHomes&) = delete;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(config.isValid()); }
    void TearDown() override { window.reset(); }

    TFormHlav& Start(const QStringList& arguments = {})
    {
        window = std::make_unique<TFormHlav>(arguments, WindowServices{&sink, &dialogs, &ports});
        window->Timer1().stop();  // the tests drive every tick
        return *window;
    }

    // Closes the window as the user does, which saves the settings.
    void Close()
    {
        window->close();
        window.reset();
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            if (ports.current) {
                ports.current->AdvanceTick();
            }
            window->Timer1Timer();
        }
    }

    // Ticks until no transfer runs; false when it never ends.
    bool TickUntilIdle(int limit = 400)
    {
        for (int i = 0; i < limit; ++i) {
            Tick();
            if (window->Link().Mode() == TransferIdle) {
                return true;
            }
        }
        return false;
    }

    QString Dir() const { return config.path(); }

    PrivateHomes config;
    RecordingSink sink;
    ScriptedDialogs dialogs;
    UnitSimulator unit;
    SimulatedPorts ports{unit};
    std::unique_ptr<TFormHlav> window;
};

}  // namespace torvana
