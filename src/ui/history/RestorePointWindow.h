#pragma once
// The list of restore points: newest first, filtered by cause; one can be
// taken back as one undoable step, pinned so that it is always kept, or
// compared with the editor's set.

#include "history/RestorePoints.h"

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QTableWidget;

namespace torvana {

class HistoryWiring;

class TFormRestorePoints : public QDialog {
    Q_OBJECT
public:
    // compare: opens the Compare window on a restore point.
    TFormRestorePoints(QWidget* parent, HistoryWiring& history,
                       std::function<void(const RestorePoint&)> compare);

    // Lists the folder again in the given language.
    void Refresh(int languageIndex);
    const std::vector<RestorePoint>& Shown() const { return shown; }
    QTableWidget* List() const { return list; }

    void RestoreClick();
    void PinClick();
    void CompareClick();

private:
    const RestorePoint* Selected() const;
    void Fill();

    HistoryWiring& history;
    std::function<void(const RestorePoint&)> compare;
    RestorePointListing listing;
    std::vector<RestorePoint> shown;
    int languageIndex = 0;
    QComboBox* causeFilter = nullptr;
    QTableWidget* list = nullptr;
};

}  // namespace torvana
