#pragma once
// The lambda analysis window: the sensor and its settings, the suggestions
// over the injection table's cells, the target-lambda table, and the
// buttons that analyse a log, estimate the delay and apply. It only shows;
// AnalysisWiring decides.

#include "analysis/AnalysisOptions.h"
#include "analysis/LambdaSamples.h"
#include "analysis/Suggestions.h"
#include "analysis/TargetLambda.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTabWidget;

namespace torvana {

// A suggestion's background: green where "Apply all confident" acts, yellow
// less sure, grey too few samples; none without samples.
std::optional<QColor> SuggestionColour(const CellSuggestion& suggestion, double applyConfidence);

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(QWidget* parent = nullptr);

    void ShowOptions(const AnalysisOptions& options);
    // The options with what the tuner set in the window.
    AnalysisOptions EditedOptions(AnalysisOptions options) const;
    void ShowTarget(const LambdaGrid& target);
    const LambdaGrid& Target() const { return shownTarget; }
    // rpmAxis labels the columns of both grids; the cells show each suggestion, green
    // when it would be applied with the confident ones.
    void ShowSuggestions(const std::array<int, CurveColumns>& rpmAxis, const SuggestionGrid& grid,
                         double applyConfidence, int language);
    void ShowSummary(const QString& text);
    CellChoice ChosenCells() const;
    bool Live() const;
    void SetLanguage(int language);

signals:
    void OptionsEdited();
    void TargetEdited();
    void TargetRefused(const QString& typed);
    void OpenLogClicked();
    void ClearClicked();
    void DelayClicked();
    void ApplyChosenClicked();
    void ApplyConfidentClicked();
    void SaveTargetClicked();
    void LiveToggled(bool on);

private:
    void BuildSettingsRow();
    void BuildButtonRow();
    void TargetItemChanged(QTableWidgetItem* item);

    QRadioButton* wideBand = nullptr;
    QRadioButton* narrowBand = nullptr;
    QDoubleSpinBox* lambdaZero = nullptr;
    QDoubleSpinBox* lambdaFive = nullptr;
    QSpinBox* delay = nullptr;
    QDoubleSpinBox* authority = nullptr;
    QCheckBox* live = nullptr;
    QTabWidget* tabs = nullptr;
    QTableWidget* suggestions = nullptr;
    QTableWidget* target = nullptr;
    QLabel* summary = nullptr;
    LambdaGrid shownTarget = DefaultTargetLambda();
    bool filling = false;  // the window is filling its controls, not the tuner
};

}  // namespace torvana
