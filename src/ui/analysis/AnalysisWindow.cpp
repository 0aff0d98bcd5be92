#include "ui/analysis/AnalysisWindow.h"

#include "texts/AnalysisTexts.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace torvana {

namespace {

constexpr int LambdaDecimals = 3;
constexpr double LambdaStep = 0.01;
constexpr double LowestSensorLambda = 0.1;
constexpr double HighestSensorLambda = 3.0;
constexpr int LongestDelayMs = 3000;
constexpr int DelayStepMs = 20;
constexpr double SmallestAuthority = 0.1;
constexpr double LargestAuthority = 50.0;
constexpr int PercentDecimals = 1;
constexpr double Percent = 100.0;
// Backgrounds: confident suggestions a light green, unsure ones a light
// yellow, cells without enough samples grey.
const QColor ConfidentColour(0xC8, 0xF0, 0xC8);
const QColor UnsureColour(0xFF, 0xF4, 0xB0);
const QColor TooFewColour(0xE0, 0xE0, 0xE0);

QString Text(AnalysisText text, int language)
{
    return QString::fromStdString(AnalysisTextFor(text, language));
}

QTableWidget* Grid(QWidget* parent, const char* name)
{
    auto* grid = new QTableWidget(CurveRows, CurveColumns, parent);
    grid->setObjectName(name);
    QStringList rows;
    for (int throttle : TpsAxis)
        rows << QStringLiteral("%1%").arg(throttle);
    grid->setVerticalHeaderLabels(rows);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return grid;
}

QTableWidgetItem* TargetItem(double lambda)
{
    auto* item = new QTableWidgetItem(QString::number(lambda, 'f', LambdaDecimals));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

std::optional<QColor> SuggestionColour(const CellSuggestion& suggestion, double applyConfidence)
{
    switch (suggestion.state) {
    case SuggestionState::TooFew: return TooFewColour;
    case SuggestionState::Suggested:
        return suggestion.confidence < applyConfidence ? UnsureColour : ConfidentColour;
    case SuggestionState::NoTable:
    case SuggestionState::NoSamples: break;
    }
    return std::nullopt;
}

AnalysisWindow::AnalysisWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("FormLambda");
    auto* layout = new QVBoxLayout(this);
    BuildSettingsRow();
    BuildButtonRow();
    tabs = new QTabWidget(this);
    suggestions = Grid(tabs, "AnalysisSuggestionGrid");
    suggestions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    target = Grid(tabs, "AnalysisTargetGrid");
    tabs->addTab(suggestions, QString());
    tabs->addTab(target, QString());
    summary = new QLabel(this);
    summary->setObjectName("AnalysisSummaryLabel");
    summary->setWordWrap(true);
    layout->addWidget(tabs, 1);
    layout->addWidget(summary);
    connect(target, &QTableWidget::itemChanged, this, &AnalysisWindow::TargetItemChanged);
    resize(900, 480);
}

void AnalysisWindow::BuildSettingsRow()
{
    auto* row = new QHBoxLayout;
    wideBand = new QRadioButton(this);
    wideBand->setObjectName("AnalysisWideBandRadio");
    narrowBand = new QRadioButton(this);
    narrowBand->setObjectName("AnalysisNarrowBandRadio");
    const auto lambdaBox = [this](const char* name) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setDecimals(LambdaDecimals);
        box->setSingleStep(LambdaStep);
        box->setRange(LowestSensorLambda, HighestSensorLambda);
        return box;
    };
    lambdaZero = lambdaBox("AnalysisLambdaZeroEdit");
    lambdaFive = lambdaBox("AnalysisLambdaFiveEdit");
    delay = new QSpinBox(this);
    delay->setObjectName("AnalysisDelayEdit");
    delay->setRange(0, LongestDelayMs);
    delay->setSingleStep(DelayStepMs);
    authority = new QDoubleSpinBox(this);
    authority->setObjectName("AnalysisAuthorityEdit");
    authority->setDecimals(PercentDecimals);
    authority->setRange(SmallestAuthority, LargestAuthority);
    const auto label = [this](const char* name) {
        auto* text = new QLabel(this);
        text->setObjectName(name);
        return text;
    };
    row->addWidget(wideBand);
    row->addWidget(narrowBand);
    row->addWidget(label("AnalysisLambdaZeroLabel"));
    row->addWidget(lambdaZero);
    row->addWidget(label("AnalysisLambdaFiveLabel"));
    row->addWidget(lambdaFive);
    row->addWidget(label("AnalysisDelayLabel"));
    row->addWidget(delay);
    row->addWidget(label("AnalysisAuthorityLabel"));
    row->addWidget(authority);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    const auto edited = [this] {
        if (!filling)
            emit OptionsEdited();
    };
    connect(wideBand, &QRadioButton::toggled, this, edited);
    connect(lambdaZero, &QDoubleSpinBox::valueChanged, this, edited);
    connect(lambdaFive, &QDoubleSpinBox::valueChanged, this, edited);
    connect(delay, &QSpinBox::valueChanged, this, edited);
    connect(authority, &QDoubleSpinBox::valueChanged, this, edited);
}

void AnalysisWindow::BuildButtonRow()
{
    auto* row = new QHBoxLayout;
    live = new QCheckBox(this);
    live->setObjectName("AnalysisLiveCheckBox");
    connect(live, &QCheckBox::toggled, this, &AnalysisWindow::LiveToggled);
    row->addWidget(live);
    const auto button = [this, row](const char* name, void (AnalysisWindow::*signal)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, signal);
        row->addWidget(b);
    };
    button("AnalysisOpenLogButton", &AnalysisWindow::OpenLogClicked);
    button("AnalysisDelayButton", &AnalysisWindow::DelayClicked);
    button("AnalysisClearButton", &AnalysisWindow::ClearClicked);
    button("AnalysisApplyChosenButton", &AnalysisWindow::ApplyChosenClicked);
    button("AnalysisApplyConfidentButton", &AnalysisWindow::ApplyConfidentClicked);
    button("AnalysisSaveTargetButton", &AnalysisWindow::SaveTargetClicked);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void AnalysisWindow::ShowOptions(const AnalysisOptions& options)
{
    filling = true;
    wideBand->setChecked(options.sensor.kind == SensorKind::WideBand);
    narrowBand->setChecked(options.sensor.kind == SensorKind::NarrowBand);
    lambdaZero->setValue(options.sensor.lambdaAtZeroVolts);
    lambdaFive->setValue(options.sensor.lambdaAtFiveVolts);
    delay->setValue(options.delayMs);
    authority->setValue(options.authorityPercent);
    filling = false;
}

AnalysisOptions AnalysisWindow::EditedOptions(AnalysisOptions options) const
{
    if (wideBand->isChecked() != (options.sensor.kind == SensorKind::WideBand))
        options.sensor = wideBand->isChecked() ? WideBandDefaults() : NarrowBandDefaults();
    options.sensor.lambdaAtZeroVolts = lambdaZero->value();
    options.sensor.lambdaAtFiveVolts = lambdaFive->value();
    options.delayMs = delay->value();
    options.authorityPercent = authority->value();
    return options;
}

void AnalysisWindow::ShowTarget(const LambdaGrid& grid)
{
    shownTarget = grid;
    filling = true;
    for (int r = 0; r < CurveRows; ++r)
        for (int c = 0; c < CurveColumns; ++c)
            target->setItem(r, c, TargetItem(grid[r][c]));
    filling = false;
}

// A typed value outside the target's range goes back to what it was.
void AnalysisWindow::TargetItemChanged(QTableWidgetItem* item)
{
    if (filling)
        return;
    bool ok = false;
    // A decimal comma as typed in German, French or Czech.
    const double value = QString(item->text()).replace(u',', u'.').trimmed().toDouble(&ok);
    const double shown = shownTarget[item->row()][item->column()];
    if (ok && value >= LowestTargetLambda && value <= HighestTargetLambda) {
        shownTarget[item->row()][item->column()] = value;
        emit TargetEdited();
        return;
    }
    const QString typed = item->text();
    filling = true;
    item->setText(QString::number(shown, 'f', LambdaDecimals));
    filling = false;
    emit TargetRefused(typed);
}

void AnalysisWindow::ShowSuggestions(const std::array<int, CurveColumns>& rpmAxis, const SuggestionGrid& grid,
                                     double applyConfidence, int language)
{
    QStringList columns;
    for (int rpm : rpmAxis)
        columns << QString::number(rpm);
    suggestions->setHorizontalHeaderLabels(columns);
    target->setHorizontalHeaderLabels(columns);
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            const CellSuggestion& s = grid[r][c];
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            switch (s.state) {
            case SuggestionState::NoTable: item->setToolTip(Text(AnalysisText::CellNoTable, language)); break;
            case SuggestionState::NoSamples: item->setToolTip(Text(AnalysisText::CellNoSamples, language)); break;
            case SuggestionState::TooFew:
                item->setText(QStringLiteral("·"));
                item->setBackground(*SuggestionColour(s, applyConfidence));
                item->setToolTip(Text(AnalysisText::CellTooFew, language).arg(s.weight, 0, 'f', 1));
                break;
            case SuggestionState::Suggested: {
                item->setText(QStringLiteral("%1%2").arg(s.percent > 0 ? "+" : "").arg(s.percent, 0, 'f', 1));
                // Green exactly where "Apply all confident" acts; bold where the
                // authority holds the change back.
                item->setBackground(*SuggestionColour(s, applyConfidence));
                if (s.Limited()) {
                    QFont bold = item->font();
                    bold.setBold(true);
                    item->setFont(bold);
                }
                QString tip = Text(AnalysisText::CellSuggested, language)
                                  .arg(s.unlimitedPercent, 0, 'f', 1)
                                  .arg(s.weight, 0, 'f', 1)
                                  .arg(std::lround(s.confidence * Percent));
                if (s.Limited())
                    tip += Text(AnalysisText::CellLimited, language);
                item->setToolTip(tip);
                break;
            }
            }
            suggestions->setItem(r, c, item);
        }
    }
}

void AnalysisWindow::ShowSummary(const QString& text)
{
    summary->setText(text);
}

CellChoice AnalysisWindow::ChosenCells() const
{
    CellChoice chosen{};
    for (const QModelIndex& index : suggestions->selectionModel()->selectedIndexes())
        chosen[index.row()][index.column()] = true;
    return chosen;
}

bool AnalysisWindow::Live() const
{
    return live->isChecked();
}

void AnalysisWindow::SetLanguage(int language)
{
    setWindowTitle(Text(AnalysisText::WindowTitle, language));
    tabs->setTabText(0, Text(AnalysisText::SuggestionTab, language));
    tabs->setTabText(1, Text(AnalysisText::TargetTab, language));
}

}  // namespace torvana
