#pragma once
// A stand-in for the engine unit on the far end of the line: it stores the
// 20 blocks, answers block and monitor requests and reports a running (or
// stopped) engine. No real time passes inside: the owner advances the clock.
// Faults can be switched on to exercise the PC's retry logic; the same seed
// gives the same faults.

#include "FrameAssembler.h"
#include "FuelledEngine.h"
#include "MonitorEncoder.h"
#include "core/ImageLayout.h"
#include "link/UnitFrame.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace torvana {

struct SimulatorFaults {
    std::uint32_t seed = 1;
    int dropPercent = 0;      // replies never sent
    int corruptPercent = 0;   // replies with a wrong check byte
    int strayPercent = 0;     // replies preceded by a few stray bytes
    int lateMilliseconds = 0; // every reply held back this long
    bool silent = false;      // nothing is ever answered
    bool readingRefused = false;
    int versionByte = ImageVersion;
    std::optional<std::size_t> verifyDiffOffset;  // read-back replies differ here
    int noisePerSecond = 0;   // stray bytes on an otherwise quiet line
    std::optional<std::size_t> answerLimit;      // requests answered before the unit falls silent
    std::optional<std::uint16_t> storeStopsAt;   // the store count never goes below this
    bool ownedPattern = false;  // the unit's own bytes hold a recognisable pattern
    bool coolantSensorFailed = false;
};

struct SimulatorOptions {
    bool idleEngine = false;  // ignition on, engine stopped
    // An engine whose lambda follows the stored injection table, with fuel
    // errors measured against the first set preloaded.
    std::optional<FuelledEngineSetup> fuelledEngine;
    SimulatorFaults faults;
};

// The unit's store counts down from UnitStoreFull to 0 after a Program.
constexpr std::uint64_t StoreMilliseconds = 3500;
constexpr int MaxStrayBytes = 8;
// The unit that the simulator plays has been programmed a few times before.
constexpr std::uint16_t InitialProgrammings = 12;

class UnitSimulator {
public:
    explicit UnitSimulator(const SimulatorOptions& options = {});

    // Blocks 1 to 19 become the stored parameter set; the header stays the unit's.
    void Preload(const ParameterImage& image);

    // Bytes from the PC in any chunking; each complete valid request is answered.
    void Receive(std::span<const std::uint8_t> bytes);

    void AdvanceMilliseconds(std::uint64_t milliseconds);
    std::uint64_t NowMilliseconds() const { return now; }

    // Reply bytes whose time has come, oldest first; they leave the queue.
    std::vector<std::uint8_t> TakeOutput();
    // True while a late reply is still held back.
    bool RepliesPending() const { return !replies.empty(); }

    const ParameterImage& Store() const { return store; }
    std::uint16_t StoreRemaining() const;
    // The value of a unit-owned byte when the pattern fault is on.
    static std::uint8_t OwnedPatternByte(std::size_t offset);
    std::uint16_t Programmings() const { return programmings; }
    // Replies made, including those a fault then dropped.
    std::size_t FramesAnswered() const { return framesAnswered; }
    std::size_t RequestsReceived() const { return requestsReceived; }
    std::size_t DiscardedBytes() const { return assembler.DiscardedBytes(); }

private:
    struct Reply {
        std::uint64_t due = 0;
        std::vector<std::uint8_t> bytes;
    };

    void RefreshHeader();
    void FillOwnedPattern();
    void AddNoise();
    void Answer(const UnitFrame& request);
    UnitFrame BlockReply(std::uint8_t request);
    UnitFrame MonitorReply();
    void Queue(UnitFrame reply);
    bool Roll(int percent);

    SimulatorOptions options;
    std::optional<FuelledEngine> fuelled;
    ParameterImage store{};
    FrameAssembler assembler;
    std::deque<Reply> replies;
    std::mt19937 random;  // which replies the faults hit
    std::mt19937 noise;   // contents of stray bytes
    std::mt19937 noiseTimes;
    std::uint64_t nextNoise = 0;
    std::uint64_t now = 0;
    std::optional<std::uint64_t> storeStarted;
    std::uint16_t programmings = InitialProgrammings;
    std::size_t framesAnswered = 0;
    std::size_t requestsReceived = 0;
};

}  // namespace torvana
