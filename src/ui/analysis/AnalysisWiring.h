#pragma once
// The window's side of the lambda analysis: the Lambda menu after the
// design's menus, the analysis window, live accumulation from the monitor
// frames, recorded logs, the target-lambda file beside the parameter file,
// the settings section, and Apply through the one edit path.

#include "analysis/LambdaAnalysis.h"
#include "core/ImageLayout.h"
#include "link/UnitFrame.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMainWindow;

namespace torvana {

class AnalysisWindow;
class IniFile;

struct AnalysisHost {
    ParameterImage& image;
    std::function<int()> activePage;
    // Stores what is typed into the page as a step of its own.
    std::function<void()> commitTyped;
    // Ends an apply through the edit path as one step.
    std::function<void()> finishStep;
    std::function<void(const std::string&)> showMessage;  // faults, in a box
    std::function<void(const std::string&)> showStatus;   // what went well, in the status line
    std::function<std::string()> parameterFile;  // empty: none opened or saved
    std::string dataFolder;
};

class AnalysisWiring : public QObject {
public:
    using FileChooser = std::function<QString(const QString& folder)>;

    AnalysisWiring(QMainWindow& window, AnalysisHost host, std::string logFolder);
    ~AnalysisWiring() override;

    // Every frame the live area shows, at the time the window shows it
    // (milliseconds, steady); the timer's ticks at the same clock.
    void Frame(const UnitFrame& frame, std::int64_t timeMs);
    void Tick(std::int64_t nowMs);
    void SetLanguage(int languageIndex);
    void Load(const IniFile& settings);
    // Empty, or why the file could not be written.
    std::string Save(IniFile& settings) const;

    void OpenWindow();
    void AnalyseLog(const QString& path);
    void ApplyChosen();
    void ApplyConfident();

    // A cell's colour as the analysis window shows it; none on the other
    // tables and before the window was opened.
    std::optional<QColor> SuggestionShade(int curve, int row, int column) const;
    // Called whenever the shown suggestions change.
    void SetSuggestionsShown(std::function<void()> value) { suggestionsShown = std::move(value); }

    AnalysisWindow& Window() const { return *window; }
    const AnalysisOptions& Options() const { return options; }
    void SetFileChooser(FileChooser value) { chooseFile = std::move(value); }

private:
    int Table() const;
    void Restart();
    void Refresh();
    void Apply(const CellChoice* chosen);
    void EstimateDelayClicked();
    void SaveTargetClicked();
    void LoadTarget();

    AnalysisHost host;
    std::string logFolder;
    AnalysisWindow* window = nullptr;
    AnalysisOptions options;
    LambdaGrid target = DefaultTargetLambda();
    std::string targetPath;  // the file the target belongs to
    std::unique_ptr<LambdaAnalysis> analysis;
    SuggestionGrid shown{};  // what the window shows, for the layer on the pages
    std::function<void()> suggestionsShown;
    int analysedTable = 0;
    std::vector<LogRow> lastLog;  // for the delay estimate
    FileChooser chooseFile;
    bool dirty = false;  // live samples since the last refresh
    std::int64_t lastRefresh = 0;
    int language = 0;
};

}  // namespace torvana
