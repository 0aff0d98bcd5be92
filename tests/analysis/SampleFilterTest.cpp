// Each rejection rule, met by a short steady run with one disturbance:
// that rule counts its frames, no other rule than the log's end counts any,
// and every frame is either a sample or a counted rejection.

#include "analysis/LambdaSamples.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace torvana {
namespace {

constexpr int FrameCount = 40;
constexpr int FrameMs = 330;
constexpr int Disturbed = 20;

AnalysisFrame Steady(int i)
{
    AnalysisFrame f;
    f.timeMs = static_cast<std::int64_t>(i) * FrameMs;
    f.rpm = 5000;
    f.throttle = 30;
    f.lambdaMillivolts = 2500;
    f.water = 80;
    f.startTime = 6000;
    return f;
}

struct FilterCase {
    Rejection reason;
    std::function<void(AnalysisFrame&, int)> disturb;  // frame, its index
};

TEST(SampleFilterTest, EachRuleCountsItsFramesAndNoOther)
{
    const FilterCase cases[] = {
        {Rejection::EngineSpeed, [](AnalysisFrame& f, int i) { if (i == Disturbed) f.rpm = 900; }},
        {Rejection::Throttle, [](AnalysisFrame& f, int i) { if (i == Disturbed) f.throttle.reset(); }},
        {Rejection::Coolant, [](AnalysisFrame& f, int i) { if (i == Disturbed) f.water = 40; }},
        {Rejection::ThrottleChange, [](AnalysisFrame& f, int i) { if (i >= Disturbed) f.throttle = 60; }},
        {Rejection::AfterStart, [](AnalysisFrame& f, int i) { if (i < Disturbed) f.startTime = i * 3; }},
        {Rejection::Limiter, [](AnalysisFrame& f, int i) { f.limiter = i == Disturbed; }},
        {Rejection::Overrun, [](AnalysisFrame& f, int i) {
             f.throttle = 0;
             f.rpm = 6000 - 100 * std::max(0, i - Disturbed);
         }},
        {Rejection::SensorRail, [](AnalysisFrame& f, int i) { if (i == Disturbed) f.lambdaMillivolts = 0; }},
        {Rejection::NoLaterReading, [](AnalysisFrame& f, int i) { if (i > Disturbed) f.timeMs += 3000; }},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "rule " << static_cast<int>(c.reason));
        AnalysisOptions options;
        SampleStream stream(options);
        std::vector<LambdaSample> samples;
        for (int i = 0; i < FrameCount; ++i) {
            AnalysisFrame frame = Steady(i);
            c.disturb(frame, i);
            stream.Add(frame, samples);
        }
        stream.Finish();
        const RejectionCounts& counts = stream.Rejections();
        EXPECT_GT(counts[static_cast<std::size_t>(c.reason)], 0u);
        for (int r = 0; r < RejectionCount; ++r) {
            if (r != static_cast<int>(c.reason) && r != static_cast<int>(Rejection::NoLaterReading))
                EXPECT_EQ(counts[r], 0u) << "also rule " << r;
        }
        EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), samples.size()), std::size_t{FrameCount});
        EXPECT_GT(samples.size(), 0u);
    }
}

TEST(SampleFilterTest, ASampleTakesTheReadingADelayLaterAndAnEarlierFrameStartsANewRun)
{
    AnalysisOptions options;
    options.delayMs = 500;
    SampleStream stream(options);
    std::vector<LambdaSample> samples;
    for (int i = 0; i < FrameCount; ++i) {
        AnalysisFrame frame = Steady(i);
        frame.lambdaMillivolts = 1000 + i * FrameMs;  // a ramp: the reading tells its time
        stream.Add(frame, samples);
        if (i == FrameCount / 2) {
            frame.timeMs = 0;
            stream.Add(frame, samples);  // a new log
        }
    }
    ASSERT_FALSE(samples.empty());
    for (const LambdaSample& s : samples)
        EXPECT_NEAR(s.lambdaMillivolts, 1000 + s.frameTimeMs + options.delayMs, 1e-6);
}

}  // namespace
}  // namespace torvana
