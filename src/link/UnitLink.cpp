#include "link/UnitLink.h"

#include "core/Normalise.h"
#include "link/SerialLine.h"
#include "texts/MessageTable.h"

#include <algorithm>
#include <span>
#include <utility>

namespace torvana {

namespace {

constexpr int FirstParameterBlock = 1;  // block 0 is the unit's header
constexpr int FirstWrittenBlock = 0;
constexpr int FirstReadBlock = 0;

std::span<std::uint8_t, BlockSize> ImageBlock(ParameterImage& image, int block)
{
    return std::span<std::uint8_t, BlockSize>(image.data() + BlockOffset(static_cast<std::size_t>(block)), BlockSize);
}

}  // namespace

UnitLink::UnitLink(ParameterImage& image, const MessageTable& messages) : image(image), messages(messages) {}

void UnitLink::Tick()
{
    PollReceive();
    TransferStep();
    CountdownStep();
    ConnectionStep();
}

void UnitLink::PollReceive()
{
    if (line == nullptr) {
        return;
    }
    const int waiting = line->QueuedBytes();
    if (waiting < FrameSize) {
        return;
    }
    // One read empties the queue; whatever follows the first frame is dropped.
    const int received = line->Read(receiveBuffer.data(), std::min(waiting, ReceiveBufferSize));
    if (received < FrameSize) {
        // A line that lost bytes on the way must not leave an older frame to
        // be interpreted a second time.
        return;
    }
    UnitFrame frame;
    std::copy_n(receiveBuffer.begin(), FrameSize, frame.begin());
    lastFrameFailedCheck = !FrameIsValid(frame);
    if (frame[FrameCommandIndex] == Command::MonitorReply) {
        if (monitorHandler && monitorHandler(frame)) {
            silenceTicks = 0;
            NoteStoreReport();
        }
        return;
    }
    HandleBlockReply(frame);
}

void UnitLink::SendBlockFrame()
{
    sendTicks = 0;
    const BlockData data = transferMode == TransferRead ? BlockData::Zeros : BlockData::Image;
    const UnitFrame frame = BuildBlockFrame(blockCommand, image, data);
    if (line != nullptr) {
        // Stray bytes left in the queue would spoil the reply to this request.
        line->Purge();
        line->WriteAndDrain(frame.data(), FrameSize);
    }
}

void UnitLink::SendMonitorRequest()
{
    static const UnitFrame request = BuildMonitorRequest();
    if (line != nullptr) {
        line->Purge();
        line->WriteAndDrain(request.data(), FrameSize);
    }
    if (storeWatch.active) {
        storeWatch.requested = true;
    }
}

void UnitLink::HandleBlockReply(const UnitFrame& frame)
{
    if (transferMode == TransferIdle || !FrameIsValid(frame)
        || frame[FrameCommandIndex] != ReplyCommand(blockCommand)) {
        return;
    }
    silenceTicks = 0;
    const int block = BlockOfCommand(blockCommand);
    switch (transferMode) {
    case TransferRead:
        HandleReadReply(frame, block);
        break;
    case TransferVerify:
        HandleVerifyReply(frame, block);
        break;
    case TransferProgram:
        HandleProgramReply(frame, block);
        break;
    case TransferIdle:
        break;
    }
}

void UnitLink::HandleReadReply(const UnitFrame& frame, int block)
{
    const auto data = FrameData(frame);
    std::copy(data.begin(), data.end(), ImageBlock(receivedSet, block).begin());
    if (block == FirstReadBlock) {
        const bool refused = receivedSet[Offset::ReadingAllowed] != ReadingAllowedValue;
        if (!readingCopy) {
            headerTexts = DecodeHeader(receivedSet);
        }
        if (!readingCopy && (refused || receivedSet[Offset::ImageVersion] != ImageVersion)) {
            // A Read that stops at the header leaves the unit's header behind.
            std::copy(data.begin(), data.end(), ImageBlock(image, block).begin());
        }
        if (refused) {
            ShowStatus(messages.TextNoReading, true);
            transferMode = TransferIdle;
            resultShownThisTick = true;
            RefillUnlessCopy();
            transferEnd = TransferEnd::NoReading;
            return;
        }
        if (receivedSet[Offset::ImageVersion] != ImageVersion) {
            transferMode = TransferIdle;
            RefillUnlessCopy();
            transferEnd = TransferEnd::VersionMismatch;
            pendingMessages.push_back(messages.TextVersionMismatch);
            return;
        }
    }
    if (block < Command::LastBlock) {
        AdvanceBlock();
        return;
    }
    if (!readingCopy) {
        image = receivedSet;
        NormaliseAndRefill();
    }
    SwitchToVerify();
}

void UnitLink::HandleVerifyReply(const UnitFrame& frame, int block)
{
    const auto data = FrameData(frame);
    const std::size_t start = BlockOffset(static_cast<std::size_t>(block));
    const bool asReceived = (readCheckedAsReceived && pendingReadCheck) || readingCopy;
    const ParameterImage& reference = asReceived ? receivedSet : image;
    for (std::size_t i = 0; i < BlockSize; ++i) {
        // The unit keeps its own engine-speed-doubling flag.
        if (start + i != Offset::Rpm2 && data[i] != reference[start + i]) {
            return;
        }
    }
    if (block < Command::LastBlock) {
        AdvanceBlock();
        return;
    }
    gauge.value = GaugeMax;
    ShowStatus(messages.TextVerify + OkSuffix, false);
    transferMode = TransferIdle;
    transferEnd = TransferEnd::VerifyOk;
    resultShownThisTick = true;
    if (readingCopy) {
        unitCopy = receivedSet;
        NormaliseImage(*unitCopy);
    }
    if (programSucceeded) {
        storeWatch = StoreWatch{};
        storeWatch.active = true;
    }
}

void UnitLink::HandleProgramReply(const UnitFrame& frame, int block)
{
    const auto data = FrameData(frame);
    const auto target = ImageBlock(image, block);
    if (block == FirstWrittenBlock) {
        // The unit answers the header block with its own header.
        std::copy(data.begin(), data.end(), target.begin());
        headerTexts = DecodeHeader(image);
        NormaliseAndRefill();
        if (image[Offset::ImageVersion] != ImageVersion) {
            transferMode = TransferIdle;
            transferEnd = TransferEnd::VersionMismatch;
            pendingMessages.push_back(messages.TextVersionMismatch);
            return;
        }
    } else if (!std::equal(data.begin(), data.end(), target.begin())) {
        return;
    }
    if (block < Command::LastBlock) {
        AdvanceBlock();
        return;
    }
    programSucceeded = true;
    SwitchToVerify();
}

void UnitLink::AdvanceBlock()
{
    gauge.value = std::min(gauge.value + 1, GaugeMax);
    ++blockCommand;
    tryCount = 1;
    SendBlockFrame();
}

void UnitLink::SwitchToVerify()
{
    transferMode = TransferVerify;
    blockCommand = ReadBackCommand(FirstParameterBlock);
    tryCount = 1;
    SendBlockFrame();
    ShowStatus(messages.TextVerify, false);
    gauge = {0, true};
}

void UnitLink::TransferStep()
{
    if (transferMode != TransferIdle) {
        ++sendTicks;
        // The idle pacing may leave the count at 4 or 5 when a transfer starts.
        if (sendTicks >= ResendTicks) {
            sendTicks = 0;
            ++tryCount;
            if (tryCount > MaxSends) {
                FailTransfer();
            } else {
                SendBlockFrame();
            }
        }
        if (transferMode == TransferRead) {
            programSucceeded = false;
        }
        return;
    }
    ++sendTicks;
    if (sendTicks >= MonitorTicks) {
        sendTicks = 0;
        SendMonitorRequest();
    }
    if (!std::exchange(resultShownThisTick, false)) {
        ShowStoreProgress();
    }
}

void UnitLink::FailTransfer()
{
    const std::string* text = &messages.TextProgramError;
    if (transferMode == TransferVerify) {
        text = &messages.TextVerifyError;
        programSucceeded = false;
    } else if (transferMode == TransferRead) {
        text = &messages.TextReadError;
    }
    ShowStatus(*text, true);
    transferMode = TransferIdle;
    transferEnd = TransferEnd::Error;
}

SilenceReason UnitLink::Silence() const
{
    if (line == nullptr || !line->IsOpen()) {
        return SilenceReason::PortGone;
    }
    return lastFrameFailedCheck ? SilenceReason::AnswersFailing : SilenceReason::NoAnswer;
}

void UnitLink::LineLost()
{
    lastFrameFailedCheck = false;
    if (transferMode != TransferIdle) {
        FailTransfer();
    }
    if (storeWatch.active) {
        storeWatch.active = false;
        storeEnd = StoreEnd::Lost;
        programSucceeded = false;
        ShowStatus(messages.TextProgramError, true);
    }
}

void UnitLink::ShowNotice(const std::string& text)
{
    if (status.visible && status.red) {
        status.text = redText + " " + text;
        messageCountdown = StatusTicks;
        return;
    }
    ShowStatus(text, false);
    gauge.visible = false;
}

void UnitLink::ShowStoreProgress()
{
    if (storeWatch.active) {
        WatchStore();
        return;
    }
    // A count from frames that stopped coming is no progress, and never
    // covers an error.
    if (unitStoreRemaining > 0 && silenceTicks < SilenceLimit && !status.red) {
        // Updates a status line that is still shown; never shows it again.
        status.text = messages.TextSaving;
        status.red = false;
        status.white = false;
        messageCountdown = StatusTicks;
        const int stored = UnitStoreFull - static_cast<int>(unitStoreRemaining);
        gauge.value = std::clamp(stored * GaugeMax / UnitStoreFull, 0, GaugeMax);
    } else if (programSucceeded) {
        // Every idle tick: into the kept text, without a new string.
        status.text.assign(messages.TextProgramDevice).append(OkSuffix);
        status.white = false;
        gauge.value = GaugeMax;
    }
}

void UnitLink::NoteStoreReport()
{
    if (!storeWatch.active || !storeWatch.requested) {
        return;
    }
    if (!storeWatch.reported || unitStoreRemaining < storeWatch.lastRemaining) {
        storeWatch.stallTicks = 0;
    }
    storeWatch.reported = true;
    storeWatch.lastRemaining = unitStoreRemaining;
}

void UnitLink::WatchStore()
{
    if (storeWatch.reported && unitStoreRemaining == 0) {
        storeWatch.active = false;
        storeEnd = StoreEnd::Stored;
        status.text = messages.TextProgramDevice + OkSuffix;
        status.red = false;
        status.white = false;
        gauge.value = GaugeMax;
        return;
    }
    if (++storeWatch.stallTicks > StoreStallTicks) {
        storeWatch.active = false;
        storeEnd = silenceTicks >= SilenceLimit ? StoreEnd::Lost : StoreEnd::Stalled;
        programSucceeded = false;
        ShowStatus(messages.TextProgramError, true);
        return;
    }
    status.text = messages.TextSaving;
    status.red = false;
    status.white = false;
    messageCountdown = StatusTicks;
    // Until the unit has answered after the verify pass nothing is known stored.
    const int stored = storeWatch.reported ? UnitStoreFull - static_cast<int>(unitStoreRemaining) : 0;
    gauge.value = std::clamp(stored * GaugeMax / UnitStoreFull, 0, GaugeMax);
}

void UnitLink::CountdownStep()
{
    if (messageCountdown == 0) {
        return;
    }
    --messageCountdown;
    // A running transfer or store keeps its progress in view; a printing
    // date goes as it would.
    if (messageCountdown == 0 && (transferMode != TransferIdle || storeWatch.active) && !status.white) {
        messageCountdown = StatusTicks;
        return;
    }
    if (messageCountdown == 0) {
        status.visible = false;
        gauge.visible = false;
        programSucceeded = false;
    }
}

void UnitLink::ConnectionStep()
{
    if (silenceTicks < SilenceLimit) {
        ++silenceTicks;
        connectionLabelVisible = false;
    } else {
        connectionLabelVisible = !printingFlag;
    }
}

void UnitLink::Begin(TransferMode mode, std::uint8_t command, const std::string& text)
{
    transferMode = mode;
    blockCommand = command;
    tryCount = 0;
    ShowStatus(text, false);
    gauge = {0, true};
    transferEnd.reset();
    storeEnd.reset();
    storeWatch = StoreWatch{};
    pendingReadCheck = mode == TransferRead;
    readingCopy = false;
    resultShownThisTick = false;
}

void UnitLink::StartProgram()
{
    Begin(TransferProgram, WriteCommand(FirstWrittenBlock), messages.TextProgramDevice);
    programSucceeded = false;
}

void UnitLink::StartVerify()
{
    Begin(TransferVerify, ReadBackCommand(FirstParameterBlock), messages.TextVerify);
    programSucceeded = false;
}

void UnitLink::StartRead()
{
    Begin(TransferRead, ReadBackCommand(FirstReadBlock), messages.TextRead);
    receivedSet = image;
    readStarted = true;
}

void UnitLink::StartReadCopy()
{
    Begin(TransferRead, ReadBackCommand(FirstReadBlock), messages.TextRead);
    receivedSet = image;
    readingCopy = true;
}

void UnitLink::ProgramOnChange(bool boxChecked)
{
    if (!boxChecked) {
        programOnChangeArmed = false;
        return;
    }
    // The set a Read brings replaces the edits made meanwhile; programming
    // them would stop the Read and overwrite the unit's set it is reading.
    if (transferMode == TransferRead) {
        return;
    }
    bool changed = !programOnChangeArmed;
    programOnChangeArmed = true;
    // The header block is the unit's business and never triggers programming.
    for (std::size_t offset = BlockOffset(FirstParameterBlock); offset < ImageSize; ++offset) {
        if (image[offset] != programShadow[offset]) {
            changed = true;
            programShadow[offset] = image[offset];
        }
    }
    if (changed) {
        StartProgram();
    }
}

void UnitLink::HideStatus()
{
    status.visible = false;
    gauge.visible = false;
}

void UnitLink::ShowStatusText(const std::string& text, int ticks)
{
    status = {text, false, true, true};
    gauge.visible = false;  // the text has no progress to go with it
    messageCountdown = static_cast<std::uint8_t>(std::clamp(ticks, 0, static_cast<int>(UINT8_MAX)));
}

void UnitLink::ShowStatus(const std::string& text, bool red)
{
    if (red) {
        redText = text;
    }
    status = {text, red, true};
    messageCountdown = StatusTicks;
}

void UnitLink::NormaliseAndRefill()
{
    NormaliseImage(image);
    imageChanged = true;
}

void UnitLink::RefillUnlessCopy()
{
    if (!readingCopy) {
        NormaliseAndRefill();
    }
}

std::vector<std::string> UnitLink::TakeMessages()
{
    return std::exchange(pendingMessages, {});
}

bool UnitLink::TakeImageChanged()
{
    return std::exchange(imageChanged, false);
}

std::optional<HeaderTexts> UnitLink::TakeHeaderTexts()
{
    return std::exchange(headerTexts, std::nullopt);
}

bool UnitLink::TakeReadStarted()
{
    return std::exchange(readStarted, false);
}

std::optional<TransferEnd> UnitLink::TakeTransferEnd()
{
    return std::exchange(transferEnd, std::nullopt);
}

std::optional<StoreEnd> UnitLink::TakeStoreEnd()
{
    return std::exchange(storeEnd, std::nullopt);
}

std::optional<ParameterImage> UnitLink::TakeUnitCopy()
{
    return std::exchange(unitCopy, std::nullopt);
}

}  // namespace torvana
