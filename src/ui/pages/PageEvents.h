#pragma once
// The signals every page control raises towards the main window. The pages
// only report what the user did; the window decides what follows.

#include "ui/tools/TableTools.h"

#include <QObject>

namespace torvana {

class PageEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Enter in an edit box (after focus moved on), a click into a run-time
    // cell or combo box, leaving a design-time edit box, an up-down step.
    void EditCommitted();
    // Mouse released on one of the check boxes that commit the page.
    void CheckBoxReleased();
    // Either injection-position radio group changed its selection.
    void PositionRadioChanged();
    // The user picked an engine variant.
    void BikeChanged(int bike);
    // "No Reading" was clicked; comes before CheckBoxReleased.
    void ZakazCteniClicked(bool checked);
    // The tab control switched to another page.
    void PageChanged(int pageIndex);

    // Tools.
    void CurveColumnStepped(int column, bool up);
    void CurveMinusClicked();
    void CurvePlusClicked();
    void PositionStepClicked(PositionTable table, bool up);
    void ServoStepClicked(bool up);
    void Tps0Clicked();
    void Tps100Clicked();
};

}  // namespace torvana
