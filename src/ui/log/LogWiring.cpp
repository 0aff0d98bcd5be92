#include "ui/log/LogWiring.h"

#include "link/MonitorLogRow.h"
#include "texts/LogTexts.h"
#include "ui/log/LogScatterView.h"
#include "ui/log/LogWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <chrono>

namespace torvana {

namespace {

std::int64_t SteadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr std::int64_t FollowIntervalMs = 1000;  // the writer flushes once a second
// Yellow, framed: unlike anything the unit's frames paint.
constexpr const char* PlaybackStyle = "background-color: #ffdc00; font-weight: bold; border: 2px solid black";
constexpr const char* LiveAreaBadge = "ImageLogo2";

std::string BaseName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

}  // namespace

LogWiring::LogWiring(QMainWindow& window, StatusShower showStatus, FrameShower showFrame, std::string folder)
    : QObject(&window), window(window), showStatus(std::move(showStatus)), showFrame(std::move(showFrame)),
      recorder(std::move(folder)), clock(SteadyMilliseconds)
{
    askNote = [this]() -> std::optional<QString> {
        bool ok = false;
        const QString note = QInputDialog::getText(
            &this->window, QString::fromStdString(LogTextFor(LogText::MarkerTitle, languageIndex)),
            QString::fromStdString(LogTextFor(LogText::MarkerPrompt, languageIndex)), QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(note) : std::nullopt;
    };
    chooseFile = [this](const QString& start) {
        return QFileDialog::getOpenFileName(&this->window, QString(), start,
                                            QString::fromStdString(LogTextFor(LogText::LogFiles, languageIndex)));
    };
    BuildMenu();
    UpdateActions();
}

LogWiring::~LogWiring() = default;

void LogWiring::BuildMenu()
{
    // After the design's menus.
    menuLog = window.menuBar()->addMenu(QString());
    menuLog->setObjectName(QStringLiteral("MenuLog"));
    menuStart = menuLog->addAction(QString());
    menuStart->setObjectName(QStringLiteral("MenuLogStart"));
    menuStop = menuLog->addAction(QString());
    menuStop->setObjectName(QStringLiteral("MenuLogStop"));
    menuMarker = menuLog->addAction(QString());
    menuMarker->setObjectName(QStringLiteral("MenuLogMarker"));
    menuMarker->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    menuMarker->setShortcutContext(Qt::ApplicationShortcut);
    menuLog->addSeparator();
    menuOpen = menuLog->addAction(QString());
    menuOpen->setObjectName(QStringLiteral("MenuLogOpen"));
    menuCurrent = menuLog->addAction(QString());
    menuCurrent->setObjectName(QStringLiteral("MenuLogCurrent"));
    connect(menuOpen, &QAction::triggered, this, &LogWiring::OpenClick);
    connect(menuCurrent, &QAction::triggered, this, &LogWiring::CurrentClick);
    connect(menuStart, &QAction::triggered, this, &LogWiring::StartClick);
    connect(menuStop, &QAction::triggered, this, &LogWiring::StopClick);
    connect(menuMarker, &QAction::triggered, this, &LogWiring::MarkerClick);

    recordingLabel = new QLabel(&window);
    recordingLabel->setObjectName(QStringLiteral("LabelLogRecording"));
    recordingLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    window.statusBar()->addPermanentWidget(recordingLabel);

    // Over the badge in the live area, where the tuner reads the values.
    QWidget* badge = window.findChild<QWidget*>(QLatin1String(LiveAreaBadge));
    playbackLabel = new QLabel(badge ? badge->parentWidget() : &window);
    playbackLabel->setObjectName(QStringLiteral("LabelLogPlayback"));
    playbackLabel->setWordWrap(true);
    playbackLabel->setAlignment(Qt::AlignCenter);
    playbackLabel->setStyleSheet(QLatin1String(PlaybackStyle));
    if (badge)
        playbackLabel->setGeometry(badge->geometry());
    playbackLabel->hide();
}

void LogWiring::Frame(const UnitFrame& frame)
{
    Show(recorder.Frame(clock(), MonitorLogRow(frame.data())));
}

void LogWiring::Tick()
{
    Show(recorder.Tick(clock()));
    FollowCurrentLog();
    Play();
}

bool LogWiring::ShowsLog() const
{
    return logWindow && logWindow->ShowsLog();
}

std::int64_t LogWiring::ShownTimeMs() const
{
    return ShowsLog() ? playedMs : clock();
}

void LogWiring::Play()
{
    if (ShowsLog()) {
        logWindow->SetGrowing(ShowsLogBeingWritten());
        const PlayStep step = logWindow->PlaybackStep();
        for (std::size_t i = step.first; i < step.end; ++i) {
            const LogRow& row = logWindow->Timeline()->Frame(i);
            playedMs = row.timeMs;
            showFrame(LogRowMonitorFrame(row));
        }
    }
    ShowPlaybackLabel();
}

bool LogWiring::ShowsLogBeingWritten() const
{
    return recorder.Recording() && QFile::encodeName(logWindow->File()).toStdString() == recorder.File();
}

// The log being written, open in the log window, grows there by itself.
void LogWiring::FollowCurrentLog()
{
    const std::int64_t now = clock();
    if (!logWindow || logWindow->File().isEmpty() || (!followNow && now - lastFollowMs < FollowIntervalMs))
        return;
    lastFollowMs = now;
    followNow = false;
    const std::string open = QFile::encodeName(logWindow->File()).toStdString();
    if (open == lastFile || (recorder.Recording() && open == recorder.File()))
        logWindow->Follow();
}

void LogWiring::ShowPlaybackLabel()
{
    const bool shows = ShowsLog();
    if (shows) {
        QString text = QString::fromStdString(LogTextFor(LogText::ShowingLog, languageIndex)) + "\n" +
                       QFileInfo(logWindow->File()).fileName() + "\n" +
                       QStringLiteral("%1 s  %2\u00d7").arg(playedMs / 1000.0, 0, 'f', 1).arg(logWindow->Player().Speed());
        if (!logWindow->Player().Playing())
            text += " " + QString::fromStdString(LogTextFor(LogText::PlaybackPaused, languageIndex));
        playbackLabel->setText(text);
        playbackLabel->raise();
    }
    playbackLabel->setVisible(shows);
}

void LogWiring::Close()
{
    Show(recorder.Stop(clock()));
}

void LogWiring::Load(const IniFile& settings)
{
    scatterChoice = LoadScatterChoice(settings);
    if (logWindow)
        logWindow->ScatterView()->SetChoice(scatterChoice);
}

std::string LogWiring::Save(IniFile& settings)
{
    if (logWindow)
        scatterChoice = logWindow->ScatterView()->Choice();
    return SaveScatterChoice(settings, scatterChoice);
}

void LogWiring::StartClick()
{
    Show(recorder.Start(clock()), true);
}

void LogWiring::StopClick()
{
    Show(recorder.Stop(clock()), true);
}

void LogWiring::MarkerClick()
{
    if (!recorder.Recording()) {
        showStatus(LogTextFor(LogText::NotRecording, languageIndex), false);
        return;
    }
    // The marker keeps the moment of the key, not of the answer.
    const std::int64_t pressed = clock();
    const std::optional<QString> note = askNote();
    if (!note)
        return;
    if (!recorder.Mark(pressed, note->simplified().toStdString())) {
        showStatus(LogTextFor(LogText::NotRecording, languageIndex), false);
        return;
    }
    showStatus(LogTextFor(LogText::MarkerSet, languageIndex) + " " + std::to_string(recorder.Markers()), false);
}

void LogWiring::OpenClick()
{
    const QString start = logWindow && !logWindow->File().isEmpty()
                              ? QFileInfo(logWindow->File()).absolutePath()
                              : QString::fromStdString(recorder.Folder());
    const QString path = chooseFile(start);
    if (!path.isEmpty())
        OpenLog(path);
}

void LogWiring::CurrentClick()
{
    const std::string current = recorder.Recording() ? recorder.File() : lastFile;
    if (current.empty()) {
        showStatus(LogTextFor(LogText::NotRecording, languageIndex), false);
        return;
    }
    OpenLog(QString::fromStdString(current));
}

void LogWiring::OpenLog(const QString& path)
{
    if (!logWindow) {
        logWindow = new TFormLog(&window);
        logWindow->SetClock([this] { return clock(); });
        logWindow->SetLanguage(languageIndex);
        logWindow->ScatterView()->SetChoice(scatterChoice);
    }
    logWindow->OpenFile(path);
    logWindow->show();
    logWindow->raise();
}

void LogWiring::Show(const LogEvent& event, bool byHand)
{
    if (!event.file.empty())
        lastFile = event.file;
    switch (event.kind) {
    case LogEvent::Kind::None:
        return;
    case LogEvent::Kind::Started:
        // A run that starts or ends by itself is shown by the permanent label
        // only: the status line may be telling of a fault meanwhile.
        if (byHand)
            showStatus(LogTextFor(LogText::Started, languageIndex) + " " + BaseName(event.file), false);
        break;
    case LogEvent::Kind::NoSpace:
        showStatus(LogTextFor(LogText::NoSpace, languageIndex), true);
        break;
    case LogEvent::Kind::Stopped:
        followNow = true;
        if (event.reason == StopReason::DiskFull)
            showStatus(LogTextFor(LogText::NoSpace, languageIndex), true);
        else if (event.reason == StopReason::WriteFailed)
            showStatus(LogTextFor(LogText::WriteFailed, languageIndex) + " " + event.error, true);
        else if (byHand)
            showStatus(LogTextFor(LogText::Stopped, languageIndex) + " " + BaseName(event.file), false);
        break;
    }
    UpdateActions();
}

void LogWiring::UpdateActions()
{
    const bool recording = recorder.Recording();
    menuStart->setEnabled(!recording);
    menuStop->setEnabled(recording);
    recordingLabel->setText(recording ? QString::fromStdString(LogTextFor(LogText::Recording, languageIndex))
                                      : QString());
    recordingLabel->setToolTip(recording ? QString::fromStdString(BaseName(recorder.File())) : QString());
    recordingLabel->setVisible(recording);
}

void LogWiring::SetLanguage(int language)
{
    languageIndex = language;
    if (logWindow)
        logWindow->SetLanguage(language);
    UpdateActions();
    ShowPlaybackLabel();
}

}  // namespace torvana
