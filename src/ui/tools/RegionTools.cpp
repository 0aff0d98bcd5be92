#include "ui/tools/RegionTools.h"

#include "ui/binding/CurvePageBinding.h"
#include "ui/binding/UpDownRange.h"
#include "ui/tools/ActivePage.h"
#include "ui/tools/Coupling.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace torvana {

namespace {

constexpr int PercentWhole = 100;
constexpr char Tab = '\t';
constexpr char LineEnd = '\n';

using StoredGrid = std::array<std::array<int, CurveColumns>, CurveRows>;
using TableFlags = std::array<std::uint8_t, CurveCount>;

StoredGrid ReadTable(const ParameterImage& image, int page)
{
    StoredGrid grid{};
    for (int r = 0; r < CurveRows; ++r)
        for (int c = 0; c < CurveColumns; ++c)
            grid[r][c] = image[CurveCellOffset(page, r, c)];
    return grid;
}

bool Editable(const ParameterImage& image, int page, const CellRegion& region)
{
    return IsCurvePage(page) && !SlaveView(image, page) && region.InsideTable();
}

// Positions of the points along one axis: the axis values where they rise
// strictly across the span, else the indices (an unfinished axis).
std::vector<double> AxisPositions(const std::vector<int>& axis)
{
    std::vector<double> positions(axis.size());
    const bool rising = std::adjacent_find(axis.begin(), axis.end(), std::greater_equal<>()) == axis.end();
    for (std::size_t i = 0; i < axis.size(); ++i)
        positions[i] = rising ? axis[i] : static_cast<double>(i);
    return positions;
}

std::vector<double> RpmPositions(const ParameterImage& image, int page, const CellRegion& region)
{
    std::vector<int> axis;
    for (int c = region.left; c <= region.right; ++c)
        axis.push_back(image[CurveAxisOffset(page) + c]);
    return AxisPositions(axis);
}

std::vector<double> TpsPositions(const CellRegion& region)
{
    return AxisPositions(std::vector<int>(TpsAxis.begin() + region.top, TpsAxis.begin() + region.bottom + 1));
}

// Where position lies between the span's ends, 0 to 1.
double Fraction(const std::vector<double>& positions, std::size_t i)
{
    const double span = positions.back() - positions.front();
    return span > 0 ? (positions[i] - positions.front()) / span : 0.0;
}

int Lerp(double from, double to, double fraction)
{
    return static_cast<int>(std::lround(from + (to - from) * fraction));
}

int SmoothedAt(const StoredGrid& grid, int row, int column)
{
    int sum = 0;
    int count = 0;
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, CurveRows - 1); ++r)
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, CurveColumns - 1); ++c) {
            sum += grid[r][c];
            ++count;
        }
    return static_cast<int>(std::lround(static_cast<double>(sum) / count));
}

// New stored values for the region; the cells outside stay as they are.
StoredGrid Compute(const ParameterImage& image, int page, const CellRegion& region, const RegionInput& input)
{
    const UpDownRange range = CurveCellRange(page);
    const StoredGrid old = ReadTable(image, page);
    StoredGrid grid = old;
    const std::vector<double> columns = RpmPositions(image, page, region);
    const std::vector<double> rows = TpsPositions(region);
    for (int r = region.top; r <= region.bottom; ++r) {
        for (int c = region.left; c <= region.right; ++c) {
            const double across = Fraction(columns, c - region.left);
            const double down = Fraction(rows, r - region.top);
            int& cell = grid[r][c];
            switch (input.operation) {
            case RegionOperation::Set: cell = ClampToRange(input.value, range) / range.step; break;
            case RegionOperation::Add: cell = old[r][c] + input.value / range.step; break;
            case RegionOperation::Scale:
                cell = static_cast<int>(std::lround(old[r][c] * static_cast<double>(input.value) / PercentWhole));
                break;
            case RegionOperation::InterpolateHorizontal:
                cell = Lerp(old[r][region.left], old[r][region.right], across);
                break;
            case RegionOperation::InterpolateVertical:
                cell = Lerp(old[region.top][c], old[region.bottom][c], down);
                break;
            case RegionOperation::InterpolateBilinear: {
                const double upper = old[region.top][region.left] +
                                     (old[region.top][region.right] - old[region.top][region.left]) * across;
                const double lower = old[region.bottom][region.left] +
                                     (old[region.bottom][region.right] - old[region.bottom][region.left]) * across;
                cell = Lerp(upper, lower, down);
                break;
            }
            case RegionOperation::Smooth: cell = SmoothedAt(old, r, c); break;
            case RegionOperation::FillFromTracked: cell = old[input.trackedRow][input.trackedColumn]; break;
            }
        }
    }
    return grid;
}

// Stores the region's cells through the page write, as if typed into the
// grid: limited to the range, followers moved by the group's mode.
EditResult Store(ParameterImage& image, int page, const CellRegion& region, const StoredGrid& grid)
{
    const UpDownRange range = CurveCellRange(page);
    TableFlags flags{};  // the region never touches the "All" ticks
    CurvePageValues values = FillCurvePage(image, page, flags);
    CurvePageValues edited{};
    for (int r = region.top; r <= region.bottom; ++r)
        for (int c = region.left; c <= region.right; ++c) {
            values.cell[r][c] = std::clamp(grid[r][c] * range.step, range.min, range.max);
            edited.cell[r][c] = 1;
        }
    const ParameterImage before = image;
    WriteCurvePage(values, page, image, flags, &edited);
    return {true, image != before};
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string_view Trimmed(std::string_view s)
{
    const auto blank = [](char ch) { return ch == ' ' || ch == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A whole number, or one with a decimal point or comma whose fraction is
// cut off as a typed value's would be.
std::optional<int> ParseNumber(std::string_view s)
{
    const std::size_t point = s.find_first_of(".,");
    std::string_view whole = s.substr(0, point);
    if (point != std::string_view::npos) {
        const std::string_view fraction = s.substr(point + 1);
        if (fraction.empty() || !std::all_of(fraction.begin(), fraction.end(), [](char ch) {
                return ch >= '0' && ch <= '9';
            }))
            return std::nullopt;
    }
    if (!whole.empty() && whole.front() == '+')
        whole.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (whole.empty() || error != std::errc() || end != whole.data() + whole.size())
        return std::nullopt;
    return value;
}

}  // namespace

CellRegion RegionSpanning(int row1, int column1, int row2, int column2)
{
    return {std::min(row1, row2), std::min(column1, column2), std::max(row1, row2), std::max(column1, column2)};
}

RegionResult ApplyRegionOperation(ParameterImage& image, int page, const CellRegion& region,
                                  const RegionInput& input)
{
    if (!Editable(image, page, region))
        return {{}, RegionRefusal::NotEditable};
    if (input.operation == RegionOperation::FillFromTracked &&
        (input.liveRpm == 0 || input.trackedRow < 0 || input.trackedRow >= CurveRows || input.trackedColumn < 0 ||
         input.trackedColumn >= CurveColumns))
        return {{}, RegionRefusal::EngineStopped};
    return {Store(image, page, region, Compute(image, page, region, input))};
}

std::string RegionText(const ParameterImage& image, int page, const CellRegion& region)
{
    if (!IsCurvePage(page) || !region.InsideTable())
        return {};
    const UpDownRange range = CurveCellRange(page);
    std::string text;
    for (int r = region.top; r <= region.bottom; ++r) {
        for (int c = region.left; c <= region.right; ++c) {
            if (c > region.left)
                text += Tab;
            text += std::to_string(image[CurveCellOffset(page, r, c)] * range.step);
        }
        text += LineEnd;
    }
    return text;
}

RegionResult PasteRegionText(ParameterImage& image, int page, const CellRegion& region, std::string_view text)
{
    if (!Editable(image, page, region))
        return {{}, RegionRefusal::NotEditable};
    std::vector<std::string_view> lines = Split(text, LineEnd);
    while (!lines.empty() && Trimmed(lines.back()).empty())
        lines.pop_back();
    std::vector<std::vector<std::string_view>> cells;
    for (const std::string_view line : lines)
        cells.push_back(Split(line, Tab));

    const int rows = static_cast<int>(cells.size());
    const int columns = rows > 0 ? static_cast<int>(cells.front().size()) : 0;
    const bool rectangular =
        rows > 0 && std::all_of(cells.begin(), cells.end(), [&](const auto& row) {
            return static_cast<int>(row.size()) == columns;
        });
    CellRegion target = region;
    if (region.Rows() == 1 && region.Columns() == 1)
        target = {region.top, region.left, region.top + rows - 1, region.left + columns - 1};
    if (!rectangular || target.Rows() != rows || target.Columns() != columns || !target.InsideTable())
        return {{}, RegionRefusal::PasteShape};

    const UpDownRange range = CurveCellRange(page);
    StoredGrid grid = ReadTable(image, page);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const std::optional<int> value = ParseNumber(Trimmed(cells[r][c]));
            if (!value || *value < range.min || *value > range.max)
                return {{}, RegionRefusal::PasteValue, r + 1, c + 1};
            grid[target.top + r][target.left + c] = *value / range.step;
        }
    }
    return {Store(image, page, target, grid)};
}

}  // namespace torvana
