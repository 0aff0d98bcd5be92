#include "ui/FormHlav.h"

#include "core/DataFolder.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "link/MonitorDecoder.h"
#include "link/MonitorFrame.h"
#include "link/PortList.h"
#include "link/PortNames.h"
#include "log/LogFolder.h"
#include "settings/LastImageFile.h"
#include "settings/SettingsStore.h"
#include "texts/LanguageTexts.h"
#include "texts/PortTexts.h"
#include "ui/FileDialogs.h"
#include "ui/Hint.h"
#include "ui/LanguageApplier.h"
#include "ui/FileMessages.h"
#include "ui/MessageSink.h"
#include "ui/MonitorArea.h"
#include "ui/Painting.h"
#include "ui/PortMenu.h"
#include "ui/PortOpener.h"
#include "ui/PortWatch.h"
#include "ui/StartupRules.h"
#include "ui/ToolWiring.h"
#include "ui/WindowSettings.h"
#include "ui/analysis/AnalysisWiring.h"
#include "ui/history/ChangeMarkView.h"
#include "ui/history/HistoryWiring.h"
#include "ui/log/LogWiring.h"
#include "ui/output/AboutWindow.h"
#include "ui/output/ManualLocation.h"
#include "ui/output/PrintReport.h"
#include "ui/views/ViewMenus.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <cstdlib>

namespace torvana {

namespace {

const QColor ErrorColour = Qt::red;

std::string LocalPath(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

// Index of the checked radio button of a radio group; nullopt when none is.
std::optional<std::uint8_t> SelectedRadio(const QWidget* group)
{
    if (!group) {
        return std::nullopt;
    }
    const auto buttons = group->findChildren<QRadioButton*>();
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

TFormHlav::TFormHlav(const QStringList& arguments, WindowServices services)
    : paths(PrepareConfigPaths()), settings(paths.settingsFile), link(image, messageTable)
{
    setObjectName(QStringLiteral("TFormHlav"));
    resize(StoredSettings::DesignedWidth, StoredSettings::DesignedHeight);
    controls = BuildWindowDesign(this);
    monitor = std::make_unique<MonitorArea>(controls.monitorParent);

    if (!services.messages) {
        ownMessages = std::make_unique<MessageBoxSink>(this);
        services.messages = ownMessages.get();
    }
    if (!services.dialogs) {
        ownDialogs = std::make_unique<QtFileDialogs>(this);
        services.dialogs = ownDialogs.get();
    }
    if (!services.ports) {
        ownPorts = std::make_unique<SerialPortOpener>(settings, messageTable);
        services.ports = ownPorts.get();
    }
    messages = services.messages;
    dialogs = services.dialogs;
    ports = services.ports;
    portWatch = std::make_unique<PortWatch>(*ports, link);

    link.SetMonitorHandler([this](const UnitFrame& frame) { return MonitorFrameArrived(frame); });
    ConnectControls();
    ConnectHistory();
    ConnectLog();
    ConnectAnalysis();
    timer1.setInterval(Timer1Interval);
    connect(&timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);

    FormCreate(arguments);
    outerFailureHandler =
        GuardedApplication::SetFailureHandler([this](const std::string& what) { ReportUnexpectedError(what); });
    timer1.start();
}

TFormHlav::~TFormHlav()
{
    GuardedApplication::SetFailureHandler(std::move(outerFailureHandler));
    link.SetLine(nullptr);
}

void TFormHlav::FormCreate(const QStringList& arguments)
{
    pages = std::make_unique<EditorPages>(controls.pageControl1);
    ConnectPages();
    changeMarks = new ChangeMarkView(*this, ChangeMarkHost{settings, *pages,
                                                           [this] { return EditorState{image, pageAllFlags}; },
                                                           [this](const std::string& text) { ShowMessage(text); }});
    comPortNumber = FirstComPort;
    image[Offset::Bike] = 0;
    FillDefaultParameters(image);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredPosition(screen->geometry().size(), size()));
    }
    LoadSettings();
    if (const auto language = LanguageFromArguments(arguments)) {
        languageIndex = *language;
    }
    NormaliseImage(image, {&languageIndex, &comPortNumber});
    SetMessageTexts();
    FillActivePage();
    OpenComPort();
    CheckComMenuItem();
    SetLanguageTexts();
    FillActivePage();
    HideStatus();
    UpdateDisplayState();
    history->Start(languageIndex);
    for (int i = static_cast<int>(MonitorLabel::LabelTest1); i <= static_cast<int>(MonitorLabel::LabelTest8); ++i) {
        monitor->Label(static_cast<MonitorLabel>(i))->hide();
    }
}

void TFormHlav::closeEvent(QCloseEvent* event)
{
    if (!closed) {
        closed = true;
        timer1.stop();
        FormClose();
    }
    event->accept();
}

void TFormHlav::FormClose()
{
    logs->Close();
    CloseComPort();
    WriteActivePage();
    NormaliseImage(image, {&languageIndex, &comPortNumber});
    SaveSettings();
}

void TFormHlav::ConnectControls()
{
    const WindowControls& c = controls;
    connect(c.menuNew, &QAction::triggered, this, &TFormHlav::MenuNewClick);
    connect(c.speedButtonNew, &QToolButton::clicked, this, &TFormHlav::MenuNewClick);
    connect(c.menuOpen, &QAction::triggered, this, &TFormHlav::MenuOpenClick);
    connect(c.speedButtonOpen, &QToolButton::clicked, this, &TFormHlav::MenuOpenClick);
    connect(c.menuSave, &QAction::triggered, this, &TFormHlav::MenuSaveClick);
    connect(c.speedButtonSave, &QToolButton::clicked, this, &TFormHlav::MenuSaveClick);
    connect(c.menuExit, &QAction::triggered, this, &QWidget::close);
    connect(c.menuRead, &QAction::triggered, this, &TFormHlav::MenuReadClick);
    connect(c.buttonRead, &QPushButton::clicked, this, &TFormHlav::MenuReadClick);
    connect(c.menuVerify, &QAction::triggered, this, &TFormHlav::MenuVerifyClick);
    connect(c.buttonVerify, &QPushButton::clicked, this, &TFormHlav::MenuVerifyClick);
    connect(c.menuProgram, &QAction::triggered, this, &TFormHlav::MenuProgramClick);
    connect(c.buttonProgram, &QPushButton::clicked, this, &TFormHlav::MenuProgramClick);
    if (auto* comMenu = qobject_cast<QMenu*>(c.menuCom[0]->parent())) {
        connect(comMenu, &QMenu::aboutToShow, this, &TFormHlav::MarkComPorts);
    }
    for (std::size_t i = 0; i < c.menuCom.size(); ++i) {
        const int number = static_cast<int>(i) + FirstComPort;
        connect(c.menuCom[i], &QAction::triggered, this, [this, number] { MenuCom1Click(number); });
    }
    for (std::size_t i = 0; i < c.menuLanguage.size(); ++i) {
        const int language = static_cast<int>(i);
        connect(c.menuLanguage[i], &QAction::triggered, this, [this, language] { MenuLanguageClick(language); });
    }
    connect(c.menuContens, &QAction::triggered, this, &TFormHlav::MenuContensClick);
    connect(c.menuAbout, &QAction::triggered, this, &TFormHlav::MenuAboutClick);
    connect(c.menuToolsMinus, &QAction::triggered, this, [this] { MenuToolsClick(StepDirection::Down); });
    connect(c.menuToolsPlus, &QAction::triggered, this, [this] { MenuToolsClick(StepDirection::Up); });
    for (std::size_t i = 0; i < ModeMenuItems; ++i) {
        const auto mode = static_cast<CouplingMode>(i);
        connect(c.ignMode[i], &QAction::triggered, this, [this, mode] { ModeMenuClick(CouplingMenu::Ign123, mode); });
        connect(c.jetMode[i], &QAction::triggered, this, [this, mode] { ModeMenuClick(CouplingMenu::Jet123, mode); });
    }
    connect(c.menuPrint, &QAction::triggered, this, &TFormHlav::SpeedButtonPrintClick);
    connect(c.speedButtonPrint, &QToolButton::clicked, this, &TFormHlav::SpeedButtonPrintClick);
    connect(c.menuPrintPdf, &QAction::triggered, this, &TFormHlav::MenuPrintPdfClick);
}

void TFormHlav::ConnectPages()
{
    EditorPages* p = pages.get();
    connect(p, &PageEvents::EditCommitted, this, [this] {
        WriteActivePage();
        RefreshAfterEdit();
    });
    connect(p, &PageEvents::CheckBoxReleased, this, [this] {
        WriteActivePage();
        UpdateDisplayState();
        RefreshAfterEdit();
    });
    connect(p, &PageEvents::PositionRadioChanged, this, &TFormHlav::PositionRadioClick);
    connect(p, &PageEvents::BikeChanged, this, &TFormHlav::ComboBoxBikeChange);
    connect(p, &PageEvents::ZakazCteniClicked, this, &TFormHlav::ZakazCteniClick);
    connect(p, &PageEvents::PageChanged, this, &TFormHlav::PageControl1Change);
    const auto toolStep = [this] {
        const auto step = history->Expect(StepCause::Tool, {}, "Tools" + std::to_string(pages->ActivePageIndex()));
        RefreshAfterEdit();
    };
    tools = std::make_unique<ToolWiring>(ToolContext{image, *pages, *this, live, tracked, pageAllFlags,
                                                     [this] { WriteActivePage(); }, toolStep});
    ConnectViews();
}

void TFormHlav::CommitTyped()
{
    const EditorState before{image, pageAllFlags};
    WriteActivePage();
    if (EditorState{image, pageAllFlags} != before) {
        RefreshAfterEdit();
    }
}

void TFormHlav::FinishToolStep()
{
    const auto step = history->Expect(StepCause::Tool);
    RefreshAfterEdit();
}

void TFormHlav::ConnectViews()
{
    const auto showMessage = [this](const std::string& text) { ShowMessage(text); };
    ViewHost host{image, *pages, live, tracked, [this] { CommitTyped(); }, [this] { FinishToolStep(); }, showMessage};
    views = new ViewMenus(*this, std::move(host));
    views->SetSuggestionShades(
        [this](int curve, int row, int column) { return analysis->SuggestionShade(curve, row, column); });
    analysis->SetSuggestionsShown([this] { views->SuggestionsChanged(); });
}

void TFormHlav::ConnectHistory()
{
    HistoryHost host;
    host.state = [this] { return EditorState{image, pageAllFlags}; };
    host.apply = [this](const EditorState& state) {
        image = state.image;
        pageAllFlags = state.flags;
        RefreshAfterEdit();
    };
    host.commitPage = [this] {
        WriteActivePage();
        RefreshAfterEdit();
    };
    host.setName = [this] {
        const std::string file = controls.labelFile2->text().toStdString();
        return file.empty() ? headerTexts.versionText : file;
    };
    host.showMessage = [this](const std::string& text) { ShowMessage(text); };
    host.fileRefused = [this](const std::string& path, const ReadResult& result) {
        return RejectedFileMessage(messageTable, path, result);
    };
    host.chooseFile = [this] { return dialogs->ChooseOpenFile(lastFileName); };
    host.transferRunning = [this] { return link.Mode() != TransferIdle; };
    host.readUnitCopy = [this] {
        link.StartReadCopy();
        ShowLinkState();
    };
    host.savedChanged = [this](const EditorState& saved) { changeMarks->SetReference(saved); };
    host.pages = controls.pageControl1;
    history = new HistoryWiring(*this, std::move(host), PrepareHistoryPaths());
}

void TFormHlav::ConnectLog()
{
    logs = new LogWiring(
        *this, [this](const std::string& text, bool red) { link.ShowOwnerStatus(text, red); },
        [this](const UnitFrame& frame) { ShowMonitorFrame(frame); }, PrepareLogFolder());
}

void TFormHlav::ConnectAnalysis()
{
    AnalysisHost host{image,
                      [this] { return pages->ActivePageIndex(); },
                      [this] { CommitTyped(); },
                      [this] { FinishToolStep(); },
                      [this](const std::string& text) { ShowMessage(text); },
                      [this](const std::string& text) {
                          link.ShowOwnerStatus(text, false);
                          ShowLinkState();
                      },
                      [this] { return QFile::encodeName(controls.labelFile2->text()).toStdString(); },
                      DataFolderFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))};
    analysis = new AnalysisWiring(*this, std::move(host), PrepareLogFolder());
}

void TFormHlav::MenuToolsClick(StepDirection direction)
{
    tools->MinusPlus(direction);
}

void TFormHlav::ModeMenuClick(CouplingMenu menu, CouplingMode mode)
{
    const auto step = history->Expect(StepCause::Mode);
    const ModeChange change = ChooseCouplingMode(image, menu, mode, pages->ActivePageIndex());
    if (change.switchTo) {
        // A page switch of its own: no PageControl1Change.
        const QSignalBlocker blocker(controls.pageControl1);
        controls.pageControl1->setCurrentIndex(change.switchTo->ActivePageIndex);
    }
    if (change.fillActivePage) {
        FillActivePage();
    } else {
        UpdateDisplayState();
    }
    if (change.programOnChange) {
        link.ProgramOnChange(pages->ProgramAtOnceTicked());
        ShowLinkState();
    }
    history->Commit();
}

void TFormHlav::Timer1Timer()
{
    if (tickRunning) {
        return;
    }
    tickRunning = true;
    WatchComPort();
    link.Tick();
    logs->Tick();
    analysis->Tick(logs->ShownTimeMs());
    ShowLinkState();
    pages->PaintMarking(TrackOperatingPoint(pages->ActivePageIndex(), image, live, tracked));
    views->Ticked(logs->ShownTimeMs());
    tickRunning = false;
    ShowQueuedMessages();
}

bool TFormHlav::MonitorFrameArrived(const UnitFrame& frame)
{
    // While a log is shown, the unit's frames are recorded but not shown.
    if (!(logs->ShowsLog() ? IsMonitorFrame(frame.data()) : ShowMonitorFrame(frame))) {
        return false;
    }
    link.SetUnitStoreRemaining(static_cast<std::uint16_t>(MonitorWord(frame.data(), MonitorField::StoreRemaining)));
    logs->Frame(frame);
    return true;
}

bool TFormHlav::ShowMonitorFrame(const UnitFrame& frame)
{
    MonitorView view;
    const bool servoVisible = image[Offset::ServoEnable] != 0;
    if (!DecodeMonitorFrame(frame.data(), monitor->ExtMonitor()->isChecked(), servoVisible, live, view)) {
        return false;
    }
    monitor->Apply(view);
    views->MonitorFrame(logs->ShownTimeMs(), live);
    analysis->Frame(frame, logs->ShownTimeMs());
    return true;
}

void TFormHlav::ShowLinkState()
{
    const StatusLine& status = link.Status();
    controls.labelHlaseni->setText(QString::fromStdString(status.text));
    std::optional<QColor> statusColour;
    if (status.red) {
        statusColour = ErrorColour;
    } else if (status.white) {
        statusColour = QColor(Qt::white);
    }
    SetBackground(controls.labelHlaseni, statusColour);
    controls.labelHlaseni->setVisible(status.visible);
    controls.cGauge->setValue(link.Gauge().value);
    controls.cGauge->setVisible(link.Gauge().visible);
    FitStatusLine(controls.labelHlaseni, link.Gauge().visible);
    controls.labelSpojeni->setVisible(link.ConnectionLabelVisible());
    if (const SilenceReason reason = link.Silence(); hintedSilence != reason) {
        hintedSilence = reason;
        ApplyHint(controls.labelSpojeni, SilenceHint(reason, languageIndex));
    }

    if (link.TakeReadStarted()) {
        controls.labelFile2->clear();
    }
    // The version labels show the unit's header only once the unit has sent
    // it, not a header that came back with the last image.
    if (std::optional<HeaderTexts> header = link.TakeHeaderTexts()) {
        headerTexts = std::move(*header);
    }
    if (const std::optional<TransferEnd> end = link.TakeTransferEnd()) {
        if (link.ReadsIntoCopy()) {
            history->UnitCopyEnded(link.TakeUnitCopy(), link.Status().text);
        } else if (*end == TransferEnd::VerifyOk) {
            history->MarkSaved();
        }
    }
    if (link.TakeImageChanged()) {
        pages->RefillActivePage(image, PageContext{headerTexts, pageAllFlags, messageTable.TextValueLimited});
        UpdateDisplayState();
        views->PageFilled();
        history->TransferChangedImage();
    }
    for (std::string& text : link.TakeMessages()) {
        pendingMessages.push_back(std::move(text));
    }
}

void TFormHlav::ShowMessage(const std::string& text)
{
    messages->ShowMessage(text);
}

// An action ended by an exception may have left anything half done; the
// image as it stands is written out first so that nothing typed is lost.
void TFormHlav::ReportUnexpectedError(const std::string& what)
{
    std::string message = FillIn(messageTable.TextUnexpectedError, {what}) + "\n";
    std::string reason;
    if (WriteLastImageFile(paths.lastImageFile, image, pageAllFlags, &reason)) {
        message += FillIn(messageTable.TextSetWrittenTo, {paths.lastImageFile});
    } else {
        message += FillIn(messageTable.TextUnableToWrite, {paths.lastImageFile}) + "\n" + reason;
    }
    ShowMessage(message);
}

void TFormHlav::ShowQueuedMessages()
{
    if (messageBoxOpen) {
        return;
    }
    messageBoxOpen = true;
    while (!pendingMessages.empty()) {
        const std::string text = pendingMessages.front();
        pendingMessages.pop_front();
        ShowMessage(text);
    }
    messageBoxOpen = false;
}

void TFormHlav::HideStatus()
{
    link.HideStatus();
    ShowLinkState();
}

void TFormHlav::OpenComPort()
{
    if (!IsComPortNumber(comPortNumber)) {
        return;
    }
    std::string error;
    line = ports->Open(comPortNumber, error);
    link.SetLine(line.get());
    if (!line) {
        ShowMessage(error.empty() ? messageTable.TextComOpenError : messageTable.TextComOpenError + "\n" + error);
    }
}

void TFormHlav::CloseComPort()
{
    link.SetLine(nullptr);
    if (line) {
        line->Close();
        line.reset();
    }
}

void TFormHlav::CheckComMenuItem()
{
    for (std::size_t i = 0; i < controls.menuCom.size(); ++i) {
        controls.menuCom[i]->setChecked(static_cast<int>(i) + FirstComPort == comPortNumber);
    }
}

void TFormHlav::WatchComPort()
{
    if (const std::optional<std::string> device = portWatch->Tick(line, comPortNumber)) {
        link.ShowNotice(FillIn(PortTextsFor(languageIndex).reconnected, {std::to_string(comPortNumber), *device}));
    }
}

void TFormHlav::MarkComPorts()
{
    MarkComMenu(controls.menuCom, ListComPorts(&settings), languageIndex);
}

void TFormHlav::MenuCom1Click(int number)
{
    comPortNumber = static_cast<std::uint8_t>(number);
    portWatch->Forget();
    CheckComMenuItem();
    CloseComPort();
    OpenComPort();
}

void TFormHlav::WriteActivePage()
{
    pages->WriteActivePage(image, pageAllFlags);
}

void TFormHlav::FillActivePage()
{
    pages->FillActivePage(image, PageContext{headerTexts, pageAllFlags, messageTable.TextValueLimited});
    UpdateDisplayState();
    views->PageFilled();
}

void TFormHlav::RefreshAfterEdit()
{
    NormaliseImage(image, {&languageIndex, &comPortNumber});
    FillActivePage();
    FillActivePage();
    history->Commit();
    link.ProgramOnChange(pages->ProgramAtOnceTicked());
    ShowLinkState();
}

void TFormHlav::UpdateDisplayState()
{
    for (std::size_t i = 0; i < ModeMenuItems; ++i) {
        controls.ignMode[i]->setChecked(image[Offset::IgnMode] == i);
        controls.jetMode[i]->setChecked(image[Offset::JetMode] == i);
    }
    pages->UpdatePageDisplayState(image, pages->ActivePageIndex());
    const bool servo = image[Offset::ServoEnable] != 0;
    monitor->Label(MonitorLabel::LabelServoPoz)->setVisible(servo);
    monitor->Label(MonitorLabel::LabelServoMer)->setVisible(servo);
}

void TFormHlav::PageControl1Change(int)
{
    FillActivePage();
}

void TFormHlav::SetMessageTexts()
{
    torvana::SetMessageTexts(messageTable, languageIndex);
    if (!controls.labelSpojeni->isHidden()) {
        monitor->Label(MonitorLabel::LabelPocetProgramovani)
            ->setText(QString::fromStdString(messageTable.TextNumberOfProgramming + NumberOfProgrammingUnknown));
    }
}

void TFormHlav::SetLanguageTexts()
{
    for (std::size_t i = 0; i < controls.menuLanguage.size(); ++i) {
        controls.menuLanguage[i]->setChecked(i == languageIndex);
    }
    qtTranslations.Apply(languageIndex);
    ApplyLanguageTexts(this, LanguageTexts(), languageIndex,
                       [this](const QString& target, const QStringList& items) { pages->SetItemList(target, items); });
    history->SetLanguage(languageIndex);
    views->SetLanguage(languageIndex);
    logs->SetLanguage(languageIndex);
    analysis->SetLanguage(languageIndex);
    for (std::size_t i = 0; i < controls.menuCom.size(); ++i) {
        ApplyHint(controls.menuCom[i],
                  QStringLiteral("%1 %2").arg(QString::fromStdString(ComHintPrefix(languageIndex))).arg(i + 1));
    }
    // The port marks are made when the Com menu opens: listing the system's
    // ports takes a tenth of a second, too long for the start or a language switch.
    hintedSilence.reset();
    SetMessageTexts();
}

void TFormHlav::MenuLanguageClick(int language)
{
    languageIndex = static_cast<std::uint8_t>(language);
    SetLanguageTexts();
    FillActivePage();
}

void TFormHlav::MenuNewClick()
{
    const auto step = history->Expect(StepCause::New);
    if (messages->AskYesNoCancel(messageTable.TextDefaultQuestion) != Answer::Yes) {
        return;
    }
    FillDefaultParameters(image);
    RefreshAfterEdit();
    HideStatus();
    controls.labelFile2->clear();
}

void TFormHlav::ComboBoxBikeChange(int bike)
{
    // On change only: re-choosing the variant in use offers nothing.
    if (bike == image[Offset::Bike]) {
        return;
    }
    const auto step = history->Expect(StepCause::Variant);
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    MenuNewClick();
}

void TFormHlav::SetFileName(const QString& fullName)
{
    controls.labelFile2->setText(fullName);
    lastFileName = fullName;
}

void TFormHlav::MenuOpenClick()
{
    const QString name = dialogs->ChooseOpenFile(lastFileName);
    if (!name.isEmpty()) {
        FileOptions options{monitor->ExtMonitor()->isChecked()};
        const ReadResult result = LoadParameterFile(LocalPath(name), image, options);
        if (result.status != ReadStatus::Accepted) {
            ShowMessage(RejectedFileMessage(messageTable, LocalPath(name), result));
        } else {
            monitor->ExtMonitor()->setChecked(options.extMonitor);
            const auto step = history->Expect(StepCause::Open, LocalPath(name));
            RefreshAfterEdit();
            SetFileName(name);
            history->MarkSaved();
        }
    }
    HideStatus();
}

void TFormHlav::MenuSaveClick()
{
    const QString name = dialogs->ChooseSaveFile(lastFileName);
    if (name.isEmpty()) {
        return;
    }
    WriteActivePage();
    NormaliseImage(image, {&languageIndex, &comPortNumber});
    FillActivePage();
    const std::string error =
        SaveParameterFile(LocalPath(name), image, FileOptions{monitor->ExtMonitor()->isChecked()});
    if (!error.empty()) {
        ShowMessage(messageTable.TextOpenFileError + "\n" + error);
        return;
    }
    SetFileName(name);
    history->MarkSaved();
}

void TFormHlav::SpeedButtonPrintClick()
{
    PrintTo(PrintTarget{});
}

void TFormHlav::MenuPrintPdfClick()
{
    PrintTarget target;
    target.kind = PrintTarget::Kind::PdfFile;
    target.pdfFileName = dialogs->ChoosePdfFile(QString());
    if (!target.pdfFileName.isEmpty()) {
        PrintTo(target);
    }
}

void TFormHlav::PrintTo(const PrintTarget& target)
{
    PrintWindow w;
    w.window = this;
    w.clientArea = centralWidget();
    w.statusLine = controls.labelHlaseni;
    w.progressGauge = controls.cGauge;
    w.pages = controls.pageControl1;
    w.activePageIndex = pages->ActivePageIndex();
    w.hiddenNames = MainWindowPrintHiddenNames();
    w.whiteLabelNames = CurveRowLabelNames();
    w.textPrintDate = messageTable.TextPrintDate;
    w.languageIndex = languageIndex;
    w.setPrintingFlag = [this](bool printing) { SetPrintingFlag(printing); };
    // The link owns the status line: it keeps the date and counts it down.
    w.armMessageCountdown = [this](int ticks) {
        link.ShowStatusText(controls.labelHlaseni->text().toStdString(), ticks);
    };
    w.updateDisplayState = [this] { UpdateDisplayState(); };
    w.showMessage = [this](const std::string& text) { ShowMessage(text); };
    PrintParameters(w, target);
}

void TFormHlav::SetPrintingFlag(bool printing)
{
    printingFlag = printing;
    link.SetPrinting(printing);
}

void TFormHlav::MenuReadClick()
{
    history->TransferStarted(StepCause::Read);
    link.StartRead();
    ShowLinkState();
}

void TFormHlav::MenuVerifyClick()
{
    WriteActivePage();
    NormaliseImage(image, {&languageIndex, &comPortNumber});
    FillActivePage();
    link.StartVerify();
    ShowLinkState();
}

void TFormHlav::MenuProgramClick()
{
    WriteActivePage();
    NormaliseImage(image, {&languageIndex, &comPortNumber});
    FillActivePage();
    history->TransferStarted(StepCause::ProgramRefill);
    link.StartProgram();
    ShowLinkState();
}

void TFormHlav::MenuContensClick()
{
    const QString file = QString::fromStdString(messageTable.TextManualFile);
    const QString path = ManualPath(file);
    if (!QFileInfo::exists(path) || !dialogs->OpenDocument(path)) {
        ShowMessage(messageTable.TextManualOpenError);
    }
}

void TFormHlav::MenuAboutClick()
{
    if (!about) {
        about = std::make_unique<TFormAbout>(this);
    }
    about->ShowModal(languageIndex);
}

void TFormHlav::PositionRadioClick()
{
    if (const auto a = SelectedRadio(findChild<QWidget*>(QStringLiteral("RadioGroupPolohaA")))) {
        image[Offset::PositionAReference] = *a;
    }
    if (const auto b = SelectedRadio(findChild<QWidget*>(QStringLiteral("RadioGroupPolohaB")))) {
        image[Offset::PositionBReference] = *b;
    }
    history->Commit();
    link.ProgramOnChange(pages->ProgramAtOnceTicked());
    ShowLinkState();
}

void TFormHlav::ZakazCteniClick(bool checked)
{
    image[Offset::NoReading] = checked ? 1 : 0;
    history->Commit();
    if (auto* box = findChild<QCheckBox*>(QStringLiteral("CheckBoxZakazCteni"))) {
        SetBackground(box, checked ? std::optional<QColor>(ErrorColour) : std::nullopt);
    }
}

WindowSettingsParts TFormHlav::SettingsParts()
{
    return WindowSettingsParts{*this, controls, *pages, *monitor, comPortNumber, languageIndex, lastFileName};
}

void TFormHlav::LoadSettings()
{
    LoadWindowSettings(settings, SettingsParts());
    views->Load(settings);
    logs->Load(settings);
    analysis->Load(settings);
    const LastImageReading reading = ReadLastImage(paths.lastImageFile, image, pageAllFlags);
    if (const auto problem = LastImageProblem(reading, paths.lastImageFile, languageIndex)) {
        ShowMessage(*problem);
    }
}

void TFormHlav::SaveSettings()
{
    // The last image is written even when the settings are not: it is the
    // only copy of an unsaved parameter set. Both failures go in one message.
    std::string message;
    if (const auto error = SaveWindowSettings(settings, SettingsParts())) {
        message = *error;
    } else if (message = views->Save(settings); message.empty()) {
        message = logs->Save(settings);
        if (message.empty()) {
            message = analysis->Save(settings);
        }
    }
    std::string reason;
    if (!WriteLastImageFile(paths.lastImageFile, image, pageAllFlags, &reason)) {
        message += (message.empty() ? "" : "\n\n") + FillIn(messageTable.TextUnableToWrite, {paths.lastImageFile}) +
                   "\n" + reason;
    }
    if (const std::string failure = history->Save(); !failure.empty()) {
        message += (message.empty() ? "" : "\n\n") + FillIn(messageTable.TextUnableToWrite, {history->Paths().historyFile}) +
                   "\n" + failure;
    }
    if (!message.empty()) {
        ShowMessage(message);
    }
}

}  // namespace torvana
