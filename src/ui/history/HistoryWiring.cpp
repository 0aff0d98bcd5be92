#include "ui/history/HistoryWiring.h"

#include "core/Defaults.h"
#include "core/Header.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "history/HistoryFile.h"
#include "history/ParameterDiff.h"
#include "texts/HistoryTexts.h"
#include "texts/LanguageTexts.h"
#include "texts/MessageTable.h"
#include "ui/history/CompareWindow.h"
#include "ui/history/RestorePointWindow.h"
#include "ui/history/StepLabel.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace torvana {

namespace {

constexpr const char* TitleTarget = "TFormHlav";
constexpr const char* ModifiedMark = " *";

std::int64_t NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

// A Read keeps its restore point when it starts, since a Read that fails
// half way has already changed the image.
bool KeepsRestorePointOnCommit(StepCause cause)
{
    return cause != StepCause::Read && ReplacesWholeSet(cause);
}

// Undo and redo keys reach the Edit menu even from an edit box of the
// window, whose own text undo would otherwise take them.
class UndoKeyFilter : public QObject {
public:
    explicit UndoKeyFilter(QWidget& window, QObject* parent) : QObject(parent), window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::ShortcutOverride && widget && widget->window() == &window) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window;
};

}  // namespace

HistoryWiring::Expectation::~Expectation()
{
    if (owner)
        owner->expected.reset();
}

HistoryWiring::HistoryWiring(QMainWindow& window, HistoryHost host, HistoryPaths paths)
    : QObject(&window), window(window), host(std::move(host)), paths(std::move(paths)),
      restorePoints(this->paths.restorePoints)
{
    BuildMenu();
}

void HistoryWiring::BuildMenu()
{
    menuEdit = new QMenu(&window);
    menuEdit->setObjectName(QStringLiteral("MenuEdit"));
    QMenuBar* bar = window.menuBar();
    const QList<QAction*> menus = bar->actions();
    // Right after File, before the design's other menus.
    if (menus.size() > 1)
        bar->insertMenu(menus[1], menuEdit);
    else
        bar->addMenu(menuEdit);
    menuUndo = menuEdit->addAction(QString());
    menuUndo->setObjectName(QStringLiteral("MenuUndo"));
    menuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menuRedo = menuEdit->addAction(QString());
    menuRedo->setObjectName(QStringLiteral("MenuRedo"));
    menuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menuEdit->addSeparator();
    menuRestorePoints = menuEdit->addAction(QString());
    menuRestorePoints->setObjectName(QStringLiteral("MenuRestorePoints"));
    menuCompare = menuEdit->addAction(QString());
    menuCompare->setObjectName(QStringLiteral("MenuCompare"));
    menuCompareUnit = menuEdit->addAction(QString());
    menuCompareUnit->setObjectName(QStringLiteral("MenuCompareUnit"));
    connect(menuUndo, &QAction::triggered, this, &HistoryWiring::Undo);
    connect(menuRedo, &QAction::triggered, this, &HistoryWiring::Redo);
    connect(menuRestorePoints, &QAction::triggered, this, &HistoryWiring::ShowRestorePoints);
    connect(menuCompare, &QAction::triggered, this, &HistoryWiring::CompareWithFile);
    connect(menuCompareUnit, &QAction::triggered, this, &HistoryWiring::CompareWithUnit);
    qApp->installEventFilter(new UndoKeyFilter(window, this));
}

void HistoryWiring::Start(int language)
{
    languageIndex = language;
    baseline = host.state();
    saved = baseline;
    host.savedChanged(saved);
    const HistoryLoad load = LoadHistoryFile(paths.historyFile, history);
    if (!load.problem.empty()) {
        const bool setAside = load.setAsideError.empty();
        const std::string unreadable =
            FillIn(HistoryTextFor(HistoryText::HistoryUnreadable, languageIndex), {paths.historyFile, load.problem});
        const std::string aside =
            FillIn(HistoryTextFor(setAside ? HistoryText::HistoryKeptAs : HistoryText::HistoryNotSetAside, languageIndex),
                   {setAside ? paths.historyFile + DamagedHistorySuffix : load.setAsideError});
        host.showMessage(unreadable + " " + aside);
    }
    UpdateActions();
}

std::string HistoryWiring::Save() const
{
    return SaveHistoryFile(paths.historyFile, history);
}

HistoryWiring::Expectation HistoryWiring::Expect(StepCause cause, std::string detail, std::string control)
{
    if (expected)
        return Expectation(nullptr);
    HistoryStep step;
    step.cause = cause;
    step.detail = std::move(detail);
    step.control = std::move(control);
    expected = std::move(step);
    return Expectation(this);
}

void HistoryWiring::Commit()
{
    const EditorState current = host.state();
    if (showing) {
        baseline = current;
        UpdateActions();
        return;
    }
    HistoryStep step = expected.value_or(HistoryStep{});
    if (!expected) {
        // The window's focus child, which it keeps also while inactive.
        const QWidget* focus = window.focusWidget();
        step.control = focus ? focus->objectName().toStdString() : std::string();
    }
    if (KeepsRestorePointOnCommit(step.cause))
        KeepRestorePoint(step.cause);
    step.before = baseline;
    step.after = current;
    step.timeMs = NowMs();
    history.Record(std::move(step));
    baseline = current;
    UpdateActions();
}

void HistoryWiring::TransferStarted(StepCause cause)
{
    Commit();
    transferCause = cause;
    if (cause == StepCause::Read)
        KeepRestorePoint(StepCause::Read);
    else
        KeepRestorePoint(StepCause::Program);
}

void HistoryWiring::TransferChangedImage()
{
    {
        const Expectation scope = Expect(transferCause);
        Commit();
    }
    transferCause = StepCause::ProgramRefill;
}

void HistoryWiring::MarkSaved()
{
    saved = host.state();
    host.savedChanged(saved);
    UpdateActions();
}

void HistoryWiring::KeepRestorePoint(StepCause cause)
{
    const std::string failure = restorePoints.Keep(baseline, cause, host.setName(), NowMs());
    if (!failure.empty())
        host.showMessage(HistoryTextFor(HistoryText::RestorePointError, languageIndex) + "\n" + failure);
}

bool HistoryWiring::RefusedDuringTransfer() const
{
    if (!host.transferRunning())
        return false;
    host.showMessage(HistoryTextFor(HistoryText::TransferRunning, languageIndex));
    return true;
}

void HistoryWiring::Undo()
{
    if (RefusedDuringTransfer())
        return;
    host.commitPage();
    if (!history.CanUndo())
        return;
    if (ReplacesWholeSet(history.NextUndo().cause))
        KeepRestorePoint(StepCause::Undo);
    Show(history.Undo());
}

void HistoryWiring::Redo()
{
    if (RefusedDuringTransfer())
        return;
    host.commitPage();
    if (history.CanRedo())
        Show(history.Redo());
}

void HistoryWiring::Show(const EditorState& state)
{
    const EditorState copy = state;  // the history may drop it while the page refills
    showing = true;
    host.apply(copy);
    showing = false;
    UpdateActions();
}

void HistoryWiring::ApplyAsStep(const EditorState& state, StepCause cause, const std::string& detail)
{
    if (RefusedDuringTransfer())
        return;
    host.commitPage();
    const Expectation scope = Expect(cause, detail);
    host.apply(state);
}

void HistoryWiring::ShowRestorePoints()
{
    if (!restoreWindow) {
        restoreWindow = new TFormRestorePoints(&window, *this, [this](const RestorePoint& point) {
            const QString when = QDateTime::fromMSecsSinceEpoch(point.timeMs).toString(Qt::ISODate);
            CompareWith(ParameterSet{point.state.image, {}}, CauseText(point.cause, languageIndex).toStdString() +
                                                                 " " + when.toStdString());
        });
    }
    restoreWindow->Refresh(languageIndex);
    restoreWindow->show();
    restoreWindow->raise();
}

void HistoryWiring::CompareWithFile()
{
    const QString name = host.chooseFile();
    if (name.isEmpty())
        return;
    // Read as the command line's diff reads it: over the start-up set, normalised.
    ParameterSet other;
    FillDefaultParameters(other.image);
    const std::string path = QFile::encodeName(name).toStdString();
    const ReadResult result = LoadParameterFile(path, other.image, other.options);
    if (result.status != ReadStatus::Accepted) {
        host.showMessage(host.fileRefused(path, result));
        return;
    }
    NormaliseImage(other.image);
    CompareWith(other, path);
}

void HistoryWiring::CompareWithUnit()
{
    // A new Read would end the running transfer half way.
    if (host.transferRunning()) {
        host.showMessage(HistoryTextFor(HistoryText::CompareUnitWaits, languageIndex));
        return;
    }
    host.readUnitCopy();
}

void HistoryWiring::UnitCopyEnded(const std::optional<ParameterImage>& unitSet, const std::string& why)
{
    if (!unitSet) {
        host.showMessage(HistoryTextFor(HistoryText::UnitReadFailed, languageIndex) + "\n" + why);
        return;
    }
    const std::string version = DecodeHeader(*unitSet).versionText;
    std::string name = HistoryTextFor(HistoryText::UnitName, languageIndex);
    if (!version.empty())
        name += " " + version;
    CompareWith(ParameterSet{*unitSet, {}}, name);
}

void HistoryWiring::CompareWith(const ParameterSet& other, const std::string& name)
{
    if (!compareWindow)
        compareWindow = new TFormCompare(&window, *this, *host.pages);
    compareWindow->CompareWith(other, name, languageIndex);
    compareWindow->show();
    compareWindow->raise();
}

void HistoryWiring::SetLanguage(int language)
{
    languageIndex = language;
    UpdateActions();
}

void HistoryWiring::UpdateActions()
{
    menuUndo->setText(UndoRedoCaption(true, history.CanUndo() ? &history.NextUndo() : nullptr, languageIndex));
    menuRedo->setText(UndoRedoCaption(false, history.CanRedo() ? &history.NextRedo() : nullptr, languageIndex));
    menuUndo->setEnabled(history.CanUndo());
    menuRedo->setEnabled(history.CanRedo());
    const QString title = QString::fromStdString(LocalisedFor(TitleTarget, TextKind::Title, languageIndex));
    window.setWindowTitle(Modified() ? title + QString::fromLatin1(ModifiedMark) : title);
}

}  // namespace torvana
