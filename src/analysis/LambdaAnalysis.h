#pragma once
// The lambda analysis of one injection table: frames in, live or from a
// log, suggestions and the counted rejections out.

#include "analysis/LambdaSamples.h"
#include "analysis/Suggestions.h"

#include <span>
#include <vector>

namespace torvana {

class LambdaAnalysis {
public:
    LambdaAnalysis(const AnalysisOptions& options, const InjectionTable& table, const LambdaGrid& target);

    void Add(const LogRow& row);
    void Add(std::span<const LogRow> rows);
    // The end of a log: frames still waiting for their reading are rejected.
    void Finish();

    const RejectionCounts& Rejections() const { return stream_.Rejections(); }
    std::size_t Accepted() const { return accumulator_.Accepted(); }
    SuggestionGrid Suggestions() const { return accumulator_.Suggestions(); }

private:
    SampleStream stream_;
    SuggestionAccumulator accumulator_;
    std::vector<LambdaSample> samples_;  // reused between frames
};

// A whole log at once.
SuggestionGrid AnalyseLog(std::span<const LogRow> rows, const AnalysisOptions& options, const InjectionTable& table,
                          const LambdaGrid& target, RejectionCounts* rejections = nullptr);

}  // namespace torvana
