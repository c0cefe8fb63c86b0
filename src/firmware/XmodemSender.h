#pragma once
// Sends a firmware image to the Orvex boot loader with XMODEM-CRC.
//
// The sender is a state machine without threads, timers or Qt: the caller
// feeds it the bytes taken from the receive queue (OnBytes), the clock ticks
// it asked for (OnTick at NextDeadline) and a hang-up of the port
// (OnLinkLost); every call passes the current time in milliseconds. The GUI
// drives it from a single-shot timer and the link's receive notification,
// `quillon-cli flash` from poll(), and the tests from a fake clock.
//
// The exchange on the wire:
//   program: 0x64 0x64 ...        wake-up byte every wakeIntervalMs
//   loader:  0x43                 ready, CRC mode
//   program: block 1              0x01, number, ~number, 128 bytes, CRC hi, lo
//   loader:  0x06                 accepted (0x18 cancels, anything else fails)
//   ...                           one block at a time, never repeated
//   program: 0x04                 end of transfer
//   loader:  0x06                 (0x15 asks for the 0x04 again, 0x18 cancels)
//
// Before Begin the caller empties its receive queue, so that stale link
// frames are not taken for the loader's answer.

#include "text/CoreText.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

struct XmodemTimings {
    // A standard XMODEM receiver ignores bytes that come faster than once a
    // second (it takes them for line noise), so the wake-up byte leaves gaps.
    int wakeIntervalMs = 1500;
    int handshakeLimitMs = 60000;    // no 0x43 by then: timeout
    int blockAnswerLimitMs = 10000;  // no answer to a block by then: timeout
    int eotAnswerLimitMs = 2000;     // no answer to 0x04 by then: complete
    int eotRetries = 3;              // 0x04 sent again after this many 0x15
};

enum class XmodemOutcome {
    Running,          // still transferring (or not started)
    NoFile,           // no firmware file chosen, or it cannot be read
    TooLarge,         // file above kMaxFirmwareBytes; nothing was sent
    Timeout,          // no answer from the loader in time
    HandshakeFailed,  // the loader's first byte was not 0x43
    ReceiveError,     // a block (or 0x04) was answered with something else
    Cancelled,        // the loader sent 0x18
    Complete,         // every block accepted and 0x04 sent
    LinkLost,         // the port hung up during the transfer
};

// The message box text for an outcome; empty for Running. Marked in context
// "XmodemSender"; XmodemOutcomeText is the same for a window.
const char* XmodemOutcomeMessage(XmodemOutcome outcome);
CoreText XmodemOutcomeText(XmodemOutcome outcome);

class XmodemSender {
public:
    using WriteSink = std::function<void(const uint8_t* data, size_t n)>;
    using ProgressSink = std::function<void(int percent)>;
    using StatusSink = std::function<void(const CoreText& text)>;

    static constexpr int64_t kNoDeadline = std::numeric_limits<int64_t>::max();

    // write sends bytes to the port. No sink may call back into the sender;
    // a write that finds the port hung up is reported with OnLinkLost after
    // the call that wrote has returned.
    explicit XmodemSender(WriteSink write, XmodemTimings timings = {});

    // Optional observers: every progress-bar step (0..100, one call per
    // percent) and every new status-bar text (one per block).
    void SetProgressSink(ProgressSink sink);
    void SetStatusSink(StatusSink sink);

    // Starts a transfer of the file's bytes: pads them to whole blocks and
    // sends the first wake-up byte. Returns Running, or TooLarge for an image
    // above kMaxFirmwareBytes, in which case nothing is written. A transfer
    // still running is dropped.
    XmodemOutcome Begin(std::vector<uint8_t> fileBytes, int64_t nowMs);

    // Bytes taken from the receive queue in one go. Only the first one or
    // two are looked at; the rest are dropped. Ignored when not transferring.
    void OnBytes(const uint8_t* data, size_t n, int64_t nowMs);
    // Repeats the wake-up byte and enforces the time limits. Calling it early
    // or more often than needed is harmless.
    void OnTick(int64_t nowMs);
    // The port hung up: the transfer ends at once with LinkLost.
    void OnLinkLost();
    // The user stops the transfer: CAN twice (a receiver takes one alone as
    // noise) and the end with Cancelled. Ignored when not transferring.
    void Cancel();

    // When OnTick must be called next; kNoDeadline when nothing is pending.
    int64_t NextDeadline() const { return t_.deadline; }

    XmodemOutcome Outcome() const { return t_.outcome; }
    bool Active() const { return t_.state != State::Idle && t_.state != State::Ended; }
    bool Finished() const { return t_.state == State::Ended; }
    const char* OutcomeMessage() const { return XmodemOutcomeMessage(t_.outcome); }

    // "Firmware Update: transfered packets:%1/total packets:%2" with the
    // number of the block being sent (0..255) and the block count; empty
    // before the first block.
    const std::string& StatusText() const { return t_.status; }
    // Last progress-bar position set, 0..100; 0 before the first step.
    int Progress() const { return t_.progress; }
    int BlockCount() const { return t_.blockCount; }
    // Blocks the loader has accepted so far.
    int BlocksAccepted() const { return t_.nextBlock; }
    // How many times 0x04 has been sent in this transfer.
    int EotsSent() const { return t_.eotsSent; }

private:
    enum class State { Idle, WaitLoader, WaitBlockAnswer, WaitEotAnswer, Ended };

    void Send(const uint8_t* data, size_t n);
    void SendByte(uint8_t b);
    void SendBlock(int64_t nowMs);
    void SendEot(int64_t nowMs);
    void AdvanceProgress();
    void Finish(XmodemOutcome outcome);

    void OnLoaderAnswer(uint8_t first, int64_t nowMs);
    void OnBlockAnswer(uint8_t first, int second, int64_t nowMs);
    void OnEotAnswer(uint8_t first, int second, int64_t nowMs);

    WriteSink write_;
    ProgressSink progressSink_;
    StatusSink statusSink_;
    XmodemTimings timings_;

    // Everything one transfer changes; Begin starts from a fresh copy.
    struct Transfer {
        State state = State::Idle;
        XmodemOutcome outcome = XmodemOutcome::Running;
        std::vector<uint8_t> image;  // padded to whole blocks
        int blockCount = 0;
        int nextBlock = 0;         // index k of the block to send next
        uint8_t blockNumber = 1;   // number on the wire, wraps 255 -> 0
        int64_t acknowledged = 0;  // bytes the loader has accepted
        float percentBytes = 0;    // one percent of the padded image
        int nextPercent = 0;
        int progress = 0;
        int eotsSent = 0;
        std::string status;
        int64_t handshakeEnd = 0;
        int64_t nextWake = 0;
        int64_t deadline = kNoDeadline;
    };
    Transfer t_;
};
