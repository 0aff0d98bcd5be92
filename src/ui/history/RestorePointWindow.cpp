#include "ui/history/RestorePointWindow.h"

#include "texts/HistoryTexts.h"
#include "texts/LanguageTexts.h"
#include "ui/LanguageApplier.h"
#include "ui/history/HistoryWiring.h"
#include "ui/history/StepLabel.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace torvana {

namespace {

constexpr int ColumnCount = 4;
constexpr int NameColumn = 2;  // the file name or unit version takes the room left
constexpr int WindowWidth = 640;
constexpr int WindowHeight = 420;
constexpr int AllCausesItem = -1;

QPushButton* Button(QWidget* parent, const char* name, QLayout* layout)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

}  // namespace

TFormRestorePoints::TFormRestorePoints(QWidget* parent, HistoryWiring& history,
                                       std::function<void(const RestorePoint&)> compare)
    : QDialog(parent), history(history), compare(std::move(compare))
{
    setObjectName(QStringLiteral("TFormRestorePoints"));
    resize(WindowWidth, WindowHeight);
    auto* layout = new QVBoxLayout(this);
    causeFilter = new QComboBox(this);
    causeFilter->setObjectName(QStringLiteral("ComboBoxRestoreCause"));
    layout->addWidget(causeFilter);
    list = new QTableWidget(0, ColumnCount, this);
    list->setObjectName(QStringLiteral("ListRestorePoints"));
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    list->verticalHeader()->hide();
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    connect(Button(this, "ButtonRestorePoint", buttons), &QPushButton::clicked, this, &TFormRestorePoints::RestoreClick);
    connect(Button(this, "ButtonPinRestorePoint", buttons), &QPushButton::clicked, this, &TFormRestorePoints::PinClick);
    connect(Button(this, "ButtonCompareRestorePoint", buttons), &QPushButton::clicked, this,
            &TFormRestorePoints::CompareClick);
    buttons->addStretch();
    connect(Button(this, "ButtonCloseRestorePoints", buttons), &QPushButton::clicked, this, &QDialog::close);
    connect(causeFilter, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    connect(list, &QTableWidget::cellDoubleClicked, this, [this] { RestoreClick(); });
}

void TFormRestorePoints::Refresh(int language)
{
    languageIndex = language;
    setWindowTitle(QString::fromStdString(LocalisedFor("TFormRestorePoints", TextKind::Caption, languageIndex)));
    ApplyLanguageTexts(this, HistoryCaptionTexts(), languageIndex, {});
    const auto text = [this](HistoryText id) { return QString::fromStdString(HistoryTextFor(id, languageIndex)); };
    list->setHorizontalHeaderLabels({text(HistoryText::ColumnTime), text(HistoryText::ColumnCause),
                                     text(HistoryText::ColumnName), text(HistoryText::Pinned)});
    listing = history.RestorePoints().List();
    const int chosen = causeFilter->currentData().isValid() ? causeFilter->currentData().toInt() : AllCausesItem;
    {
        const QSignalBlocker blocker(causeFilter);
        causeFilter->clear();
        causeFilter->addItem(text(HistoryText::AllCauses), AllCausesItem);
        for (int cause = 0; cause < StepCauseCount; ++cause)
            causeFilter->addItem(CauseText(static_cast<StepCause>(cause), languageIndex), cause);
        causeFilter->setCurrentIndex(std::max(0, causeFilter->findData(chosen)));
    }
    Fill();
    for (const std::string& problem : listing.problems)
        history.ShowProblem(HistoryTextFor(HistoryText::RestorePointUnreadable, languageIndex) + "\n" + problem);
}

void TFormRestorePoints::Fill()
{
    const int cause = causeFilter->currentData().toInt();
    shown.clear();
    for (const RestorePoint& point : listing.points) {
        if (cause == AllCausesItem || static_cast<int>(point.cause) == cause)
            shown.push_back(point);
    }
    list->setRowCount(static_cast<int>(shown.size()));
    const QString pinned = QString::fromStdString(HistoryTextFor(HistoryText::Pinned, languageIndex));
    for (int row = 0; row < list->rowCount(); ++row) {
        const RestorePoint& point = shown[static_cast<std::size_t>(row)];
        const QStringList cells = {
            QDateTime::fromMSecsSinceEpoch(point.timeMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            CauseText(point.cause, languageIndex), QString::fromStdString(point.name),
            point.pinned ? pinned : QString()};
        for (int column = 0; column < ColumnCount; ++column)
            list->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    list->resizeColumnsToContents();
    if (!shown.empty())
        list->selectRow(0);
}

const RestorePoint* TFormRestorePoints::Selected() const
{
    const int row = list->currentRow();
    return row >= 0 && row < static_cast<int>(shown.size()) ? &shown[static_cast<std::size_t>(row)] : nullptr;
}

void TFormRestorePoints::RestoreClick()
{
    if (const RestorePoint* point = Selected()) {
        const RestorePoint chosen = *point;  // the list is read again by the step's own restore point
        history.ApplyAsStep(chosen.state, StepCause::Restore, chosen.name);
        Refresh(languageIndex);
    }
}

void TFormRestorePoints::PinClick()
{
    if (const RestorePoint* point = Selected()) {
        const int row = list->currentRow();
        const std::string failure = history.RestorePoints().SetPinned(*point, !point->pinned);
        if (!failure.empty())
            history.ShowProblem(HistoryTextFor(HistoryText::RestorePointNotPinned, languageIndex) + "\n" +
                                point->path + ": " + failure);
        Refresh(languageIndex);
        list->selectRow(row);
    }
}

void TFormRestorePoints::CompareClick()
{
    if (const RestorePoint* point = Selected())
        compare(*point);
}

}  // namespace torvana
