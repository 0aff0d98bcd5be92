// Pictures of the editor's pages and windows for the manual: the real window,
// offscreen, on a private settings folder with the factory set, its port on a
// simulated unit with a running engine, every shown page and the windows the
// menus open saved as PNGs.
// Usage: torvana-shots OUTDIR [LANGUAGE]

#include "SimulatedLine.h"
#include "UnitSimulator.h"
#include "WindowShots.h"
#include "core/AtomicFile.h"
#include "ui/ApplicationIdentity.h"
#include "ui/FileDialogs.h"
#include "ui/FormHlav.h"
#include "ui/MessageSink.h"
#include "ui/PortOpener.h"
#include "ui/output/PageShots.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>

namespace torvana {
namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
// Ticks until the unit's live values and the cell in use are on screen.
constexpr int TicksToConnect = 40;
constexpr int TicksPerPage = 4;
// Sharper pictures for print; the window's layout is unchanged by it.
constexpr const char* PictureScale = "2";

// Any box the window would show means the pictures are not what the
// manual describes: it is printed and fails the run.
struct FailingSink : MessageSink {
    int shown = 0;
    void ShowMessage(const std::string& text) override
    {
        std::fprintf(stderr, "torvana-shots: the window said: %s\n", text.c_str());
        ++shown;
    }
    Answer AskYesNoCancel(const std::string& text) override
    {
        ShowMessage(text);
        return Answer::No;
    }
};

// Saving and opening always use the one file in the private folder.
struct OneFileDialogs : FileDialogs {
    QString file;
    QString ChooseOpenFile(const QString&) override { return file; }
    QString ChooseSaveFile(const QString&) override { return file; }
    QString ChoosePdfFile(const QString&) override { return {}; }
    bool OpenDocument(const QString&) override { return false; }
};

struct SimulatedPort : PortOpener {
    UnitSimulator unit;
    SimulatedLine* line = nullptr;
    std::unique_ptr<SerialLine> Open(int, std::string&) override
    {
        auto opened = std::make_unique<SimulatedLine>(unit);
        line = opened.get();
        return opened;
    }
};

int Shoot(const QString& outputDir, const QStringList& windowArguments, const QString& setFile)
{
    FailingSink sink;
    OneFileDialogs dialogs;
    dialogs.file = setFile;
    SimulatedPort port;
    TFormHlav window(windowArguments, WindowServices{&sink, &dialogs, &port});
    window.Timer1().stop();  // the simulated clock moves only with our ticks
    window.show();
    const auto tick = [&](int count) {
        for (int i = 0; i < count; ++i) {
            if (port.line) {
                port.line->AdvanceTick();
            }
            window.Timer1Timer();
        }
        QApplication::processEvents();
    };
    tick(TicksToConnect);
    auto shots = ShootPages(window, *window.Controls().pageControl1, [&] { tick(TicksPerPage); });
    WindowShots windows = ShootWindows(window, [&] { tick(TicksPerPage); });
    for (const QString& name : windows.missing)
        std::fprintf(stderr, "torvana-shots: %s was not there\n", qPrintable(name));
    shots.insert(shots.end(), windows.shots.begin(), windows.shots.end());
    if (!QDir().mkpath(outputDir)) {
        std::fprintf(stderr, "torvana-shots: cannot make %s\n", qPrintable(outputDir));
        return ExitFailure;
    }
    for (const PageShot& shot : shots) {
        const QString path = QDir(outputDir).filePath(shot.fileName);
        if (!shot.image.save(path)) {
            std::fprintf(stderr, "torvana-shots: cannot write %s\n", qPrintable(path));
            return ExitFailure;
        }
    }
    window.close();
    return sink.shown == 0 && windows.missing.isEmpty() && !shots.empty() ? 0 : ExitFailure;
}

}  // namespace
}  // namespace torvana

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_SCALE_FACTOR", torvana::PictureScale);
    // Never the user's settings, last image or history.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "torvana-shots: no temporary folder: %s\n", qPrintable(home.errorString()));
        return torvana::ExitFailure;
    }
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    torvana::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    torvana::SetApplicationIdentity();
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: torvana-shots OUTDIR [LANGUAGE]\n");
        return torvana::ExitUsage;
    }
    return torvana::Shoot(arguments.at(1), arguments.mid(2), home.filePath("shots.ign"));
}
