#pragma once
// Turns the monitor's frames into lambda samples: the operating point of a
// frame with the sensor's reading a transport delay later, when the fuel of
// that frame has reached the sensor. Frames that cannot stand for a steady
// mixture are rejected with a counted reason.

#include "analysis/AnalysisOptions.h"
#include "log/LogRow.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace torvana {

enum class Rejection : int {
    EngineSpeed,     // outside the analysed range
    Throttle,        // outside the analysed range or a sensor error
    Coolant,         // below the threshold or a sensor error
    ThrottleChange,  // faster than the threshold up to the reading
    AfterStart,      // the first seconds after the start
    Limiter,         // a limiter active
    Overrun,         // throttle closed with the engine speed falling
    SensorRail,      // the lambda reading at a rail, or none
    NoLaterReading,  // the log ends or pauses before the delayed reading
    NarrowBandTarget,  // a narrow-band sensor cannot tell a target other than 1
    Count,
};

constexpr int RejectionCount = static_cast<int>(Rejection::Count);
using RejectionCounts = std::array<std::size_t, RejectionCount>;

// What the analysis reads of one frame.
struct AnalysisFrame {
    std::int64_t timeMs = 0;
    int rpm = 0;
    std::optional<int> throttle;  // percent
    std::optional<int> lambdaMillivolts;
    std::optional<int> water;      // °C
    std::optional<int> startTime;  // 0.1 s since the start
    bool limiter = false;
};

AnalysisFrame FrameOfRow(const LogRow& row);

struct LambdaSample {
    std::int64_t frameTimeMs = 0;
    int rpm = 0;
    int throttle = 0;
    double lambdaMillivolts = 0;  // read delayMs after the frame
};

// Frames further apart than this leave no reading between them.
constexpr std::int64_t LongestFrameGapMs = 2000;

class SampleStream {
public:
    explicit SampleStream(const AnalysisOptions& options);

    // Takes the next frame; every frame whose delayed reading it completes
    // becomes a sample in out or a counted rejection. A frame earlier than
    // the last one starts a new run.
    void Add(const AnalysisFrame& frame, std::vector<LambdaSample>& out);
    // The frames still waiting for their reading count as NoLaterReading.
    void Finish();

    const RejectionCounts& Rejections() const { return rejections_; }
    void Reject(Rejection reason) { ++rejections_[static_cast<std::size_t>(reason)]; }

private:
    std::optional<Rejection> Check(std::size_t index, std::size_t reading) const;

    AnalysisOptions options_;
    std::deque<AnalysisFrame> recent_;
    std::size_t pending_ = 0;  // first frame of recent_ still waiting
    RejectionCounts rejections_{};
};

}  // namespace torvana
