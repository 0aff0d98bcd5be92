#include "analysis/LambdaAnalysis.h"

namespace torvana {

LambdaAnalysis::LambdaAnalysis(const AnalysisOptions& options, const InjectionTable& table, const LambdaGrid& target)
    : stream_(options), accumulator_(options, table, target)
{
}

void LambdaAnalysis::Add(const LogRow& row)
{
    samples_.clear();
    stream_.Add(FrameOfRow(row), samples_);
    for (const LambdaSample& sample : samples_)
        if (const auto reason = accumulator_.Add(sample))
            stream_.Reject(*reason);
}

void LambdaAnalysis::Add(std::span<const LogRow> rows)
{
    for (const LogRow& row : rows)
        Add(row);
}

void LambdaAnalysis::Finish()
{
    stream_.Finish();
}

SuggestionGrid AnalyseLog(std::span<const LogRow> rows, const AnalysisOptions& options, const InjectionTable& table,
                          const LambdaGrid& target, RejectionCounts* rejections)
{
    LambdaAnalysis analysis(options, table, target);
    analysis.Add(rows);
    analysis.Finish();
    if (rejections)
        *rejections = analysis.Rejections();
    return analysis.Suggestions();
}

}  // namespace torvana
