#pragma once
// The editor's set against another one (a file, a restore point, the unit):
// every differing parameter in the file's units, grouped by page; the chosen
// differences come into the editor as one undoable step.

#include "core/ParameterFile.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QTabWidget;
class QTreeWidget;

namespace torvana {

class HistoryWiring;
struct ParameterDifference;
struct ParameterSet;

class TFormCompare : public QDialog {
    Q_OBJECT
public:
    // pages: the editor's tabs, whose names head the groups.
    TFormCompare(QWidget* parent, HistoryWiring& history, const QTabWidget& pages);
    ~TFormCompare() override;

    // Compares the editor's set with other, named name, and shows the result.
    void CompareWith(const ParameterSet& other, const std::string& name, int languageIndex);
    // Takes the ticked differences into the editor and compares again.
    void TakeClick();

    std::size_t DifferenceCount() const;
    QTreeWidget* Tree() const { return tree; }

private:
    ParameterSet Editor() const;
    ParameterSet Other() const;

    HistoryWiring& history;
    const QTabWidget& pages;
    // The compared set, kept apart from the editor's.
    ParameterImage otherImage{};
    FileOptions otherOptions;
    std::string otherName;
    int languageIndex = 0;
    std::vector<ParameterDifference> differences;
    QLabel* summary = nullptr;
    QTreeWidget* tree = nullptr;
};

}  // namespace torvana
