#include "analysis/Suggestions.h"

#include "analysis/CellWeights.h"
#include "analysis/LeastSquares.h"

#include <algorithm>
#include <cmath>

namespace torvana {

namespace {

constexpr double PercentWhole = 100.0;
// Pull towards "no change", in samples' worth: keeps a cell with hardly any
// samples from swinging its neighbours' solution.
constexpr double NoChangePull = 0.002;
// A factor with this standard error has no confidence left.
constexpr double ConfidenceSpread = 0.01;
// A narrow-band sensor reads the target only when it is this close to 1.
constexpr double NarrowBandTargetTolerance = 0.03;
constexpr int HighestInjectionCell = 250;

constexpr int CellIndex(int row, int column) { return row * CurveColumns + column; }

// Neighbour slot of cell b seen from cell a (both within one step).
constexpr int Slot(int a, int b)
{
    const int dr = b / CurveColumns - a / CurveColumns;
    const int dc = b % CurveColumns - a % CurveColumns;
    return (dr + 1) * 3 + (dc + 1);
}

}  // namespace

InjectionTable InjectionTableOf(const ParameterImage& image, int table)
{
    InjectionTable result;
    result.rpmAxis = RpmAxisOf(image, table);
    for (int r = 0; r < CurveRows; ++r)
        for (int c = 0; c < CurveColumns; ++c)
            result.stored[r][c] = image[CurveCellOffset(table, r, c)];
    return result;
}

SuggestionAccumulator::SuggestionAccumulator(const AnalysisOptions& options, const InjectionTable& table,
                                             const LambdaGrid& target)
    : options_(options), table_(table), target_(target)
{
}

std::optional<Rejection> SuggestionAccumulator::Add(const LambdaSample& sample)
{
    const CellShares shares = ShareOperatingPoint(table_.rpmAxis, sample.rpm, sample.throttle, options_.split);
    double target = 0;
    for (int i = 0; i < shares.count; ++i)
        target += shares.shares[i].weight * target_[shares.shares[i].row][shares.shares[i].column];
    const bool narrow = options_.sensor.kind == SensorKind::NarrowBand;
    double ratio = 0;
    if (narrow) {
        if (std::abs(target - StoichiometricLambda) > NarrowBandTargetTolerance)
            return Rejection::NarrowBandTarget;
        ratio = NarrowBandDirection(options_.sensor, sample.lambdaMillivolts);
    } else {
        const auto lambda = WideBandLambda(options_.sensor, sample.lambdaMillivolts);
        if (!lambda || *lambda <= 0 || target <= 0)
            return Rejection::SensorRail;
        ratio = *lambda / target;
    }
    std::array<double, 4> fuel{};
    double mixed = 0;
    for (int i = 0; i < shares.count; ++i) {
        const CellShare& s = shares.shares[i];
        fuel[i] = s.weight * table_.stored[s.row][s.column];
        mixed += fuel[i];
    }
    for (int i = 0; i < shares.count; ++i) {
        const CellShare& s = shares.shares[i];
        CellSums& sums = sums_[CellIndex(s.row, s.column)];
        for (int j = 0; j < shares.count; ++j) {
            const int other = CellIndex(shares.shares[j].row, shares.shares[j].column);
            sums.normal[Slot(CellIndex(s.row, s.column), other)] += fuel[i] * fuel[j];
        }
        sums.right += fuel[i] * mixed * ratio;
        sums.weight += s.weight;
        sums.weightSquared += s.weight * s.weight;
        sums.ratio += s.weight * ratio;
        sums.ratioSquared += s.weight * ratio * ratio;
        for (int j = 0; j < shares.count && mixed > 0; ++j) {
            const int slotJ = Slot(CellIndex(s.row, s.column),
                                   CellIndex(shares.shares[j].row, shares.shares[j].column));
            sums.ratioShare[slotJ] += s.weight * ratio * fuel[j] / mixed;
            for (int l = 0; l < shares.count; ++l) {
                const int slotL = Slot(CellIndex(s.row, s.column),
                                       CellIndex(shares.shares[l].row, shares.shares[l].column));
                sums.shareShare[slotJ][slotL] += s.weight * fuel[j] * fuel[l] / (mixed * mixed);
            }
        }
        ++sums.samples;
    }
    ++accepted_;
    return std::nullopt;
}

SuggestionAccumulator::Solution SuggestionAccumulator::Solve() const
{
    Solution solution;
    solution.factor.fill(1.0);
    std::array<int, CurveCells> place{};
    std::vector<int> cells;
    for (int k = 0; k < CurveCells; ++k) {
        place[k] = -1;
        if (sums_[k].weight > 0 && table_.stored[k / CurveColumns][k % CurveColumns] > 0) {
            place[k] = static_cast<int>(cells.size());
            cells.push_back(k);
        }
    }
    const std::size_t n = cells.size();
    std::vector<double> matrix(n * n, 0.0);
    std::vector<double> right(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const int k = cells[i];
        const double stored = table_.stored[k / CurveColumns][k % CurveColumns];
        const double pull = NoChangePull * stored * stored;
        right[i] = sums_[k].right + pull;
        matrix[i * n + i] = pull;
        for (int slot = 0; slot < Stencil; ++slot) {
            const int row = k / CurveColumns + slot / 3 - 1;
            const int column = k % CurveColumns + slot % 3 - 1;
            if (row < 0 || row >= CurveRows || column < 0 || column >= CurveColumns)
                continue;
            const int j = place[CellIndex(row, column)];
            if (j >= 0)
                matrix[i * n + static_cast<std::size_t>(j)] += sums_[k].normal[slot];
        }
    }
    const LeastSquaresSolution solved = SolveSymmetric(std::move(matrix), right);
    if (!solved.ok)
        return solution;
    for (std::size_t i = 0; i < n; ++i) {
        solution.factor[cells[i]] = solved.x[i];
        solution.inverseDiagonal[cells[i]] = solved.inverseDiagonal[i];
    }
    return solution;
}

double SuggestionAccumulator::ResidualSquare(int cell, const std::array<double, CurveCells>& factor) const
{
    const CellSums& sums = sums_[cell];
    std::array<double, Stencil> near{};
    for (int slot = 0; slot < Stencil; ++slot) {
        const int row = cell / CurveColumns + slot / 3 - 1;
        const int column = cell % CurveColumns + slot % 3 - 1;
        if (row >= 0 && row < CurveRows && column >= 0 && column < CurveColumns)
            near[slot] = factor[CellIndex(row, column)];
    }
    double square = sums.ratioSquared;
    for (int j = 0; j < Stencil; ++j) {
        square -= 2 * near[j] * sums.ratioShare[j];
        for (int l = 0; l < Stencil; ++l)
            square += near[j] * near[l] * sums.shareShare[j][l];
    }
    return std::max(0.0, square / sums.weight);
}

CellSuggestion SuggestionAccumulator::Suggest(int cell, const Solution& solution) const
{
    const std::array<double, CurveCells>& factor = solution.factor;
    const CellSums& sums = sums_[cell];
    CellSuggestion s;
    s.weight = sums.weightSquared;
    s.samples = sums.samples;
    if (table_.stored[cell / CurveColumns][cell % CurveColumns] <= 0) {
        s.state = SuggestionState::NoTable;
        return s;
    }
    if (sums.samples == 0) {
        s.state = SuggestionState::NoSamples;
        return s;
    }
    if (s.weight < options_.enoughSamples) {
        s.state = SuggestionState::TooFew;
        return s;
    }
    s.state = SuggestionState::Suggested;
    const double mean = sums.ratio / sums.weight;
    if (options_.sensor.kind == SensorKind::NarrowBand) {
        s.unlimitedPercent = options_.narrowBandStepPercent * mean;
        s.confidence = std::min(1.0, std::abs(mean));
    } else {
        s.unlimitedPercent = (factor[cell] - 1.0) * PercentWhole;
        // The factor's standard error: the samples' spread around the
        // solution, through the cell's share of the inverse system.
        const double stored = table_.stored[cell / CurveColumns][cell % CurveColumns];
        const double error =
            std::sqrt(ResidualSquare(cell, factor) * stored * stored * solution.inverseDiagonal[cell]);
        s.confidence = std::clamp(1.0 - error / ConfidenceSpread, 0.0, 1.0);
    }
    s.percent = std::clamp(s.unlimitedPercent, -options_.authorityPercent, options_.authorityPercent);
    return s;
}

SuggestionGrid SuggestionAccumulator::Suggestions() const
{
    const Solution solution = Solve();
    SuggestionGrid grid{};
    for (int k = 0; k < CurveCells; ++k)
        grid[k / CurveColumns][k % CurveColumns] = Suggest(k, solution);
    return grid;
}

std::vector<CellChange> SuggestedChanges(const SuggestionGrid& suggestions, const StoredGrid& stored,
                                         const CellChoice* chosen, double minConfidence)
{
    std::vector<CellChange> changes;
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            const CellSuggestion& s = suggestions[r][c];
            if (s.state != SuggestionState::Suggested)
                continue;
            if (chosen ? !(*chosen)[r][c] : s.confidence < minConfidence)
                continue;
            const int value = std::clamp(
                static_cast<int>(std::lround(stored[r][c] * (1.0 + s.percent / PercentWhole))), 0, HighestInjectionCell);
            if (value != stored[r][c])
                changes.push_back({r, c, value});
        }
    }
    return changes;
}

}  // namespace torvana
