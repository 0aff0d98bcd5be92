#include "UnitSimulator.h"

#include "core/Header.h"
#include "link/MonitorFrame.h"
#include "link/UnitLink.h"
#include "link/UnitOwnedBytes.h"

#include <algorithm>

namespace torvana {

namespace {

// The firmware this unit reports in its header.
constexpr char FirmwareCharacters[] = "TVR";
constexpr std::uint8_t FirmwareNumber = 12;
constexpr std::uint8_t FirmwareDay = 14;
constexpr int FirmwareMonth = 3;
constexpr std::uint8_t FirmwareYear = 25;  // year - 2000
constexpr std::uint8_t FirmwareHour = 10;
constexpr std::uint8_t FirmwareMinute = 42;
constexpr std::uint8_t ReadingRefusedValue = 0;

constexpr int Percent = 100;
constexpr std::uint8_t CorruptionMask = 0x5A;
constexpr std::uint8_t DifferenceMask = 0x01;
constexpr std::uint64_t MillisecondsPerSecond = 1000;
constexpr std::uint8_t PatternFactor = 37;
constexpr std::uint8_t PatternBias = 11;

}  // namespace

UnitSimulator::UnitSimulator(const SimulatorOptions& options)
    : options(options), random(options.faults.seed), noise(options.faults.seed + 1),
      noiseTimes(options.faults.seed + 2)
{
    std::copy_n(FirmwareCharacters, sizeof FirmwareCharacters - 1, store.begin() + Offset::FirmwareVersionChars);
    store[Offset::FirmwareVersionNumber] = FirmwareNumber;
    store[Offset::FirmwareDay] = FirmwareDay;
    store[Offset::FirmwareMonthCode] = MonthCode(FirmwareMonth);
    store[Offset::FirmwareYear] = FirmwareYear;
    store[Offset::FirmwareHour] = FirmwareHour;
    store[Offset::FirmwareMinute] = FirmwareMinute;
    FillOwnedPattern();
    RefreshHeader();
    AddNoise();
}

void UnitSimulator::Preload(const ParameterImage& image)
{
    std::copy(image.begin() + BlockOffset(1), image.end(), store.begin() + BlockOffset(1));
    if (options.fuelledEngine && !fuelled)
        fuelled.emplace(*options.fuelledEngine, store);
    FillOwnedPattern();
    RefreshHeader();
}

std::uint8_t UnitSimulator::OwnedPatternByte(std::size_t offset)
{
    return static_cast<std::uint8_t>(offset * PatternFactor + PatternBias);
}

void UnitSimulator::FillOwnedPattern()
{
    if (!options.faults.ownedPattern)
        return;
    for (std::size_t offset = 0; offset < ImageSize; ++offset) {
        if (IsUnitOwnedOffset(offset))
            store[offset] = OwnedPatternByte(offset);
    }
}

// Noise bytes come at irregular times, half to one and a half of the mean
// gap apart, behind whatever reply is already on its way.
void UnitSimulator::AddNoise()
{
    const int rate = options.faults.noisePerSecond;
    if (rate <= 0)
        return;
    const std::uint64_t gap = MillisecondsPerSecond / static_cast<std::uint64_t>(rate);
    while (nextNoise <= now) {
        if (nextNoise > 0)
            replies.push_back(Reply{nextNoise, {static_cast<std::uint8_t>(noise())}});
        nextNoise += gap / 2 + noiseTimes() % (gap + 1);
    }
}

// The header follows the stored parameters: a unit programmed with
// NO_READING refuses to be read.
void UnitSimulator::RefreshHeader()
{
    const bool refused = options.faults.readingRefused || store[Offset::NoReading] != 0;
    store[Offset::ReadingAllowed] = refused ? ReadingRefusedValue : ReadingAllowedValue;
    store[Offset::ImageVersion] = static_cast<std::uint8_t>(options.faults.versionByte);
}

void UnitSimulator::Receive(std::span<const std::uint8_t> bytes)
{
    assembler.Push(bytes);
    while (const auto request = assembler.Next()) {
        ++requestsReceived;
        Answer(*request);
    }
}

void UnitSimulator::AdvanceMilliseconds(std::uint64_t milliseconds)
{
    now += milliseconds;
    AddNoise();
}

std::vector<std::uint8_t> UnitSimulator::TakeOutput()
{
    std::vector<std::uint8_t> out;
    while (!replies.empty() && replies.front().due <= now) {
        out.insert(out.end(), replies.front().bytes.begin(), replies.front().bytes.end());
        replies.pop_front();
    }
    return out;
}

std::uint16_t UnitSimulator::StoreRemaining() const
{
    if (!storeStarted)
        return 0;
    const std::uint64_t elapsed = now - *storeStarted;
    const std::uint16_t floor = options.faults.storeStopsAt.value_or(0);
    if (elapsed >= StoreMilliseconds)
        return floor;
    const auto remaining = static_cast<std::uint16_t>(UnitStoreFull - UnitStoreFull * elapsed / StoreMilliseconds);
    return std::max(remaining, floor);
}

void UnitSimulator::Answer(const UnitFrame& request)
{
    const auto& limit = options.faults.answerLimit;
    if (options.faults.silent || (limit && requestsReceived > *limit))
        return;
    const std::uint8_t command = request[FrameCommandIndex];
    if (command == Command::MonitorRequest) {
        Queue(MonitorReply());
        return;
    }
    if (!IsReadBack(command)) {
        const int block = BlockOfCommand(command);
        // The header is the unit's own: a written block 0 is answered, not stored.
        if (block != 0) {
            const auto data = FrameData(request);
            std::copy(data.begin(), data.end(), store.begin() + BlockOffset(block));
            RefreshHeader();
        }
        if (block == Command::LastBlock) {
            ++programmings;
            storeStarted = now;
        }
    }
    Queue(BlockReply(command));
}

UnitFrame UnitSimulator::BlockReply(std::uint8_t request)
{
    const int block = BlockOfCommand(request);
    UnitFrame reply = BuildBlockFrame(request, store, BlockData::Image);
    reply[FrameCommandIndex] = ReplyCommand(request);
    const auto& diff = options.faults.verifyDiffOffset;
    if (IsReadBack(request) && diff && *diff / BlockSize == static_cast<std::size_t>(block))
        reply[FrameDataIndex + *diff % BlockSize] ^= DifferenceMask;
    SealFrame(reply);
    return reply;
}

UnitFrame UnitSimulator::MonitorReply()
{
    const EngineSample sample = options.idleEngine ? StoppedEngine(now)
                                : fuelled          ? fuelled->At(now, store)
                                                   : RunningEngine(now);
    UnitCounters counters;
    counters.storeRemaining = StoreRemaining();
    counters.programmings = programmings;
    counters.framesAnswered = static_cast<std::uint16_t>(framesAnswered);
    UnitFrame frame = EncodeMonitorFrame(sample, counters);
    if (options.faults.coolantSensorFailed) {
        frame[MonitorField::WaterTemp] = 0;
        SealFrame(frame);
    }
    return frame;
}

void UnitSimulator::Queue(UnitFrame reply)
{
    ++framesAnswered;
    const SimulatorFaults& faults = options.faults;
    // Every roll is made for every reply so that one fault's share does not
    // change which replies another fault hits.
    const bool drop = Roll(faults.dropPercent);
    const bool corrupt = Roll(faults.corruptPercent);
    const bool stray = Roll(faults.strayPercent);
    const int strayCount = 1 + static_cast<int>(random() % MaxStrayBytes);
    if (drop)
        return;
    if (corrupt)
        reply[FrameCheckIndex] ^= CorruptionMask;

    Reply queued;
    queued.due = now + static_cast<std::uint64_t>(std::max(0, faults.lateMilliseconds));
    if (stray) {
        for (int i = 0; i < strayCount; ++i)
            queued.bytes.push_back(static_cast<std::uint8_t>(noise()));
    }
    queued.bytes.insert(queued.bytes.end(), reply.begin(), reply.end());
    replies.push_back(std::move(queued));
}

bool UnitSimulator::Roll(int percent)
{
    return static_cast<int>(random() % Percent) < percent;
}

}  // namespace torvana
