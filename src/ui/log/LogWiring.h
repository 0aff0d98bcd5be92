#pragma once
// The window's side of the datalog: every accepted monitor frame goes to
// the recorder, the Log menu starts, stops and marks by hand and opens the
// log window, and the status line says what the recording did. A log played
// back in the log window reaches the live area as the unit's frames do,
// and a label over the live area says that it shows a log.

#include "link/UnitFrame.h"
#include "log/LogRecorder.h"
#include "log/ScatterChoice.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;

namespace torvana {
class TFormLog;
}

namespace torvana {

class LogWiring : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, steady
    // The note of a new marker; nullopt when the user cancelled.
    using NoteAsker = std::function<std::optional<QString>()>;
    using FileChooser = std::function<QString(const QString& folder)>;
    using StatusShower = std::function<void(const std::string& text, bool red)>;
    // The window's one way of showing a monitor frame, the unit's or a log's.
    using FrameShower = std::function<void(const UnitFrame& frame)>;

    LogWiring(QMainWindow& window, StatusShower showStatus, FrameShower showFrame, std::string folder);
    ~LogWiring() override;

    // Every accepted monitor frame, and every timer tick: a log being played
    // hands its due frames to the frame shower.
    void Frame(const UnitFrame& frame);
    void Tick();
    // While a log plays (or is paused in playback) the unit's frames are
    // recorded but not shown.
    bool ShowsLog() const;
    // The time of what the live area shows: the window's clock, or the
    // played frame's time in the log.
    std::int64_t ShownTimeMs() const;
    // At close: the file is completed.
    void Close();
    // The scatter view's channels between runs; Save gives the message to
    // show, or nothing.
    void Load(const IniFile& settings);
    std::string Save(IniFile& settings);

    void StartClick();
    void StopClick();
    void MarkerClick();
    // The log window with a log the user chooses, or the one being written
    // (else the last one written).
    void OpenClick();
    void CurrentClick();
    void SetLanguage(int languageIndex);

    // Replacements for the tests.
    void SetClock(Clock value) { clock = std::move(value); }
    void SetNoteAsker(NoteAsker value) { askNote = std::move(value); }
    void SetFileChooser(FileChooser value) { chooseFile = std::move(value); }
    void SetFreeSpace(LogRecorder::FreeSpace value) { recorder.SetFreeSpace(std::move(value)); }

    const LogRecorder& Recorder() const { return recorder; }
    QLabel* RecordingLabel() const { return recordingLabel; }
    QLabel* PlaybackLabel() const { return playbackLabel; }
    TFormLog* LogWindow() const { return logWindow; }

private:
    void BuildMenu();
    void Show(const LogEvent& event, bool byHand = false);
    void UpdateActions();
    void OpenLog(const QString& path);
    void Play();
    void FollowCurrentLog();
    bool ShowsLogBeingWritten() const;
    void ShowPlaybackLabel();

    QMainWindow& window;
    StatusShower showStatus;
    FrameShower showFrame;
    LogRecorder recorder;
    Clock clock;
    NoteAsker askNote;
    FileChooser chooseFile;
    std::string lastFile;  // the log written last
    int languageIndex = 0;
    std::int64_t playedMs = 0;      // the time in the log of the frame shown last
    std::int64_t lastFollowMs = 0;  // when the current log was last read on
    bool followNow = false;         // its last rows are written: read them at once
    ScatterChoice scatterChoice;     // for a log window made later

    QLabel* recordingLabel = nullptr;
    QLabel* playbackLabel = nullptr;
    TFormLog* logWindow = nullptr;
    QMenu* menuLog = nullptr;
    QAction* menuStart = nullptr;
    QAction* menuStop = nullptr;
    QAction* menuMarker = nullptr;
    QAction* menuOpen = nullptr;
    QAction* menuCurrent = nullptr;
};

}  // namespace torvana
