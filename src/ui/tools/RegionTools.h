#pragma once
// Operations on a rectangle of cells of the active curve table: each turns
// its inputs into new cell values and stores them as typed values are
// stored (limited to the cells' range, coupled followers moved by the
// coupled write). The window ends an operation that acted with
// RefreshAfterEdit, as one step.

#include "core/ImageLayout.h"
#include "ui/tools/EditStep.h"

#include <string>
#include <string_view>

namespace torvana {

// Rows top..bottom and columns left..right of a curve table, inclusive.
struct CellRegion {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    int Rows() const { return bottom - top + 1; }
    int Columns() const { return right - left + 1; }
    bool Contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool InsideTable() const
    {
        return top >= 0 && left >= 0 && top <= bottom && left <= right && bottom < CurveRows &&
               right < CurveColumns;
    }
    constexpr bool operator==(const CellRegion&) const = default;
};

// The rectangle with the two cells as opposite corners.
CellRegion RegionSpanning(int row1, int column1, int row2, int column2);

enum class RegionOperation {
    Set,                    // value: degrees or microseconds, as typed
    Add,                    // value: degrees or microseconds, may be negative
    Scale,                  // value: percent of the present value
    InterpolateHorizontal,  // each row between its left and right edge cells
    InterpolateVertical,    // each column between its top and bottom edge cells
    InterpolateBilinear,    // from the four corner cells
    Smooth,                 // mean of each cell and its neighbours in the table
    FillFromTracked,        // every cell takes the value of the cell in use
};

struct RegionInput {
    RegionOperation operation = RegionOperation::Set;
    int value = 0;
    // For FillFromTracked: the engine speed and the tracked cell.
    int liveRpm = 0;
    int trackedRow = 0;
    int trackedColumn = 0;
};

// Why an operation changed nothing although asked.
enum class RegionRefusal {
    None,
    NotEditable,    // not a curve page, a read-only follower, or a region outside the table
    EngineStopped,  // FillFromTracked without a running engine
    PasteShape,     // the pasted rows and columns do not match the region
    PasteValue,     // a pasted value is not a number within the cells' range
};

struct RegionResult {
    EditResult edit;
    RegionRefusal refusal = RegionRefusal::None;
    // PasteValue: the offending value's line and column in the text, from 1.
    int textLine = 0;
    int textColumn = 0;
};

// page: ActivePageIndex. Bytes outside the region of the active table and of
// its followers never change.
RegionResult ApplyRegionOperation(ParameterImage& image, int page, const CellRegion& region,
                                  const RegionInput& input);

// The region's values as shown (degrees or microseconds): tab between
// columns, a line end after each row.
std::string RegionText(const ParameterImage& image, int page, const CellRegion& region);

// Tab-separated text from a spreadsheet. It must have the region's shape;
// a single selected cell takes the text's shape from there on when it fits
// in the table. Any misfit changes nothing.
RegionResult PasteRegionText(ParameterImage& image, int page, const CellRegion& region, std::string_view text);

}  // namespace torvana
