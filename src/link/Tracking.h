#pragma once
// Finds the table points the engine is running on, from the live values, and
// says which controls of the active page are marked. The window paints the
// marked controls lime and every other control of the same tables in its
// normal colour.

#include "core/Breakpoints.h"
#include "core/ImageLayout.h"
#include "link/LiveValues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace torvana {

// Pages of the editor's tab control that carry tracked tables; 0..8 are the curve pages.
namespace TrackedPageIndex {
constexpr int LastCurve = CurveCount - 1;
constexpr int Poloha = 9;
constexpr int Servo = 10;
constexpr int Knock = 11;
constexpr int Ruzne = 12;
constexpr int Korekce = 13;
}  // namespace TrackedPageIndex

// The tracked indices that the editing tools act on; each keeps its value
// while a page that does not write it is shown.
struct TrackedIndices {
    int CurveColumn = 0;
    int CurveRow = 0;
    int PositionAColumn = 0;
    int PositionBColumn = 0;
    int ServoColumn = 0;
};

enum class MarkedTables { None, Curve, Position, Servo, Knock, Corrections };

struct CurveMarks {
    int row = 0;                     // CurveRowLabel, always marked
    std::optional<int> column;       // none while the engine stands
    bool RpmEditMarked(int column) const;
    bool RowLabelMarked(int row) const;
    bool CellMarked(int row, int column) const;
};

// Column marked in each table: the engine-speed box and the value box below it.
struct PositionMarks {
    int columnA = 0;
    int columnB = 0;
};

struct ServoMarks {
    int column = 0;
};

// Column 0..4 within each cylinder's section; every control of that column.
struct KnockMarks {
    std::array<int, KnockCylinders> columns{};
};

constexpr int WaterAirBoxCount = 5;
constexpr int NoWaterAirBox = WaterAirBoxCount;
constexpr int ChokePointCount = 5;  // LabelSyticCas0 and EditSyticCas1..4

struct CorrectionMarks {
    int pressure = 0;  // breakpoint and correction pair, 0..9
    int water = 0;     // water correction box 0..4, NoWaterAirBox for none
    int air = 0;       // air correction box 0..4, NoWaterAirBox for none
    int airTable = 0;  // air-temperature breakpoint and value pair, 0..9
    int choke = 0;     // time point 0..4 and its correction
};

// Only the group named by tables is meaningful.
struct OperatingPointMarks {
    MarkedTables tables = MarkedTables::None;
    CurveMarks curve;
    PositionMarks position;
    ServoMarks servo;
    KnockMarks knock;
    CorrectionMarks corrections;
};

// Updates the indices that the active page's tables track and returns the
// marks of that page. Pages without tracked tables change nothing.
OperatingPointMarks TrackOperatingPoint(int activePageIndex, const ParameterImage& image, const LiveValues& live,
                                        TrackedIndices& indices);

}  // namespace torvana
