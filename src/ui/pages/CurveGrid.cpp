#include "ui/pages/CurveGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/pages/PageEvents.h"
#include "ui/pages/PageRanges.h"
#include "ui/pages/PageWidgets.h"

namespace torvana {

namespace {

constexpr int ColumnPitch = 62;
constexpr int EditLeft = 44;
constexpr int RpmRowTop = 21;
constexpr int CellTop = 53;
constexpr int RowPitch = 30;
constexpr QPoint RpmLabelAt{13, 16};
constexpr QPoint TpsLabelAt{7, 37};
constexpr int RowLabelTopOffset = 56;  // label tops are 56 + 30r
constexpr int SpinButtonLeft = 59;
constexpr int SpinButtonTop = 350;
constexpr QSize SpinButtonSize{17, 23};
constexpr QPoint MinusButtonAt{87, 380};
constexpr QSize ToolButtonSize{20, 20};
constexpr int ToolButtonFontSize = 14;
constexpr int PlusButtonShift = 62;
constexpr QPoint PageAllShift{124, 2};
constexpr QPoint CouplingShift{104, -2};
constexpr int CouplingFontSize = 14;

// Right-aligned captions: short ones start further right.
int RowLabelLeft(int row)
{
    constexpr int TwoCharLeft = 16;
    constexpr int ThreeCharLeft = 10;
    constexpr int FourCharLeft = 4;
    constexpr int FirstThreeCharRow = 3;
    if (row < FirstThreeCharRow) {
        return TwoCharLeft;
    }
    return row < CurveRows - 1 ? ThreeCharLeft : FourCharLeft;
}

QWidget* MakeSpinButton(QWidget* parent, int column, PageEvents& events)
{
    auto* spin = new QWidget(parent);
    spin->setObjectName(IndexedName("CurveSpinButton", column));
    spin->setGeometry(QRect(QPoint(SpinButtonLeft + ColumnPitch * column, SpinButtonTop),
                            SpinButtonSize));
    auto* layout = new QVBoxLayout(spin);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* half = new QToolButton(spin);
        half->setObjectName(up ? "Up" : "Down");
        half->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        half->setFocusPolicy(Qt::NoFocus);
        half->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(half);
        QObject::connect(half, &QToolButton::clicked, &events,
                         [&events, column, up] { emit events.CurveColumnStepped(column, up); });
    }
    return spin;
}

QPushButton* MakeToolButton(QWidget* parent, const char* name, QPoint position)
{
    auto* button = MakeButton(parent, name, position, ToolButtonSize);
    QFont font = button->font();
    font.setPointSize(ToolButtonFontSize);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CurveGridControls BuildCurveGrid(QWidget* sheet, PageEvents& events)
{
    CurveGridControls grid;
    grid.groupBox = new QGroupBox(sheet);
    grid.groupBox->setObjectName("CurveGroupBox");
    QWidget* box = grid.groupBox;
    grid.rpmLabel = MakeLabel(box, "CurveRpmLabel", RpmLabelAt);
    grid.tpsLabel = MakeLabel(box, "CurveTpsLabel", TpsLabelAt);

    const auto commit = [&events] { emit events.EditCommitted(); };
    for (int c = 0; c < CurveColumns; ++c) {
        const int left = EditLeft + ColumnPitch * c;
        grid.rpmEdits[c] = MakeSpinBox(box, IndexedName("CurveRpmEdit", c),
                                       IndexedName("CurveRpmUpDown", c), CommitOnClick,
                                       QPoint(left, RpmRowTop));
        ApplyRange(grid.rpmEdits[c], RangeFor("CurveRpmUpDown"));
        QObject::connect(grid.rpmEdits[c], &UpDownSpinBox::CommitRequested, &events, commit);
    }
    for (int r = 0; r < CurveRows; ++r) {
        grid.rowLabels[r] = MakeLabel(box, IndexedName("CurveRowLabel", r),
                                      QPoint(RowLabelLeft(r), RowLabelTopOffset + RowPitch * r));
        for (int c = 0; c < CurveColumns; ++c) {
            auto* cell = MakeSpinBox(box, IndexedName("CurveCellEdit", r, c),
                                     IndexedName("CurveCellUpDown", r, c), CommitOnClick,
                                     QPoint(EditLeft + ColumnPitch * c, CellTop + RowPitch * r));
            QObject::connect(cell, &UpDownSpinBox::CommitRequested, &events, commit);
            grid.cellEdits[r][c] = cell;
        }
    }
    for (int c = 0; c < CurveColumns; ++c) {
        grid.spinButtons[c] = MakeSpinButton(box, c, events);
    }

    grid.minusButton = MakeToolButton(box, "CurveMinusButton", MinusButtonAt);
    grid.plusButton =
        MakeToolButton(box, "CurvePlusButton", MinusButtonAt + QPoint(PlusButtonShift, 0));
    QObject::connect(grid.minusButton, &QPushButton::clicked, &events,
                     [&events] { emit events.CurveMinusClicked(); });
    QObject::connect(grid.plusButton, &QPushButton::clicked, &events,
                     [&events] { emit events.CurvePlusClicked(); });

    const QPoint pageAllAt = MinusButtonAt + PageAllShift;
    grid.pageAllCheckBox = MakeCheckBox(box, "CurvePageAllCheckBox", pageAllAt);
    grid.pageAllCheckBox->setFocusPolicy(Qt::NoFocus);
    QObject::connect(grid.pageAllCheckBox, &QCheckBox::clicked, &events,
                     [&events] { emit events.CheckBoxReleased(); });

    grid.couplingLabel = MakeLabel(box, "CouplingLabel", pageAllAt + CouplingShift);
    QFont font = grid.couplingLabel->font();
    font.setPointSize(CouplingFontSize);
    grid.couplingLabel->setFont(font);
    grid.couplingLabel->adjustSize();
    SetBackground(grid.couplingLabel, Colour::Yellow);

    MoveCurveGrid(grid, sheet);
    return grid;
}

void MoveCurveGrid(const CurveGridControls& grid, QWidget* sheet)
{
    auto* layout = sheet->layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(grid.groupBox);
}

void SetCurveCellRange(const CurveGridControls& grid, int curve)
{
    const UpDownRange range = CurveCellRange(curve);
    for (const auto& row : grid.cellEdits) {
        for (auto* cell : row) {
            ApplyRange(cell, range);
        }
    }
}

}  // namespace torvana
