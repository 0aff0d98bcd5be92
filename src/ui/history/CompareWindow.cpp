#include "ui/history/CompareWindow.h"

#include "history/ParameterDiff.h"

#include "texts/HistoryTexts.h"
#include "texts/LanguageTexts.h"
#include "ui/LanguageApplier.h"
#include "ui/history/HistoryWiring.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace torvana {

namespace {

constexpr int WindowWidth = 560;
constexpr int WindowHeight = 480;
constexpr int ColumnParameter = 0;
constexpr int ColumnEditor = 1;
constexpr int ColumnOther = 2;
constexpr int DifferenceRole = Qt::UserRole;

}  // namespace

TFormCompare::TFormCompare(QWidget* parent, HistoryWiring& history, const QTabWidget& pages)
    : QDialog(parent), history(history), pages(pages)
{
    setObjectName(QStringLiteral("TFormCompare"));
    resize(WindowWidth, WindowHeight);
    auto* layout = new QVBoxLayout(this);
    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("LabelCompareSummary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    tree = new QTreeWidget(this);
    tree->setObjectName(QStringLiteral("TreeDifferences"));
    tree->setColumnCount(ColumnOther + 1);
    tree->header()->setStretchLastSection(true);
    layout->addWidget(tree);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* withFile = new QPushButton(this);
    withFile->setObjectName(QStringLiteral("ButtonCompareFile"));
    buttons->addWidget(withFile);
    auto* withUnit = new QPushButton(this);
    withUnit->setObjectName(QStringLiteral("ButtonCompareUnit"));
    buttons->addWidget(withUnit);
    buttons->addStretch();
    auto* take = new QPushButton(this);
    take->setObjectName(QStringLiteral("ButtonTakeDifferences"));
    buttons->addWidget(take);
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("ButtonCloseCompare"));
    buttons->addWidget(close);
    connect(withFile, &QPushButton::clicked, &history, &HistoryWiring::CompareWithFile);
    connect(withUnit, &QPushButton::clicked, &history, &HistoryWiring::CompareWithUnit);
    connect(take, &QPushButton::clicked, this, &TFormCompare::TakeClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

TFormCompare::~TFormCompare() = default;

std::size_t TFormCompare::DifferenceCount() const { return differences.size(); }

ParameterSet TFormCompare::Editor() const
{
    // The monitor option is the window's, not the set's: it never differs here.
    return ParameterSet{history.CurrentState().image, otherOptions};
}

ParameterSet TFormCompare::Other() const
{
    return ParameterSet{otherImage, otherOptions};
}

void TFormCompare::CompareWith(const ParameterSet& set, const std::string& name, int language)
{
    otherImage = set.image;
    otherOptions = set.options;
    otherName = name;
    languageIndex = language;
    const auto text = [this](HistoryText id) { return QString::fromStdString(HistoryTextFor(id, languageIndex)); };
    setWindowTitle(QString::fromStdString(LocalisedFor("TFormCompare", TextKind::Caption, languageIndex)) +
                   QStringLiteral(": ") + QString::fromStdString(name));
    ApplyLanguageTexts(this, HistoryCaptionTexts(), languageIndex, {});
    tree->setHeaderLabels({text(HistoryText::ColumnParameter), text(HistoryText::ColumnEditor),
                           text(HistoryText::ColumnOther)});
    differences = ParameterDifferences(Editor(), Other());
    summary->setText(differences.empty()
                         ? text(HistoryText::CompareEqual)
                         : QStringLiteral("%1 %2").arg(text(HistoryText::CompareCount)).arg(differences.size()));
    tree->clear();
    std::vector<QTreeWidgetItem*> groups(static_cast<std::size_t>(pages.count()), nullptr);
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const ParameterDifference& difference = differences[i];
        const auto page = static_cast<std::size_t>(difference.page);
        if (page < groups.size() && !groups[page]) {
            groups[page] = new QTreeWidgetItem(tree, {pages.tabText(difference.page).remove(QLatin1Char('&'))});
            groups[page]->setFlags(groups[page]->flags() | Qt::ItemIsAutoTristate | Qt::ItemIsUserCheckable);
            groups[page]->setExpanded(true);
        }
        const QString key = QString::fromUtf8(difference.key->name.data(),
                                              static_cast<qsizetype>(difference.key->name.size()));
        auto* item = new QTreeWidgetItem({QStringLiteral("%1[%2]").arg(key).arg(difference.element),
                                          QString::number(difference.valueA), QString::number(difference.valueB)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(ColumnParameter, Qt::Unchecked);
        item->setData(ColumnParameter, DifferenceRole, static_cast<qulonglong>(i));
        if (page < groups.size())
            groups[page]->addChild(item);
        else
            tree->addTopLevelItem(item);
    }
    tree->resizeColumnToContents(ColumnParameter);
}

void TFormCompare::TakeClick()
{
    std::vector<ParameterDifference> chosen;
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::Checked); *it; ++it) {
        const QVariant index = (*it)->data(ColumnParameter, DifferenceRole);
        if (index.isValid())
            chosen.push_back(differences[index.toULongLong()]);
    }
    if (chosen.empty())
        return;
    ParameterSet editor = Editor();
    TakeDifferences(editor, Other(), chosen);
    EditorState state = history.CurrentState();
    state.image = editor.image;
    history.ApplyAsStep(state, StepCause::Compare, otherName);
    CompareWith(Other(), otherName, languageIndex);
}

}  // namespace torvana
