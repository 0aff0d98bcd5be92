// A byte stream from the unit fed through the link tick by tick, while
// Program, Verify and Read run and while idle, with the monitor frames going
// to the decoder. After every tick: the mode and the gauge stay in range,
// the image changes only where an accepted reply may change it, and a
// reported success means that the unit answered every verified block with
// the image's bytes.

#include "FuzzSupport.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/LiveValues.h"
#include "link/MonitorDecoder.h"
#include "link/MonitorView.h"
#include "link/SerialLine.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstring>
#include <optional>
#include <vector>

namespace torvana {
namespace {

// A line whose incoming bytes come from the fuzz input; it remembers the
// start of what the last read handed out so that the check knows which frame
// was seen.
class FuzzLine final : public SerialLine {
public:
    int QueuedBytes() override { return static_cast<int>(incoming.size() - head); }
    int Read(std::uint8_t* buffer, int max) override
    {
        const int n = std::min({max, readLimit, QueuedBytes()});
        std::copy_n(incoming.begin() + static_cast<std::ptrdiff_t>(head), n, buffer);
        lastReadCount = n;
        std::copy_n(buffer, std::min(n, FrameSize), lastRead.begin());
        head += static_cast<std::size_t>(n);
        if (head == incoming.size())
            Purge();
        return n;
    }
    bool WriteAndDrain(const std::uint8_t*, int) override { return true; }
    void Purge() override
    {
        incoming.clear();
        head = 0;
    }
    void Close() override {}
    bool IsOpen() const override { return true; }

    // Bytes before head are read; the buffer is kept, not shifted.
    std::vector<std::uint8_t> incoming;
    std::size_t head = 0;
    UnitFrame lastRead{};
    int lastReadCount = 0;
    int readLimit = ReceiveBufferSize;
};

// Reads the fuzz input front to back; past its end every byte is 0.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
    bool Done() const { return position >= size; }
    std::uint8_t Byte() { return position < size ? data[position++] : 0; }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

enum class Step : std::uint8_t { StartProgram, StartVerify, StartRead, Reply, Monitor, RawBytes, ReadLimit, Ticks };
constexpr int StepCount = 8;
constexpr int MaxTicksPerStep = 32;
constexpr int MinReadLimit = 1;
constexpr int FirstVerifiedBlock = 1;  // the header block is the unit's own

using BlockBytes = std::array<std::uint8_t, FrameDataSize>;

// Made once: every run starts from the same image.
const ParameterImage& StartImage()
{
    static const ParameterImage start = [] {
        ParameterImage image{};
        FillDefaultParameters(image);
        NormaliseImage(image);
        image[Offset::ReadingAllowed] = ReadingAllowedValue;
        image[Offset::ImageVersion] = ImageVersion;
        return image;
    }();
    return start;
}

// The whole image against the model after every tick. Both are this
// target's own arrays, so the comparison needs no sanitizer checks: through
// the checked memcmp it was a sixth of a run. Eight bytes at a time: byte by
// byte it was a tenth.
__attribute__((no_sanitize("address", "undefined", "coverage"))) bool SameImage(const ParameterImage& a, const ParameterImage& b)
{
    // Accessors are not inlined into a function built without the checks.
    constexpr std::size_t size = std::tuple_size_v<ParameterImage>;
    constexpr std::size_t word = sizeof(std::uint64_t);
    const std::uint8_t* left = a.data();
    const std::uint8_t* right = b.data();
    std::uint64_t difference = 0;
    std::size_t i = 0;
    for (; i + word <= size; i += word) {
        std::uint64_t leftWord = 0;
        std::uint64_t rightWord = 0;
        std::memcpy(&leftWord, left + i, word);
        std::memcpy(&rightWord, right + i, word);
        difference |= leftWord ^ rightWord;
    }
    for (; i < size; ++i)
        difference |= static_cast<std::uint64_t>(left[i] ^ right[i]);
    return difference == 0;
}

class LinkUnderFuzz {
public:
    LinkUnderFuzz() : image(StartImage()), model(image)
    {
        link.SetLine(&line);
        link.SetMonitorHandler([this](const UnitFrame& frame) {
            if (!DecodeMonitorFrame(frame.data(), extendedMonitor, servoVisible, live, view))
                return false;
            for (const GaugeState& gauge : view.gauges)
                Require(gauge.progress >= GaugeMinimum && gauge.progress <= GaugeMaximum, "monitor gauge in range");
            link.SetUnitStoreRemaining(live.UnitStoreRemaining);
            return true;
        });
    }

    void Run(InputReader& input)
    {
        while (!input.Done()) {
            const std::uint8_t op = input.Byte();
            const int extra = op / StepCount;
            switch (static_cast<Step>(op % StepCount)) {
            case Step::StartProgram: answered.reset(); link.StartProgram(); break;
            case Step::StartVerify: answered.reset(); link.StartVerify(); break;
            case Step::StartRead:
                answered.reset();
                received = image;
                link.StartRead();
                break;
            case Step::Reply: QueueReply(input, extra); Tick(); break;
            case Step::Monitor: QueueMonitor(input, extra); Tick(); break;
            case Step::RawBytes: QueueRaw(input); Tick(); break;
            case Step::ReadLimit: line.readLimit = std::max<int>(MinReadLimit, input.Byte() * FrameSize / 64); break;
            case Step::Ticks:
                for (int i = extra % MaxTicksPerStep; i >= 0; --i)
                    Tick(i == 0);
                break;
            }
            CheckRanges();
        }
    }

private:
    // A sealed frame: the expected reply or any command, with the image's
    // block (an echo) or bytes from the input.
    void QueueReply(InputReader& input, int variant)
    {
        const std::uint8_t command = (variant & 1) != 0 ? ReplyCommand(link.BlockCommand()) : input.Byte();
        std::array<std::uint8_t, FrameDataSize> data{};
        if ((variant & 2) != 0) {
            const auto block = BlockOffset(static_cast<std::size_t>(BlockOfCommand(link.BlockCommand())));
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(block), FrameDataSize, data.begin());
            // A few bytes of the echo may differ.
            for (int i = 0; i < (variant >> 2); ++i)
                data[input.Byte() % FrameDataSize] = input.Byte();
        } else {
            for (std::uint8_t& byte : data)
                byte = input.Byte();
        }
        const UnitFrame frame = BuildFrame(command, data);
        line.incoming.insert(line.incoming.end(), frame.begin(), frame.end());
    }

    void QueueMonitor(InputReader& input, int variant)
    {
        extendedMonitor = (variant & 1) != 0;
        servoVisible = (variant & 2) != 0;
        std::array<std::uint8_t, FrameDataSize> data{};
        for (std::uint8_t& byte : data)
            byte = input.Byte();
        const UnitFrame frame = BuildFrame(Command::MonitorReply, data);
        line.incoming.insert(line.incoming.end(), frame.begin(), frame.end());
    }

    void QueueRaw(InputReader& input)
    {
        const int count = input.Byte();
        for (int i = 0; i < count; ++i)
            line.incoming.push_back(input.Byte());
    }

    // The image is compared with the model after every tick in which the
    // link read from the line, changed its mode or block, or reported a
    // change or an end, and after a step's last tick: in between, a run of
    // idle ticks was most of a run, each comparing 2 000 bytes.
    void Tick(bool lastOfStep = true)
    {
        const TransferMode mode = link.Mode();
        const std::uint8_t command = link.BlockCommand();
        line.lastReadCount = 0;
        if (mode != TransferVerify)
            answered.reset();
        link.Tick();

        // Only Program's header block is copied in at once; a Read fills a
        // copy that the image takes whole after the last block, or only its
        // header when the unit refuses. A normalisation may follow.
        if (line.lastReadCount >= FrameSize) {
            const UnitFrame& frame = line.lastRead;
            const int block = BlockOfCommand(command);
            const bool accepted = mode != TransferIdle && frame[FrameCommandIndex] != Command::MonitorReply
                                  && FrameIsValid(frame) && frame[FrameCommandIndex] == ReplyCommand(command);
            const auto data = FrameData(frame);
            const auto at = static_cast<std::ptrdiff_t>(BlockOffset(block));
            if (accepted && mode == TransferProgram && block == 0)
                std::copy(data.begin(), data.end(), model.begin() + at);
            if (accepted && mode == TransferRead) {
                std::copy(data.begin(), data.end(), received.begin() + at);
                const bool headerRefused = block == 0
                                           && (received[Offset::ReadingAllowed] != ReadingAllowedValue
                                               || received[Offset::ImageVersion] != ImageVersion);
                if (headerRefused)
                    std::copy(data.begin(), data.end(), model.begin() + at);
                else if (block == Command::LastBlock)
                    model = received;
            }
            if (accepted && mode == TransferVerify) {
                answered.set(static_cast<std::size_t>(block));
                std::copy(data.begin(), data.end(), unitBlocks[static_cast<std::size_t>(block)].begin());
            }
        }
        const bool imageChanged = link.TakeImageChanged();
        if (imageChanged)
            NormaliseImage(model);
        const auto end = link.TakeTransferEnd();
        const bool acted = line.lastReadCount > 0 || imageChanged || end || link.Mode() != mode
                           || link.BlockCommand() != command;
        if (acted || lastOfStep)
            Require(SameImage(image, model), "image changes only in the block in transfer");

        if (end == TransferEnd::Error) {
            const std::string& text = mode == TransferProgram  ? messages.TextProgramError
                                      : mode == TransferVerify ? messages.TextVerifyError
                                                               : messages.TextReadError;
            Require(link.Status().text == text && link.Status().red, "a failed transfer shows its mode's error");
        }
        if (end == TransferEnd::VerifyOk)
            Require(UnitHoldsTheImage(), "a reported success means the unit's blocks equal the image's");
        CheckRanges();
    }

    // Every verified block was answered in this pass with the image's bytes;
    // the unit keeps its own engine-speed-doubling flag.
    bool UnitHoldsTheImage() const
    {
        for (int block = FirstVerifiedBlock; block <= Command::LastBlock; ++block) {
            if (!answered.test(static_cast<std::size_t>(block)))
                return false;
            const BlockBytes& bytes = unitBlocks[static_cast<std::size_t>(block)];
            for (std::size_t i = 0; i < BlockSize; ++i) {
                const std::size_t offset = BlockOffset(static_cast<std::size_t>(block)) + i;
                if (offset != Offset::Rpm2 && bytes[i] != image[offset])
                    return false;
            }
        }
        return true;
    }

    void CheckRanges() const
    {
        Require(link.Mode() <= TransferRead, "transfer mode 0..3");
        Require(link.Gauge().value >= 0 && link.Gauge().value <= GaugeMax, "gauge 0..19");
        Require(link.Mode() == TransferIdle || BlockOfCommand(link.BlockCommand()) <= Command::LastBlock,
                "block in transfer 0..19");
    }

    // The same English texts for every run.
    static const MessageTable& Messages()
    {
        static const MessageTable texts = [] {
            MessageTable table;
            SetMessageTexts(table, English);
            return table;
        }();
        return texts;
    }

    // The decoder keeps no state (the decoder target checks it), so every
    // run decodes into the same values and view and reuses their strings.
    static LiveValues& SharedLive()
    {
        static LiveValues live;
        return live;
    }
    static MonitorView& SharedView()
    {
        static MonitorView view;
        return view;
    }

    ParameterImage image;
    // What the image must hold after each tick.
    ParameterImage model;
    const MessageTable& messages = Messages();
    FuzzLine line;
    UnitLink link{image, messages};
    LiveValues& live = SharedLive();
    MonitorView& view = SharedView();
    bool extendedMonitor = false;
    bool servoVisible = false;
    // What the unit answered for each block in the running verify pass: the
    // bytes of the blocks marked as answered (a mark is cheaper to clear
    // every tick than the blocks).
    std::bitset<BlockCount> answered;
    // Read only where marked as answered.
    std::array<BlockBytes, BlockCount> unitBlocks;
    // The blocks the running Read has received so far; set when a Read starts.
    ParameterImage received;
};

}  // namespace
}  // namespace torvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    torvana::InputReader input(data, size);
    // Made in the same place every run: on the stack, its 20 kB of arrays
    // and the link's receive buffer took fresh pages and sanitizer set-up per run.
    static std::optional<torvana::LinkUnderFuzz> fuzz;
    fuzz.emplace();
    fuzz->Run(input);
    fuzz.reset();
    return 0;
}
