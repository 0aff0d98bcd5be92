#include "log/RecordingRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvana {
namespace {

constexpr std::uint64_t Plenty = LogMinimumFreeBytes * 10;
constexpr std::uint64_t Short = LogMinimumFreeBytes - 1;

enum class Input { Frame, Tick, Start, Stop, WriteFailed };

struct Step {
    Input input;
    std::int64_t ms = 0;
    int rpm = 0;
    std::uint64_t free = Plenty;
    RecordingChange expected{};
    bool recording = false;
};

constexpr RecordingChange Starts{true, std::nullopt, false};
constexpr RecordingChange Nothing{};
constexpr RecordingChange Stops(StopReason reason, bool noSpace = false) { return {false, reason, noSpace}; }
constexpr RecordingChange NoSpace{false, std::nullopt, true};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

TEST(RecordingRules, StartStopAndSpaceFollowTheRules)
{
    const Scenario scenarios[] = {
        {"the engine starts and stops",
         {{Input::Frame, 0, 0, Plenty, Nothing, false},
          {Input::Frame, 330, 1200, Plenty, Starts, true},
          {Input::Frame, 660, 0, Plenty, Nothing, true},
          {Input::Tick, 5329, 0, Plenty, Nothing, true},
          {Input::Tick, 5330, 0, Plenty, Stops(StopReason::EngineStopped), false},
          {Input::Frame, 5660, 0, Plenty, Nothing, false}}},
        {"a stall shorter than 5 s keeps one recording",
         {{Input::Frame, 0, 900, Plenty, Starts, true},
          {Input::Frame, 4000, 0, Plenty, Nothing, true},
          {Input::Frame, 4990, 1500, Plenty, Nothing, true},
          {Input::Tick, 9000, 0, Plenty, Nothing, true},
          {Input::Tick, 9990, 0, Plenty, Stops(StopReason::EngineStopped), false}}},
        {"frames stop coming (unit unplugged)",
         {{Input::Frame, 0, 3000, Plenty, Starts, true},
          {Input::Tick, 4999, 0, Plenty, Nothing, true},
          {Input::Tick, 5000, 0, Plenty, Stops(StopReason::EngineStopped), false}}},
        {"a manual recording ignores the engine",
         {{Input::Start, 0, 0, Plenty, Starts, true},
          {Input::Frame, 100, 0, Plenty, Nothing, true},
          {Input::Tick, 60000, 0, Plenty, Nothing, true},
          {Input::Frame, 60100, 2000, Plenty, Nothing, true},
          {Input::Start, 60200, 0, Plenty, Nothing, true},
          {Input::Stop, 60300, 0, Plenty, Stops(StopReason::Manual), false},
          {Input::Stop, 60400, 0, Plenty, Nothing, false}}},
        {"a manual start takes over an automatic recording",
         {{Input::Frame, 0, 2000, Plenty, Starts, true},
          {Input::Start, 100, 0, Plenty, Nothing, true},
          {Input::Tick, 20000, 0, Plenty, Nothing, true}}},
        {"after a manual stop the running engine starts nothing until it stops",
         {{Input::Frame, 0, 2000, Plenty, Starts, true},
          {Input::Stop, 100, 0, Plenty, Stops(StopReason::Manual), false},
          {Input::Frame, 330, 2000, Plenty, Nothing, false},
          {Input::Frame, 660, 0, Plenty, Nothing, false},
          {Input::Frame, 990, 1000, Plenty, Starts, true}}},
        {"after a manual stop silence for 5 s also ends the wait",
         {{Input::Frame, 0, 2000, Plenty, Starts, true},
          {Input::Stop, 100, 0, Plenty, Stops(StopReason::Manual), false},
          {Input::Tick, 5000, 0, Plenty, Nothing, false},
          {Input::Frame, 5100, 2000, Plenty, Starts, true}}},
        {"a failed write waits for the engine to stop",
         {{Input::Frame, 0, 2000, Plenty, Starts, true},
          {Input::WriteFailed, 10, 0, Plenty, Stops(StopReason::WriteFailed), false},
          {Input::Frame, 330, 2000, Plenty, Nothing, false},
          {Input::Frame, 660, 0, Plenty, Nothing, false},
          {Input::Frame, 990, 2000, Plenty, Starts, true}}},
        {"short space refuses a start once and ends a recording",
         {{Input::Frame, 0, 2000, Short, NoSpace, false},
          {Input::Frame, 330, 2000, Short, Nothing, false},
          {Input::Start, 400, 0, Short, NoSpace, false},
          {Input::Frame, 660, 2000, Plenty, Starts, true},
          {Input::Frame, 990, 2000, Short, Stops(StopReason::DiskFull, true), false},
          {Input::Tick, 1000, 0, Short, Nothing, false},
          {Input::Start, 1100, 0, Plenty, Starts, true},
          {Input::Tick, 1200, 0, Short, Stops(StopReason::DiskFull, true), false}}},
    };
    for (const Scenario& scenario : scenarios) {
        RecordingRules rules;
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            const Step& step = scenario.steps[i];
            SCOPED_TRACE(std::string(scenario.name) + ", step " + std::to_string(i + 1));
            RecordingChange change;
            switch (step.input) {
            case Input::Frame: change = rules.Frame(step.ms, step.rpm, step.free); break;
            case Input::Tick: change = rules.Tick(step.ms, step.free); break;
            case Input::Start: change = rules.ManualStart(step.free); break;
            case Input::Stop: change = rules.ManualStop(); break;
            case Input::WriteFailed: change = rules.WriteFailed(); break;
            }
            EXPECT_EQ(change.start, step.expected.start);
            EXPECT_EQ(change.stop, step.expected.stop);
            EXPECT_EQ(change.noSpace, step.expected.noSpace);
            EXPECT_EQ(rules.Recording(), step.recording);
        }
    }
}

}  // namespace
}  // namespace torvana
