#include "ui/analysis/AnalysisWiring.h"

#include "analysis/AnalysisSettings.h"
#include "analysis/CellWeights.h"
#include "analysis/DelayEstimate.h"
#include "link/MonitorLogRow.h"
#include "log/LogCsv.h"
#include "settings/IniFile.h"
#include "texts/AnalysisTexts.h"
#include "ui/analysis/AnalysisWindow.h"
#include "ui/tools/CellChanges.h"

#include <filesystem>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenuBar>

namespace torvana {

namespace {

constexpr int DefaultTable = 3;  // Jet 1A
constexpr int LastTable = CurveCount - 1;
constexpr std::int64_t RefreshMs = 1000;  // live suggestions, at most once a second
constexpr std::array<const char*, CurveCount> TableNames = {"Ign 1",  "Ign 2",  "Ign 3",  "Jet 1A", "Jet 2A",
                                                            "Jet 3A", "Jet 1B", "Jet 2B", "Jet 3B"};

QString Of(AnalysisText text, int language)
{
    return QString::fromStdString(AnalysisTextFor(text, language));
}

}  // namespace

AnalysisWiring::AnalysisWiring(QMainWindow& mainWindow, AnalysisHost host, std::string logFolder)
    : QObject(&mainWindow), host(std::move(host)), logFolder(std::move(logFolder))
{
    QMenu* menu = mainWindow.menuBar()->addMenu(QString());
    menu->setObjectName("MenuLambda");
    QAction* open = menu->addAction(QString());
    open->setObjectName("MenuLambdaAnalysis");
    connect(open, &QAction::triggered, this, &AnalysisWiring::OpenWindow);
    chooseFile = [this](const QString& folder) {
        const QString title = Of(AnalysisText::LogDialogTitle, language);
        return QFileDialog::getOpenFileName(window, title, folder, QStringLiteral("*.csv"));
    };

    window = new AnalysisWindow(&mainWindow);
    connect(window, &AnalysisWindow::OptionsEdited, this, [this] {
        options = window->EditedOptions(options);
        Restart();
    });
    connect(window, &AnalysisWindow::TargetEdited, this, [this] {
        target = window->Target();
        Restart();
    });
    connect(window, &AnalysisWindow::TargetRefused, this, [this](const QString& typed) {
        this->host.showMessage(Of(AnalysisText::TargetValueRefused, language).arg(typed).toStdString());
    });
    connect(window, &AnalysisWindow::OpenLogClicked, this, [this] {
        const QString path = chooseFile(QString::fromStdString(this->logFolder));
        if (!path.isEmpty())
            AnalyseLog(path);
    });
    connect(window, &AnalysisWindow::ClearClicked, this, [this] {
        lastLog.clear();
        Restart();
    });
    // Live off keeps what was gathered; live on after a log starts afresh,
    // so that a log and the engine never mix.
    connect(window, &AnalysisWindow::LiveToggled, this, [this](bool on) {
        if (on && !lastLog.empty()) {
            lastLog.clear();
            Restart();
        } else {
            Refresh();
        }
    });
    connect(window, &AnalysisWindow::DelayClicked, this, &AnalysisWiring::EstimateDelayClicked);
    connect(window, &AnalysisWindow::ApplyChosenClicked, this, &AnalysisWiring::ApplyChosen);
    connect(window, &AnalysisWindow::ApplyConfidentClicked, this, &AnalysisWiring::ApplyConfident);
    connect(window, &AnalysisWindow::SaveTargetClicked, this, &AnalysisWiring::SaveTargetClicked);
}

AnalysisWiring::~AnalysisWiring() = default;

int AnalysisWiring::Table() const
{
    const int page = host.activePage();
    return page > IgnitionCurveCount - 1 && page <= LastTable ? page : DefaultTable;
}

// The target of the parameter file in use; one edited for the same file
// stays as the tuner left it.
void AnalysisWiring::LoadTarget()
{
    const std::string path = TargetLambdaPath(host.parameterFile(), host.dataFolder);
    if (path == targetPath)
        return;
    targetPath = path;
    target = DefaultTargetLambda();
    const TargetLambdaParse read = LoadTargetLambda(path);
    if (read.ok) {
        target = read.grid;
    } else if (std::filesystem::exists(path)) {
        host.showMessage(Of(AnalysisText::TargetRefused, language)
                             .arg(QString::fromStdString(path), QString::fromStdString(read.error))
                             .toStdString());
    }
}

void AnalysisWiring::OpenWindow()
{
    LoadTarget();
    window->ShowOptions(options);
    window->ShowTarget(target);
    Restart();
    window->show();
    window->raise();
}

// A new analysis of the table in use with the present settings; a log
// analysed before is analysed again.
void AnalysisWiring::Restart()
{
    analysedTable = Table();
    analysis = std::make_unique<LambdaAnalysis>(options, InjectionTableOf(host.image, analysedTable), target);
    if (!lastLog.empty()) {
        analysis->Add(lastLog);
        analysis->Finish();
    }
    Refresh();
}

void AnalysisWiring::Refresh()
{
    dirty = false;
    if (!analysis)
        return;
    shown = analysis->Suggestions();
    window->ShowSuggestions(RpmAxisOf(host.image, analysedTable), shown, options.applyConfidence, language);
    if (suggestionsShown)
        suggestionsShown();
    QString summary = QStringLiteral("%1: %2").arg(TableNames[analysedTable],
                                                   Of(AnalysisText::Accepted, language).arg(analysis->Accepted()));
    const RejectionCounts& counts = analysis->Rejections();
    for (int r = 0; r < RejectionCount; ++r)
        if (counts[r] > 0)
            summary += QStringLiteral("; %1 %2").arg(
                Of(static_cast<AnalysisText>(static_cast<int>(AnalysisText::RejectEngineSpeed) + r), language))
                           .arg(counts[r]);
    window->ShowSummary(summary);
}

std::optional<QColor> AnalysisWiring::SuggestionShade(int curve, int row, int column) const
{
    if (!analysis || curve != analysedTable)
        return std::nullopt;
    return SuggestionColour(shown[row][column], options.applyConfidence);
}

void AnalysisWiring::Frame(const UnitFrame& frame, std::int64_t timeMs)
{
    if (!window->Live() || !analysis)
        return;
    LogRow row = MonitorLogRow(frame.data());
    row.timeMs = timeMs;
    analysis->Add(row);
    dirty = true;
}

void AnalysisWiring::Tick(std::int64_t nowMs)
{
    if (dirty && window->isVisible() && nowMs - lastRefresh >= RefreshMs) {
        lastRefresh = nowMs;
        Refresh();
    }
}

void AnalysisWiring::AnalyseLog(const QString& path)
{
    const LogParse parsed = ReadLogFile(path.toStdString());
    if (!parsed.ok) {
        host.showMessage(
            Of(AnalysisText::LogRefused, language).arg(path, QString::fromStdString(parsed.error)).toStdString());
        return;
    }
    lastLog = parsed.table.rows;
    Restart();
    host.showStatus(Of(AnalysisText::LogAnalysed, language).arg(lastLog.size()).arg(path).toStdString());
}

void AnalysisWiring::EstimateDelayClicked()
{
    const DelayEstimate estimate = EstimateDelay(lastLog);
    if (!estimate.found) {
        host.showMessage(AnalysisTextFor(AnalysisText::DelayNotFound, language));
        return;
    }
    options.delayMs = estimate.delayMs;
    window->ShowOptions(options);
    Restart();
    host.showStatus(
        Of(AnalysisText::DelayFound, language).arg(estimate.delayMs).arg(estimate.correlation, 0, 'f', 2).toStdString());
}

void AnalysisWiring::ApplyChosen()
{
    const CellChoice chosen = window->ChosenCells();
    Apply(&chosen);
}

void AnalysisWiring::ApplyConfident()
{
    Apply(nullptr);
}

// On the table analysed, whichever page is shown: the summary names it.
void AnalysisWiring::Apply(const CellChoice* chosen)
{
    if (!analysis)
        return;
    host.commitTyped();
    const std::vector<CellChange> changes = SuggestedChanges(
        analysis->Suggestions(), InjectionTableOf(host.image, analysedTable).stored, chosen, options.applyConfidence);
    if (changes.empty()) {
        host.showMessage(AnalysisTextFor(AnalysisText::NothingToApply, language));
        return;
    }
    if (!StoreCellChanges(host.image, analysedTable, changes).acted) {
        host.showMessage(AnalysisTextFor(AnalysisText::NotInjectionPage, language));
        return;
    }
    host.finishStep();
    // The table has changed: what was gathered on the old one no longer holds.
    lastLog.clear();
    Restart();
    host.showStatus(Of(AnalysisText::Applied, language).arg(changes.size()).toStdString());
}

void AnalysisWiring::SaveTargetClicked()
{
    const std::string path = TargetLambdaPath(host.parameterFile(), host.dataFolder);
    targetPath = path;
    std::error_code ignored;  // a folder that cannot be made fails the write, which says why
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const std::string failure = SaveTargetLambda(path, target);
    const QString file = QString::fromStdString(path);
    if (failure.empty())
        host.showStatus(Of(AnalysisText::TargetSaved, language).arg(file).toStdString());
    else
        host.showMessage(
            Of(AnalysisText::TargetNotSaved, language).arg(file, QString::fromStdString(failure)).toStdString());
}

void AnalysisWiring::SetLanguage(int languageIndex)
{
    language = languageIndex;
    window->SetLanguage(languageIndex);
    Refresh();
}

void AnalysisWiring::Load(const IniFile& settings)
{
    const AnalysisSettingsRead read = ReadAnalysisSettings(settings);
    options = read.options;
    for (const std::string& problem : read.problems)
        host.showMessage(
            Of(AnalysisText::SettingsProblem, language).arg(QString::fromStdString(problem)).toStdString());
}

std::string AnalysisWiring::Save(IniFile& settings) const
{
    return WriteAnalysisSettings(settings, options);
}

}  // namespace torvana
