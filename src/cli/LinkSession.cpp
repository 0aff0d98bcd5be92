#include "cli/LinkSession.h"

#include "link/LiveValues.h"
#include "link/MonitorDecoder.h"
#include "link/MonitorLogRow.h"
#include "link/MonitorView.h"
#include "link/QtSerialLine.h"
#include "link/UnitLink.h"
#include "link/UnitOwnedBytes.h"
#include "log/LogCsv.h"
#include "texts/MessageTable.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>

namespace torvana {

namespace {

constexpr int ExitSuccess = 0;
// The servo labels carry their readings; the command line always shows them.
constexpr bool ServoShown = true;
constexpr int MillisecondsPerSecond = 1000;
constexpr int MonitorGiveUpTicks = MonitorGiveUpSeconds * MillisecondsPerSecond / LinkTickMilliseconds;

// The event loop the timer needs; the serial port must be made after it.
std::unique_ptr<QCoreApplication> EnsureApplication()
{
    // QCoreApplication keeps a reference to argc for its whole life.
    static int argc = 1;
    static char name[] = "torvana-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    return std::make_unique<QCoreApplication>(argc, argv);
}

class LinkSession {
public:
    LinkSession(ParameterImage& image, bool extendedMonitor)
        : application(EnsureApplication()), link(image, messages), extendedMonitor(extendedMonitor)
    {
        SetMessageTexts(messages, English);
        link.SetMonitorHandler([this](const UnitFrame& frame) {
            if (!DecodeMonitorFrame(frame.data(), this->extendedMonitor, ServoShown, live, view))
                return false;
            link.SetUnitStoreRemaining(live.UnitStoreRemaining);
            row = MonitorLogRow(frame.data());
            ++monitorFrames;
            return true;
        });
    }

    bool Open(const std::string& device, std::string& failure)
    {
        if (!line.Open(device)) {
            failure = "cannot open port " + device + ": " + line.ErrorText();
            return false;
        }
        link.SetLine(&line);
        return true;
    }

    // Ticks until afterTick returns an exit code, and returns it.
    int Run(const std::function<std::optional<int>()>& afterTick)
    {
        int exitCode = ExitSuccess;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            link.Tick();
            ReportStatus();
            if (const auto code = afterTick()) {
                exitCode = *code;
                timer.stop();
                QCoreApplication::quit();
            }
        });
        timer.start(LinkTickMilliseconds);
        QCoreApplication::exec();
        return exitCode;
    }

    // The exit code of a transfer that has ended; message-box texts go to stderr.
    int TransferResult(TransferEnd end)
    {
        for (const std::string& text : link.TakeMessages())
            std::cerr << text << std::endl;
        return end == TransferEnd::VerifyOk ? ExitSuccess : ExitTransferFailed;
    }

    // A quiet session writes no progress to stderr.
    void SetQuiet(bool quiet) { this->quiet = quiet; }

    // The line closes itself when the device goes away and never comes back.
    bool LineLost() const { return !line.IsOpen(); }
    const std::string& LineError() const { return line.ErrorText(); }

    UnitLink& Link() { return link; }
    const MessageTable& Messages() const { return messages; }
    const LiveValues& Live() const { return live; }
    const MonitorView& View() const { return view; }
    // The datalog row of the last accepted frame.
    const LogRow& Row() const { return row; }
    int MonitorFrames() const { return monitorFrames; }

private:
    // One line per change of text or gauge, e.g. "Program device: 7/19";
    // an error (red) line carries no count.
    void ReportStatus()
    {
        const StatusLine& status = link.Status();
        if (quiet || !status.visible || status.text.empty())
            return;
        std::string shown = status.text;
        if (!status.red && link.Gauge().visible)
            shown += " " + std::to_string(link.Gauge().value) + "/" + std::to_string(GaugeMax);
        if (shown != lastStatus) {
            std::cerr << shown << std::endl;
            lastStatus = shown;
        }
    }

    std::unique_ptr<QCoreApplication> application;
    MessageTable messages;
    UnitLink link;
    QtSerialLine line;
    LiveValues live;
    MonitorView view;
    LogRow row;
    bool extendedMonitor;
    int monitorFrames = 0;
    std::string lastStatus;
    bool quiet = false;
};

bool IsTestLabel(std::string_view name)
{
    // Hidden in the window from start-up on; nothing ever shows them.
    return name.starts_with("LabelTest");
}

}  // namespace

int ReadUnit(const std::string& device, ParameterImage& image, std::string& failure, ParameterImage* received)
{
    LinkSession session(image, false);
    if (!session.Open(device, failure))
        return ExitTransferFailed;
    session.Link().SetReadCheckedAsReceived(true);
    session.Link().StartRead();
    const int code = session.Run([&]() -> std::optional<int> {
        if (const auto end = session.Link().TakeTransferEnd())
            return session.TransferResult(*end);
        return std::nullopt;
    });
    if (received != nullptr)
        *received = session.Link().ReceivedSet();
    return code;
}

int TransferToUnit(const std::string& device, ParameterImage& image, bool program, std::string& failure)
{
    LinkSession session(image, false);
    if (!session.Open(device, failure))
        return ExitTransferFailed;
    UnitLink& link = session.Link();
    const std::string& modeError = program ? session.Messages().TextProgramError : session.Messages().TextVerifyError;
    const ParameterImage fileSet = image;

    // First the unit's own bytes, quietly: a Read replaces the image.
    link.SetReadCheckedAsReceived(true);
    session.SetQuiet(true);
    link.StartRead();
    std::optional<TransferEnd> readEnd;
    session.Run([&]() -> std::optional<int> {
        readEnd = link.TakeTransferEnd();
        return readEnd ? std::optional<int>(ExitSuccess) : std::nullopt;
    });
    image = fileSet;
    if (readEnd == TransferEnd::VerifyOk) {
        CopyUnitOwnedBytes(link.ReceivedSet(), image);
    } else if (readEnd == TransferEnd::NoReading) {
        std::cerr << "torvana-cli: the unit refuses reading; its own bytes are taken from the file" << std::endl;
    } else {
        session.TransferResult(TransferEnd::Error);
        std::cerr << modeError << std::endl;
        return ExitTransferFailed;
    }
    session.SetQuiet(false);
    link.HideStatus();

    program ? link.StartProgram() : link.StartVerify();
    bool storing = false;
    return session.Run([&]() -> std::optional<int> {
        if (!storing) {
            const auto end = link.TakeTransferEnd();
            if (!end)
                return std::nullopt;
            if (!program || *end != TransferEnd::VerifyOk)
                return session.TransferResult(*end);
            storing = true;
        }
        const auto stored = link.TakeStoreEnd();
        if (!stored)
            return std::nullopt;
        if (*stored == StoreEnd::Stored)
            return ExitSuccess;
        if (*stored == StoreEnd::Lost)
            std::cerr << "torvana-cli: the unit stopped answering while storing the parameters" << std::endl;
        else
            std::cerr << "torvana-cli: the unit's store stopped with " << link.UnitStoreRemaining()
                      << " still to store" << std::endl;
        return ExitTransferFailed;
    });
}

int MonitorUnit(const std::string& device, const MonitorSettings& settings, std::string& failure)
{
    std::ofstream csv;
    if (!settings.csvPath.empty()) {
        csv.open(settings.csvPath, std::ios::binary | std::ios::trunc);
        // Flushed per row so that an interrupted run keeps what it logged.
        if (!(csv << LogCsvHeader() << std::flush)) {
            failure = "cannot write " + settings.csvPath;
            return ExitTransferFailed;
        }
    }

    ParameterImage image{};
    LinkSession session(image, settings.extended);
    if (!session.Open(device, failure))
        return ExitTransferFailed;
    const auto start = std::chrono::steady_clock::now();
    int shown = 0;
    int silentTicks = 0;
    return session.Run([&]() -> std::optional<int> {
        if (session.LineLost()) {
            failure = "port " + device + " went away (" + session.LineError() + ")";
            return ExitTransferFailed;
        }
        if (session.MonitorFrames() == shown) {
            ++silentTicks;
            if (settings.frameCount > 0 && silentTicks >= MonitorGiveUpTicks) {
                std::cerr << "torvana-cli: no answer from the unit for " << MonitorGiveUpSeconds << " s" << std::endl;
                return ExitTransferFailed;
            }
            if (settings.frameCount == 0 && silentTicks == SilenceLimit + 1)
                std::cerr << "torvana-cli: no answer from the unit" << std::endl;
            return std::nullopt;
        }
        silentTicks = 0;
        shown = session.MonitorFrames();
        if (!settings.csvPath.empty()) {
            LogRow row = session.Row();
            row.timeMs =
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
            if (!(csv << LogCsvRow(row) << std::flush)) {
                failure = "cannot write " + settings.csvPath;
                return ExitTransferFailed;
            }
        } else {
            for (const MonitorTextLine& line : MonitorTextLines(session.View())) {
                if (!IsTestLabel(line.name))
                    std::cout << line.name << ": " << line.text << '\n';
            }
            std::cout << std::endl;
        }
        if (settings.frameCount > 0 && shown >= settings.frameCount)
            return ExitSuccess;
        return std::nullopt;
    });
}

}  // namespace torvana
