#include "link/Tracking.h"

#include <algorithm>

namespace torvana {

namespace {

constexpr int KiloPascalToTenths = 10;
constexpr int ChokeTimeScale = 10;  // the image keeps start time points in tens
constexpr std::array<int, WaterAirBoxCount> WaterAirThresholds = {105, 135, 165, 195, 225};

template <std::size_t N>
std::array<int, N> ImageBreakpoints(const ParameterImage& image, std::size_t offset, int scale = 1)
{
    std::array<int, N> points{};
    for (std::size_t i = 0; i < N; ++i) {
        points[i] = image[offset + i] * scale;
    }
    return points;
}

int AxisColumn(const ParameterImage& image, std::size_t offset, int step)
{
    return LowerTieSearch(ImageBreakpoints<AxisLength>(image, offset), step);
}

int WaterAirBox(int temperature)
{
    return static_cast<int>(std::count_if(WaterAirThresholds.begin(), WaterAirThresholds.end(),
                                          [temperature](int threshold) { return threshold <= temperature; }));
}

// Point 0 is the fixed start at time 0 and wins a tie with point 1; later
// ties go to the later point.
int ChokePoint(const ParameterImage& image, int startTime)
{
    std::array<int, ChokePointCount> points{};
    const auto stored = ImageBreakpoints<ChokePointCount - 1>(image, Offset::ChokeTime, ChokeTimeScale);
    std::copy(stored.begin(), stored.end(), points.begin() + 1);
    const int twice = 2 * startTime;
    if (twice <= points[1]) {
        return 0;
    }
    int i = 1;
    while (i < ChokePointCount - 1 && points[i] + points[i + 1] <= twice) {
        ++i;
    }
    return i;
}

CorrectionMarks TrackCorrections(const ParameterImage& image, const LiveValues& live)
{
    constexpr std::size_t pressurePoints = Offset::DruckCorrection - Offset::DruckAxis;
    constexpr std::size_t airTablePoints = Offset::RetardValue - Offset::RetardTemp;
    CorrectionMarks marks;
    marks.pressure = LowerTieSearch(ImageBreakpoints<pressurePoints>(image, Offset::DruckAxis, KiloPascalToTenths),
                                    live.LivePressure, TieCount::StrictlyBelow);
    marks.water = WaterAirBox(live.LiveWaterTemp);
    marks.air = WaterAirBox(live.LiveAirTemp);
    marks.airTable = UpperTieSearch(ImageBreakpoints<airTablePoints>(image, Offset::RetardTemp), live.LiveAirTemp);
    marks.choke = ChokePoint(image, live.LiveStartTime);
    return marks;
}

}  // namespace

bool CurveMarks::RpmEditMarked(int c) const
{
    return column == c;
}

bool CurveMarks::RowLabelMarked(int r) const
{
    return row == r;
}

bool CurveMarks::CellMarked(int r, int c) const
{
    return row == r && column == c;
}

OperatingPointMarks TrackOperatingPoint(int activePageIndex, const ParameterImage& image, const LiveValues& live,
                                        TrackedIndices& indices)
{
    const int step = RpmStep(live.LiveRpm);
    OperatingPointMarks marks;
    if (activePageIndex >= 0 && activePageIndex <= TrackedPageIndex::LastCurve) {
        indices.CurveColumn = AxisColumn(image, CurveAxisOffset(activePageIndex), step);
        indices.CurveRow = LowerTieSearch(TpsAxis, live.LiveTpsPercent);
        marks.tables = MarkedTables::Curve;
        marks.curve.row = indices.CurveRow;
        if (live.LiveRpm != 0) {
            marks.curve.column = indices.CurveColumn;
        }
    } else if (activePageIndex == TrackedPageIndex::Poloha) {
        indices.PositionAColumn = AxisColumn(image, Offset::PositionARpm, step);
        indices.PositionBColumn = AxisColumn(image, Offset::PositionBRpm, step);
        marks.tables = MarkedTables::Position;
        marks.position = {indices.PositionAColumn, indices.PositionBColumn};
    } else if (activePageIndex == TrackedPageIndex::Servo) {
        indices.ServoColumn = AxisColumn(image, Offset::RpmServo, step);
        marks.tables = MarkedTables::Servo;
        marks.servo.column = indices.ServoColumn;
    } else if (activePageIndex == TrackedPageIndex::Knock) {
        marks.tables = MarkedTables::Knock;
        for (int cylinder = 0; cylinder < KnockCylinders; ++cylinder) {
            const auto section =
                ImageBreakpoints<KnockPoints>(image, KnockOffset(KnockArray::Rpm, KnockPoints * cylinder));
            indices.ServoColumn = UpperTieSearch(section, step);
            marks.knock.columns[cylinder] = indices.ServoColumn;
        }
    } else if (activePageIndex == TrackedPageIndex::Korekce) {
        marks.tables = MarkedTables::Corrections;
        marks.corrections = TrackCorrections(image, live);
    }
    return marks;
}

}  // namespace torvana
