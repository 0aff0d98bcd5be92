#pragma once
// TFormHlav: the editor's main window. It owns the parameter image, the unit
// link, the serial line, the live values and every control, and runs the
// 55 ms timer loop; the decisions live in the link, binding and page modules.

#include "core/ImageLayout.h"
#include "link/LiveValues.h"
#include "link/Tracking.h"
#include "link/UnitLink.h"
#include "settings/ConfigPaths.h"
#include "settings/IniFile.h"
#include "texts/MessageTable.h"
#include "ui/GuardedApplication.h"
#include "ui/QtTranslations.h"
#include "ui/WindowDesign.h"
#include "ui/tools/Coupling.h"
#include "ui/tools/EditStep.h"
#include "ui/pages/EditorPages.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <memory>
#include <string>

namespace torvana {

class AnalysisWiring;
class FileDialogs;
class ChangeMarkView;
class HistoryWiring;
class LogWiring;
class MessageSink;
class MonitorArea;
class PortOpener;
class PortWatch;
class TFormAbout;
class ToolWiring;
class ViewMenus;
struct WindowSettingsParts;
struct PrintTarget;

constexpr int Timer1Interval = 55;  // milliseconds

// Replacements for the modal dialogs and the serial port; null means the
// real ones.
struct WindowServices {
    MessageSink* messages = nullptr;
    FileDialogs* dialogs = nullptr;
    PortOpener* ports = nullptr;
};

class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    // arguments: the command line without the program name.
    explicit TFormHlav(const QStringList& arguments, WindowServices services = {});
    ~TFormHlav() override;

    // One tick of Timer1; the timer calls it every 55 ms.
    void Timer1Timer();
    QTimer& Timer1() { return timer1; }
    // The one way a monitor frame reaches the live area and the live values
    // that the marking, the table plot's trail and the hit map read: the
    // unit's frames and those of a log played back alike.
    bool ShowMonitorFrame(const UnitFrame& frame);

    // Commands of the menus and the tool bar.
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    // Prints the current view on the default printer (MenuPrint, SpeedButtonPrint).
    void SpeedButtonPrintClick();
    // The same page into a PDF file the user chooses.
    void MenuPrintPdfClick();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void MenuCom1Click(int comPortNumber);
    void MenuContensClick();
    void MenuAboutClick();
    void MenuLanguageClick(int languageIndex);
    void ComboBoxBikeChange(int bike);
    void PageControl1Change(int pageIndex);
    void ModeMenuClick(CouplingMenu menu, CouplingMode mode);
    void MenuToolsClick(StepDirection direction);

    const ParameterImage& Image() const { return image; }
    ParameterImage& Image() { return image; }
    const WindowControls& Controls() const { return controls; }
    EditorPages& Pages() { return *pages; }
    MonitorArea& Monitor() { return *monitor; }
    UnitLink& Link() { return link; }
    const LiveValues& Live() const { return live; }
    const TrackedIndices& Tracked() const { return tracked; }
    int ComPortNumber() const { return comPortNumber; }
    int LanguageIndex() const { return languageIndex; }
    bool PrintingFlag() const { return printingFlag; }
    const QString& LastFileName() const { return lastFileName; }
    const ConfigPaths& Paths() const { return paths; }
    HistoryWiring& History() { return *history; }
    ViewMenus& Views() { return *views; }
    ChangeMarkView& ChangeMarks() { return *changeMarks; }
    LogWiring& Logs() { return *logs; }
    AnalysisWiring& Analysis() { return *analysis; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QStringList& arguments);
    void FormClose();
    void LoadSettings();
    void SaveSettings();
    WindowSettingsParts SettingsParts();
    void ConnectControls();
    void ConnectPages();
    void ConnectHistory();
    void ConnectViews();
    void ConnectLog();
    void ConnectAnalysis();
    // An outside edit's two ends: what is typed into the page is stored
    // first, and the edit becomes one tool step.
    void CommitTyped();
    void FinishToolStep();

    void OpenComPort();
    void CloseComPort();
    void CheckComMenuItem();
    void WatchComPort();
    void MarkComPorts();
    bool MonitorFrameArrived(const UnitFrame& frame);

    void WriteActivePage();
    void FillActivePage();
    void RefreshAfterEdit();
    void UpdateDisplayState();
    void SetLanguageTexts();
    void SetMessageTexts();
    void HideStatus();
    void ShowLinkState();
    void ShowMessage(const std::string& text);
    void ShowQueuedMessages();
    void ReportUnexpectedError(const std::string& what);
    void PositionRadioClick();
    void ZakazCteniClick(bool checked);
    void SetFileName(const QString& fullName);
    void PrintTo(const PrintTarget& target);
    void SetPrintingFlag(bool printing);

    WindowControls controls;
    std::unique_ptr<EditorPages> pages;
    std::unique_ptr<ToolWiring> tools;
    std::unique_ptr<MonitorArea> monitor;
    std::unique_ptr<TFormAbout> about;
    HistoryWiring* history = nullptr;  // a child of the window
    ViewMenus* views = nullptr;        // a child of the window
    ChangeMarkView* changeMarks = nullptr;  // a child of the window
    LogWiring* logs = nullptr;         // a child of the window
    AnalysisWiring* analysis = nullptr;  // a child of the window

    ParameterImage image{};
    CurvePageFlags pageAllFlags{};
    HeaderTexts headerTexts;  // empty until the unit has sent its block 0
    MessageTable messageTable;
    LiveValues live;
    TrackedIndices tracked;
    std::uint8_t comPortNumber = 1;
    std::uint8_t languageIndex = English;
    QString lastFileName;
    bool printingFlag = false;

    ConfigPaths paths;
    IniFile settings;

    std::unique_ptr<MessageSink> ownMessages;
    std::unique_ptr<FileDialogs> ownDialogs;
    std::unique_ptr<PortOpener> ownPorts;
    MessageSink* messages = nullptr;
    FileDialogs* dialogs = nullptr;
    PortOpener* ports = nullptr;

    QtTranslations qtTranslations;
    UnitLink link;
    std::unique_ptr<SerialLine> line;
    std::unique_ptr<PortWatch> portWatch;
    std::optional<SilenceReason> hintedSilence;  // the reason the connection label's hint gives
    QTimer timer1;

    // A modal box lets the timer tick behind it: a tick never re-enters its
    // own work, and only one queued message box is open at a time.
    bool tickRunning = false;
    bool messageBoxOpen = false;
    std::deque<std::string> pendingMessages;
    bool closed = false;
    GuardedApplication::FailureHandler outerFailureHandler;
};

}  // namespace torvana
