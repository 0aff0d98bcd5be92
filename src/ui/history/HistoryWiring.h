#pragma once
// The window's side of the edit history: the Edit menu, recording a step at
// the end of every change, undo and redo through the edit path, restore
// points before a set is replaced, and the history file at start and close.

#include "core/ImageLayout.h"
#include "history/EditHistory.h"
#include "history/HistoryPaths.h"
#include "history/RestorePoints.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMainWindow;
class QMenu;
class QTabWidget;

namespace torvana {

class TFormCompare;
class TFormRestorePoints;
struct ParameterSet;
struct ReadResult;
struct RestorePoint;

// What the wiring needs from the window; all set by the window.
struct HistoryHost {
    std::function<EditorState()> state;
    // Puts a state into the image and flags and runs the edit path's tail.
    std::function<void(const EditorState&)> apply;
    // Writes the active page into the image and runs the edit path's tail.
    std::function<void()> commitPage;
    // The file name or the unit's version of the set on screen.
    std::function<std::string()> setName;
    std::function<void(const std::string&)> showMessage;
    // The user's message for a parameter file that was not taken.
    std::function<std::string(const std::string& path, const ReadResult& result)> fileRefused;
    // True while a Program, Verify or Read runs: the image is the transfer's.
    std::function<bool()> transferRunning;
    // The Open dialog for a file to compare with; empty when cancelled.
    std::function<QString()> chooseFile;
    // Starts a Read of the unit into a copy, leaving the editor's set alone.
    std::function<void()> readUnitCopy;
    // The set last saved, opened, read or verified is now this one.
    std::function<void(const EditorState&)> savedChanged;
    const QTabWidget* pages = nullptr;
};

class HistoryWiring : public QObject {
    Q_OBJECT
public:
    HistoryWiring(QMainWindow& window, HistoryHost host, HistoryPaths paths);

    // Start-up, once the image is final: loads the history file.
    void Start(int languageIndex);
    // Close: writes the history file; empty, or why it failed.
    std::string Save() const;

    // The cause of the next Commit while the returned guard lives; an outer
    // guard wins over an inner one (a variant change runs New).
    class Expectation {
    public:
        explicit Expectation(HistoryWiring* owner) : owner(owner) {}
        Expectation(Expectation&& other) noexcept : owner(std::exchange(other.owner, nullptr)) {}
        Expectation(const Expectation&) = delete;
        Expectation& operator=(const Expectation&) = delete;
        ~Expectation();

    private:
        HistoryWiring* owner;
    };
    [[nodiscard]] Expectation Expect(StepCause cause, std::string detail = {}, std::string control = {});

    // Records the change since the last commit as one step.
    void Commit();
    // A transfer that may replace the set: Read or Program.
    void TransferStarted(StepCause cause);
    // The link replaced or normalised the image.
    void TransferChangedImage();
    // A set was saved, read or programmed: the title mark goes.
    void MarkSaved();
    // Keeps the set on screen as a restore point.
    void KeepRestorePoint(StepCause cause);

    void Undo();
    void Redo();
    void SetLanguage(int languageIndex);

    const EditHistory& History() const { return history; }
    RestorePointStore& RestorePoints() { return restorePoints; }
    const HistoryPaths& Paths() const { return paths; }
    EditorState CurrentState() const { return host.state(); }
    bool Modified() const { return host.state() != saved; }
    QAction* UndoAction() const { return menuUndo; }
    QAction* RedoAction() const { return menuRedo; }
    QAction* RestorePointsAction() const { return menuRestorePoints; }
    QAction* CompareAction() const { return menuCompare; }
    QAction* CompareUnitAction() const { return menuCompareUnit; }

    // The restore-point list and the Compare window (Edit menu).
    void ShowRestorePoints();
    void CompareWithFile();
    // Reads the unit into a copy; the comparison shows when it has arrived.
    void CompareWithUnit();
    // The Read into a copy has ended: the unit's set, or none and why not.
    void UnitCopyEnded(const std::optional<ParameterImage>& unitSet, const std::string& why);
    void CompareWith(const ParameterSet& other, const std::string& name);
    TFormRestorePoints* RestorePointWindow() const { return restoreWindow; }
    TFormCompare* CompareWindow() const { return compareWindow; }
    void ShowProblem(const std::string& text) { host.showMessage(text); }

    // Puts a state in as one step of the given cause (restore, compare).
    void ApplyAsStep(const EditorState& state, StepCause cause, const std::string& detail);

private:
    void BuildMenu();
    void Show(const EditorState& state);
    void UpdateActions();
    // Shows why when a transfer runs.
    bool RefusedDuringTransfer() const;

    QMainWindow& window;
    HistoryHost host;
    HistoryPaths paths;
    EditHistory history;
    RestorePointStore restorePoints;
    EditorState baseline;
    EditorState saved;
    std::optional<HistoryStep> expected;  // cause, detail and control of the next commit
    StepCause transferCause = StepCause::ProgramRefill;
    bool showing = false;
    int languageIndex = 0;

    TFormRestorePoints* restoreWindow = nullptr;
    TFormCompare* compareWindow = nullptr;
    QMenu* menuEdit = nullptr;
    QAction* menuUndo = nullptr;
    QAction* menuRedo = nullptr;
    QAction* menuRestorePoints = nullptr;
    QAction* menuCompare = nullptr;
    QAction* menuCompareUnit = nullptr;
};

}  // namespace torvana
