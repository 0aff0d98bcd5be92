#pragma once
// Per-cell fuel suggestions for one injection table from lambda samples.
//
// Wide-band: a sample says the fuel at its operating point should change by
// measured / target lambda. The fuel there is the bilinear mix of up to four
// cells, so the cells' factors are the least-squares solution over all
// samples, held gently at "no change" where samples are few. Narrow-band: a
// sample only says rich or lean; a cell gets a small step towards the
// switch point, scaled by how far its samples agree.

#include "analysis/AnalysisOptions.h"
#include "analysis/LambdaSamples.h"
#include "analysis/TargetLambda.h"
#include "core/ImageLayout.h"

#include <array>
#include <optional>
#include <vector>

namespace torvana {

using StoredGrid = std::array<std::array<int, CurveColumns>, CurveRows>;

// The table the analysis suggests for: its engine-speed axis in rpm and its
// stored cells (steps of 50 µs).
struct InjectionTable {
    std::array<int, CurveColumns> rpmAxis{};
    StoredGrid stored{};
};

InjectionTable InjectionTableOf(const ParameterImage& image, int table);

enum class SuggestionState {
    NoTable,    // the cell holds 0: nothing to scale
    NoSamples,
    TooFew,     // some samples, fewer than enough
    Suggested,
};

struct CellSuggestion {
    SuggestionState state = SuggestionState::NoSamples;
    double percent = 0;           // within the authority
    double unlimitedPercent = 0;  // what the samples alone say
    // Whole samples the cell's shares are worth: the sum of the squared
    // shares, so a sample split four ways counts a quarter in each cell.
    double weight = 0;
    int samples = 0;              // samples with a share in the cell
    double confidence = 0;        // 0..1

    bool Limited() const { return percent != unlimitedPercent; }
};

using SuggestionGrid = std::array<std::array<CellSuggestion, CurveColumns>, CurveRows>;

class SuggestionAccumulator {
public:
    SuggestionAccumulator(const AnalysisOptions& options, const InjectionTable& table, const LambdaGrid& target);

    // Takes a sample into the cells, or says why it cannot be used.
    std::optional<Rejection> Add(const LambdaSample& sample);
    SuggestionGrid Suggestions() const;
    std::size_t Accepted() const { return accepted_; }

private:
    static constexpr int Stencil = 9;  // a cell and its eight neighbours
    struct CellSums {
        std::array<double, Stencil> normal{};  // least-squares row, by neighbour
        double right = 0;
        double weight = 0;
        double weightSquared = 0;
        double ratio = 0;  // weighted sums of the sample's ratio or direction
        double ratioSquared = 0;
        // For the spread of the samples around the solution: the weighted
        // sums of ratio x fuel share and of fuel share x fuel share, by
        // neighbour.
        std::array<double, Stencil> ratioShare{};
        std::array<std::array<double, Stencil>, Stencil> shareShare{};
        int samples = 0;
    };

    struct Solution {
        std::array<double, CurveCells> factor{};           // 1: no change
        std::array<double, CurveCells> inverseDiagonal{};  // of the solved system
    };
    Solution Solve() const;
    CellSuggestion Suggest(int cell, const Solution& solution) const;
    // The weighted mean square of the cell's samples' ratios around the
    // ratios that the factors give.
    double ResidualSquare(int cell, const std::array<double, CurveCells>& factor) const;

    AnalysisOptions options_;
    InjectionTable table_;
    LambdaGrid target_;
    std::array<CellSums, CurveCells> sums_{};
    std::size_t accepted_ = 0;
};

// A stored value that a suggestion leads to.
struct CellChange {
    int row = 0;
    int column = 0;
    int stored = 0;
    constexpr bool operator==(const CellChange&) const = default;
};

using CellChoice = std::array<std::array<bool, CurveColumns>, CurveRows>;

// The new stored values: the chosen cells that have a suggestion, or without
// a choice every cell suggested with at least minConfidence. Cells whose
// value would not change are left out.
std::vector<CellChange> SuggestedChanges(const SuggestionGrid& suggestions, const StoredGrid& stored,
                                         const CellChoice* chosen, double minConfidence);

}  // namespace torvana
