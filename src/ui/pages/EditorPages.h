#pragma once
// The fourteen editor pages of PageControl1 and their controls.
//
// Page order (ActivePageIndex): 0..8 the curve pages "Ign 1".."Jet 3B",
// 9 TabSheet_Poloha, 10 TabSheet_Servo, 11 KnockTabSheet, 12 TabSheet_Ruzne,
// 13 TabSheet_Korekce.
//
// Every control carries its design name as objectName; arrays are named
// "Name[i]" and "Name[r][c]". An edit box with its up-down control is one
// UpDownSpinBox: its objectName is the Edit name ("EditOmez1",
// "CurveCellEdit[2][5]") and it owns an empty QObject child named after the
// up-down ("UpDownOmez1", "CurveCellUpDown[2][5]"), so findChild reaches both
// names; SpinBox() resolves either name to the spin box.
//
// Values move between the controls and the image only through the binding
// module; the widgets here convert nothing.

#include <QColor>
#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <optional>
#include <vector>

#include "core/Header.h"
#include "history/EditorState.h"
#include "ui/pages/ChangeMarks.h"
#include "core/ImageLayout.h"
#include "ui/pages/PageEvents.h"

class QSpinBox;
class QTabWidget;
class QWidget;

namespace torvana {

struct CurveGridControls;
struct KnockPageControls;
struct PositionPageControls;
struct ServoPageControls;
struct VariousPageControls;
struct CorrectionsPageControls;
struct OperatingPointMarks;
struct DisplayState;
class MarkingPainter;
class ControlReader;
struct CurvePageValues;

namespace PageIndex {
constexpr int LastCurve = 8;
constexpr int Poloha = 9;
constexpr int Servo = 10;
constexpr int Knock = 11;
constexpr int Ruzne = 12;
constexpr int Korekce = 13;
}  // namespace PageIndex

using CurvePageFlags = std::array<std::uint8_t, CurveCount>;

// What a page fill needs besides the image.
struct PageContext {
    HeaderTexts header;             // version labels of TabSheet_Ruzne
    CurvePageFlags pageAllFlags{};  // the "All" tick of each curve page
    // Hint of a box whose range limits the stored value; %1 is that value.
    std::string limitedHint;
};

class EditorPages : public PageEvents {
    Q_OBJECT
public:
    // Builds the pages onto pageControl, which must be empty.
    explicit EditorPages(QTabWidget* pageControl);
    ~EditorPages() override;

    int ActivePageIndex() const;

    // Image -> controls of the active page, then its display state; a
    // follower page hidden by "1 = 2 = 3" gives way to its group's first.
    void FillActivePage(const ParameterImage& image, const PageContext& context);
    // A refill the user did not cause (the link changed the image): as
    // FillActivePage, but a box being typed into keeps the typed text.
    void RefillActivePage(const ParameterImage& image, const PageContext& context);
    // Controls of the page last filled -> image; a curve page also stores
    // its "All" tick into pageAllFlags. A commit that comes while the tab
    // control already shows another page (focus leaving a box on a tab
    // click) thus writes the page the user edited, never stale controls.
    // Only the controls the user changed since the fill are written: a
    // control showing a limited value never rewrites its byte unasked.
    void WriteActivePage(ParameterImage& image, CurvePageFlags& pageAllFlags) const;

    // Lime for the marked controls of the active page's tables, the normal
    // colour for the others; only controls whose colour changes are touched.
    void PaintMarking(const OperatingPointMarks& marks);

    // The set that the change marks compare with; none: no marks. The page
    // last filled is marked at once from image and flags, and again after
    // every fill.
    void SetChangeReference(std::optional<EditorState> reference, const ParameterImage& image,
                            const CurvePageFlags& flags);
    // The controls now marked as changed, for tests.
    std::vector<const QWidget*> ChangeMarked() const;

    // Tab visibility, servo group, follower read-only view, coupling label.
    // A fill first moves off a follower whose tab gets hidden
    // (DisplayState::moveToPage).
    void UpdatePageDisplayState(const ParameterImage& image, int activePageIndex);
    void ApplyDisplayState(const DisplayState& state);

    // Replaces the items of a combo box or radio group, keeping the selection.
    void SetItemList(const QString& target, const QStringList& items);

    // CheckBoxProgHned is not in the image; the window keeps it in the settings.
    bool ProgramAtOnceTicked() const;
    void SetProgramAtOnce(bool ticked);

    // The heat map on the curve grid, painted at once and on every fill.
    void ShowHeatMap(bool shown, const ParameterImage& image);
    // Colours of a curve's cells that take the heat map's place while set
    // (the hit map); an empty function gives the heat map back. Painted at
    // once, on every fill and on PaintCellShades.
    using CellShades = std::function<std::optional<QColor>(int curve, int row, int column)>;
    void SetCellShades(CellShades shades, const ParameterImage& image);
    void PaintCellShades(const ParameterImage& image);
    // The grid the curve pages share, for the views on it.
    const CurveGridControls& CurveGrid() const { return *curveGrid; }

    // For tests and the window: a spin box by its Edit or UpDown name.
    QSpinBox* SpinBox(const QString& editOrUpDownName) const;

private:
    // Records every user change of a page control between two fills.
    void TrackChanges();
    void MarkLimitedValues(const std::string& hint);
    void FillCurvePage(const ParameterImage& image, int curve, const CurvePageFlags& flags);
    void WriteCurvePage(ParameterImage& image, int curve, CurvePageFlags& flags) const;
    // Heat colours on the value cells; none on a read-only follower.
    void PaintHeat(const ParameterImage& image, int curve);
    CurvePageValues ReadCurveValues(const ControlReader& reader) const;
    void MarkChanges(const ParameterImage& image, const CurvePageFlags& flags);
    // Stores the filled page's values of the current or the reference set.
    PageStore FilledPageStore(const EditorState& current, const EditorState& reference) const;

    QTabWidget* pageControl;
    std::unique_ptr<CurveGridControls> curveGrid;
    std::unique_ptr<KnockPageControls> knockPage;
    std::unique_ptr<PositionPageControls> positionPage;
    std::unique_ptr<ServoPageControls> servoPage;
    std::unique_ptr<VariousPageControls> variousPage;
    std::unique_ptr<CorrectionsPageControls> correctionsPage;
    std::unique_ptr<MarkingPainter> painter;
    std::unique_ptr<ChangeMarks> changeMarks;
    std::optional<EditorState> changeReference;
    std::array<QWidget*, CurveCount> curveSheets{};
    // The page whose controls show the image; none before the first fill.
    std::optional<int> filledPage;
    QSet<const QObject*> changed;
    bool filling = false;
    bool heatMap = false;
    CellShades cellShades;
};

}  // namespace torvana
