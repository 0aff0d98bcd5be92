#pragma once
// The block transfer (Program, Verify, Read), the receive poll and the
// connection indicator, driven by one Tick() per 55 ms timer tick. Plain
// logic: time is counted in ticks, and everything the window or the command
// line shows is read back from here as values.

#include "core/Header.h"
#include "core/ImageLayout.h"
#include "link/UnitFrame.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace torvana {

class SerialLine;
struct MessageTable;

enum TransferMode : std::uint8_t { TransferIdle = 0, TransferProgram = 1, TransferVerify = 2, TransferRead = 3 };

// How a transfer ended; Program and Read end in their Verify pass.
enum class TransferEnd { VerifyOk, Error, NoReading, VersionMismatch };

// How the unit's store after a verified Program ended: finished, its count
// stopped moving, or the unit stopped answering.
enum class StoreEnd { Stored, Stalled, Lost };

// Why nothing is heard from the unit: its port is not open (device gone),
// the line stays quiet, or what arrives fails its check.
enum class SilenceReason { PortGone, NoAnswer, AnswersFailing };

constexpr int ReceiveBufferSize = 15000;
constexpr int GaugeMax = 19;
constexpr int StatusTicks = 200;        // about 11 s of 55 ms ticks
constexpr int ResendTicks = 4;
constexpr int MaxSends = 5;
constexpr int MonitorTicks = 6;
constexpr int SilenceLimit = 18;        // the indicator shows on the 19th silent tick
constexpr int UnitStoreFull = 1903;     // the unit's store count right after programming
constexpr int StoreStallTicks = 91;     // about 5 s without store progress ends the store in error
constexpr const char* OkSuffix = " OK";

// LabelHlaseni: "normal" is the button-face colour, red is pure red.
struct StatusLine {
    std::string text;
    bool red = false;
    bool visible = false;
    bool white = false;  // the printing date and time stay on white
};

// CGauge, range 0..GaugeMax.
struct ProgressGauge {
    int value = 0;
    bool visible = false;
};

class UnitLink {
public:
    // Both are referenced, not owned, and must outlive the link.
    UnitLink(ParameterImage& image, const MessageTable& messages);

    // The line may be null (no port) and may change at any time; a running
    // transfer continues on the new line.
    void SetLine(SerialLine* line) { this->line = line; }
    SerialLine* Line() const { return line; }

    // Called with every frame whose first byte is 176; returns true when the
    // frame was accepted (this resets the connection indicator).
    void SetMonitorHandler(std::function<bool(const UnitFrame&)> handler) { monitorHandler = std::move(handler); }

    // Written by the owner from each accepted monitor frame.
    void SetUnitStoreRemaining(std::uint16_t remaining) { unitStoreRemaining = remaining; }
    // While printing the connection label stays hidden.
    void SetPrinting(bool printing) { printingFlag = printing; }

    // One timer tick: receive poll, transfer step, status countdown,
    // connection indicator.
    void Tick();

    // The parts of a tick, in tick order.
    void PollReceive();
    void TransferStep();
    void CountdownStep();
    void ConnectionStep();

    void HandleBlockReply(const UnitFrame& frame);
    void SendBlockFrame();
    void SendMonitorRequest();

    // Starts never send; the first block goes out on a later tick. A start
    // replaces a running transfer. Before StartProgram and StartVerify the
    // owner writes the active page into the image and normalises it.
    void StartProgram();
    void StartVerify();
    void StartRead();
    // A Read into a copy for comparing: the image, the header texts and the
    // file label stay as they are; the copy, normalised, is taken with
    // TakeUnitCopy once its verify pass against the blocks received ended OK.
    void StartReadCopy();
    // The running or last transfer is a Read into a copy.
    bool ReadsIntoCopy() const { return readingCopy; }

    // The command line checks a Read's verify pass against the blocks as
    // received, so that a unit holding a set that needs normalising still
    // reads; the window checks against the normalised set.
    void SetReadCheckedAsReceived(bool asReceived) { readCheckedAsReceived = asReceived; }
    // The blocks of the last Read as the unit sent them.
    const ParameterImage& ReceivedSet() const { return receivedSet; }

    // After every edit: programs when the box was just checked or when image
    // offsets 100..1999 changed since the last call; never while a Read runs.
    void ProgramOnChange(bool boxChecked);

    // Hides LabelHlaseni and CGauge (New, Open).
    void HideStatus();
    // Shows text on white for ticks timer ticks (the printing date and
    // time); then it hides like every status message.
    void ShowStatusText(const std::string& text, int ticks);
    // A message of the owner's own (the datalog), red for a failure; it
    // counts down like the link's.
    void ShowOwnerStatus(const std::string& text, bool red) { ShowStatus(text, red); }

    // What the owner shows.
    const StatusLine& Status() const { return status; }
    const ProgressGauge& Gauge() const { return gauge; }
    bool ConnectionLabelVisible() const { return connectionLabelVisible; }
    SilenceReason Silence() const;

    // The owner found the line's device gone: a running transfer or store
    // ends in its error now, so that nothing resumes on a later line.
    void LineLost();
    // A note in the status line, as long as a status message stays; beside
    // a red error it is added, never covering it.
    void ShowNotice(const std::string& text);

    // Message-box texts queued since the last call, oldest first.
    std::vector<std::string> TakeMessages();
    // True once after the image was replaced or normalised here: the owner
    // fills the active page again.
    bool TakeImageChanged();
    // The header fields after block 0 arrived from the unit.
    std::optional<HeaderTexts> TakeHeaderTexts();
    // True once after a Read started: the owner clears LabelFile2.
    bool TakeReadStarted();
    // Set once when a transfer has ended.
    std::optional<TransferEnd> TakeTransferEnd();
    // Set once when the store after a verified Program has ended.
    std::optional<StoreEnd> TakeStoreEnd();
    // Set once when a Read into a copy has ended OK.
    std::optional<ParameterImage> TakeUnitCopy();
    // True from a verified Program until the unit has reported its store
    // finished, or the store has failed.
    bool Storing() const { return storeWatch.active; }

    // Transfer and port state.
    TransferMode Mode() const { return transferMode; }
    std::uint8_t BlockCommand() const { return blockCommand; }
    std::uint8_t SendTicks() const { return sendTicks; }
    std::uint8_t TryCount() const { return tryCount; }
    std::uint8_t MessageCountdown() const { return messageCountdown; }
    bool ProgramSucceeded() const { return programSucceeded; }
    std::uint16_t UnitStoreRemaining() const { return unitStoreRemaining; }
    std::uint8_t SilenceTicks() const { return silenceTicks; }

private:
    void Begin(TransferMode mode, std::uint8_t command, const std::string& text);
    void ShowStatus(const std::string& text, bool red);
    void FailTransfer();
    void AdvanceBlock();
    void SwitchToVerify();
    void NormaliseAndRefill();
    // A Read that stops at the header: the design's Read refills, a copy
    // leaves the image alone.
    void RefillUnlessCopy();
    void HandleReadReply(const UnitFrame& frame, int block);
    void HandleVerifyReply(const UnitFrame& frame, int block);
    void HandleProgramReply(const UnitFrame& frame, int block);
    void ShowStoreProgress();
    void WatchStore();
    void NoteStoreReport();

    ParameterImage& image;
    const MessageTable& messages;
    SerialLine* line = nullptr;
    std::function<bool(const UnitFrame&)> monitorHandler;

    TransferMode transferMode = TransferIdle;
    std::uint8_t blockCommand = 0;
    std::uint8_t sendTicks = 0;
    std::uint8_t tryCount = 0;
    std::uint8_t messageCountdown = 0;
    bool programSucceeded = false;
    std::uint16_t unitStoreRemaining = 0;
    std::uint8_t silenceTicks = 0;
    bool printingFlag = false;
    ParameterImage programShadow{};
    bool programOnChangeArmed = false;

    StatusLine status;
    ProgressGauge gauge;
    bool connectionLabelVisible = false;
    bool lastFrameFailedCheck = false;
    std::string redText;  // the error a notice goes beside

    std::vector<std::string> pendingMessages;
    bool imageChanged = false;
    std::optional<HeaderTexts> headerTexts;
    bool readStarted = false;
    std::optional<TransferEnd> transferEnd;
    std::optional<StoreEnd> storeEnd;

    // A Read fills a copy; the image takes it only once every block arrived.
    ParameterImage receivedSet{};
    bool readCheckedAsReceived = false;
    bool pendingReadCheck = false;  // the verify pass that follows a Read
    bool readingCopy = false;
    std::optional<ParameterImage> unitCopy;

    // The store after a verified Program counts only from monitor frames
    // that answer requests sent after the verify pass.
    struct StoreWatch {
        bool active = false;
        bool requested = false;  // a monitor request went out since the verify pass
        bool reported = false;   // and an answer to it came back
        int stallTicks = 0;
        std::uint16_t lastRemaining = 0;
    } storeWatch;
    // A result shown by this tick's reply stays for the tick before the
    // idle progress may replace it.
    bool resultShownThisTick = false;

    std::array<std::uint8_t, ReceiveBufferSize> receiveBuffer{};
};

}  // namespace torvana
