#include "firmware/XmodemSender.h"

#include <algorithm>
#include <utility>

#include "firmware/Crc16.h"
#include "firmware/FirmwareImage.h"

namespace {

constexpr uint8_t kSoh = 0x01;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr uint8_t kCan = 0x18;
constexpr uint8_t kReady = 0x43;   // "C": the loader is ready, CRC mode
constexpr uint8_t kWakeUp = 0x64;  // "d": asks the loader to answer
constexpr int kNoSecondByte = -1;

}  // namespace

const char* XmodemOutcomeMessage(XmodemOutcome outcome) {
    switch (outcome) {
        case XmodemOutcome::Running:
            return "";
        case XmodemOutcome::NoFile:
            return QT_TRANSLATE_NOOP("XmodemSender", "Please open firmware file!");
        case XmodemOutcome::TooLarge:
            return QT_TRANSLATE_NOOP("XmodemSender",
                                     "The firmware file is larger than 1 MiB and cannot be an Orvex firmware! "
                                     "Please open the right firmware file!");
        case XmodemOutcome::Timeout:
            return QT_TRANSLATE_NOOP("XmodemSender", "Update timeout! Please try again!");
        case XmodemOutcome::HandshakeFailed:
            return QT_TRANSLATE_NOOP("XmodemSender", "Hand shake failed! Please try again!");
        case XmodemOutcome::ReceiveError:
            return QT_TRANSLATE_NOOP("XmodemSender", "Receive error! Please try again!");
        case XmodemOutcome::Cancelled:
            return QT_TRANSLATE_NOOP("XmodemSender", "Update cancel!");
        case XmodemOutcome::Complete:
            return QT_TRANSLATE_NOOP("XmodemSender", "Firmware update complete!");
        case XmodemOutcome::LinkLost:
            return QT_TRANSLATE_NOOP("XmodemSender", "Update failed: the Orvex adapter was unplugged!");
    }
    return "";
}

CoreText XmodemOutcomeText(XmodemOutcome outcome) {
    return CoreText::Of("XmodemSender", XmodemOutcomeMessage(outcome));
}

XmodemSender::XmodemSender(WriteSink write, XmodemTimings timings) : write_(std::move(write)), timings_(timings) {}

void XmodemSender::SetProgressSink(ProgressSink sink) { progressSink_ = std::move(sink); }

void XmodemSender::SetStatusSink(StatusSink sink) { statusSink_ = std::move(sink); }

XmodemOutcome XmodemSender::Begin(std::vector<uint8_t> fileBytes, int64_t nowMs) {
    t_ = Transfer{};
    if (fileBytes.size() > kMaxFirmwareBytes) {
        Finish(XmodemOutcome::TooLarge);
        return t_.outcome;
    }
    t_.image = std::move(fileBytes);
    PadFirmwareImage(t_.image);
    t_.blockCount = static_cast<int>(t_.image.size() / kXmodemBlockData);
    t_.percentBytes = static_cast<float>(t_.image.size()) * 0.01f;

    t_.state = State::WaitLoader;
    t_.handshakeEnd = nowMs + timings_.handshakeLimitMs;
    t_.nextWake = nowMs + timings_.wakeIntervalMs;
    t_.deadline = std::min(t_.nextWake, t_.handshakeEnd);
    SendByte(kWakeUp);
    return t_.outcome;
}

void XmodemSender::OnBytes(const uint8_t* data, size_t n, int64_t nowMs) {
    if (!Active() || n == 0) return;
    const uint8_t first = data[0];
    const int second = n > 1 ? data[1] : kNoSecondByte;
    switch (t_.state) {
        case State::WaitLoader:
            OnLoaderAnswer(first, nowMs);
            break;
        case State::WaitBlockAnswer:
            OnBlockAnswer(first, second, nowMs);
            break;
        case State::WaitEotAnswer:
            OnEotAnswer(first, second, nowMs);
            break;
        case State::Idle:
        case State::Ended:
            break;
    }
}

void XmodemSender::OnTick(int64_t nowMs) {
    if (!Active() || nowMs < t_.deadline) return;
    switch (t_.state) {
        case State::WaitLoader:
            if (nowMs >= t_.handshakeEnd) {
                Finish(XmodemOutcome::Timeout);
                return;
            }
            // Counted from now, so a late tick does not send a burst.
            t_.nextWake = nowMs + timings_.wakeIntervalMs;
            t_.deadline = std::min(t_.nextWake, t_.handshakeEnd);
            SendByte(kWakeUp);
            break;
        case State::WaitBlockAnswer:
            Finish(XmodemOutcome::Timeout);
            break;
        // Some loaders start the new firmware without answering the end.
        case State::WaitEotAnswer:
            Finish(XmodemOutcome::Complete);
            break;
        case State::Idle:
        case State::Ended:
            break;
    }
}

void XmodemSender::OnLinkLost() {
    if (Active()) Finish(XmodemOutcome::LinkLost);
}

void XmodemSender::Cancel() {
    if (!Active()) return;
    const uint8_t cancel[] = {kCan, kCan};
    Send(cancel, sizeof cancel);
    Finish(XmodemOutcome::Cancelled);
}

void XmodemSender::OnLoaderAnswer(uint8_t first, int64_t nowMs) {
    if (first != kReady) {
        Finish(XmodemOutcome::HandshakeFailed);
        return;
    }
    if (t_.blockCount == 0)
        SendEot(nowMs);
    else
        SendBlock(nowMs);
}

void XmodemSender::OnBlockAnswer(uint8_t first, int second, int64_t nowMs) {
    if (first == kCan || (first == kAck && second == kCan)) {
        Finish(XmodemOutcome::Cancelled);
        SendByte(kAck);
        return;
    }
    if (first != kAck) {  // a NAK too: a block is never sent twice
        Finish(XmodemOutcome::ReceiveError);
        return;
    }
    t_.acknowledged += static_cast<int64_t>(kXmodemBlockData);
    AdvanceProgress();
    ++t_.nextBlock;
    ++t_.blockNumber;  // uint8_t: 255 is followed by 0
    if (t_.nextBlock == t_.blockCount)
        SendEot(nowMs);
    else
        SendBlock(nowMs);
}

void XmodemSender::OnEotAnswer(uint8_t first, int second, int64_t nowMs) {
    if (first == kCan || (first == kAck && second == kCan)) {
        Finish(XmodemOutcome::Cancelled);
        SendByte(kAck);
    } else if (first == kNak) {
        if (t_.eotsSent <= timings_.eotRetries)
            SendEot(nowMs);
        else
            Finish(XmodemOutcome::ReceiveError);
    } else {
        Finish(XmodemOutcome::Complete);
    }
}

void XmodemSender::SendBlock(int64_t nowMs) {
    const CoreText text = CoreText::Of(
        "XmodemSender", QT_TRANSLATE_NOOP("XmodemSender", "Firmware Update: transfered packets:%1/total packets:%2"),
        {CoreText::Number(t_.blockNumber), CoreText::Number(t_.blockCount)});
    t_.status = text.English();
    if (statusSink_) statusSink_(text);

    uint8_t block[kXmodemBlockSize];
    block[0] = kSoh;
    block[1] = t_.blockNumber;
    block[2] = static_cast<uint8_t>(~t_.blockNumber);
    const uint8_t* data = t_.image.data() + static_cast<size_t>(t_.nextBlock) * kXmodemBlockData;
    std::copy(data, data + kXmodemBlockData, block + 3);
    const uint16_t crc = Crc16Xmodem(data, kXmodemBlockData);
    block[kXmodemBlockSize - 2] = static_cast<uint8_t>(crc >> 8);
    block[kXmodemBlockSize - 1] = static_cast<uint8_t>(crc & 0xFF);

    t_.state = State::WaitBlockAnswer;
    t_.deadline = nowMs + timings_.blockAnswerLimitMs;
    Send(block, sizeof block);
}

void XmodemSender::SendEot(int64_t nowMs) {
    t_.state = State::WaitEotAnswer;
    t_.deadline = nowMs + timings_.eotAnswerLimitMs;
    ++t_.eotsSent;
    SendByte(kEot);
}

// One progress-bar step per whole percent accepted. The single-precision
// percent and the small tolerance make the last block land on 100 exactly.
void XmodemSender::AdvanceProgress() {
    while (t_.nextPercent <= 100 &&
           static_cast<float>(t_.acknowledged) - static_cast<float>(t_.nextPercent) * t_.percentBytes > -0.003) {
        t_.progress = t_.nextPercent++;
        if (progressSink_) progressSink_(t_.progress);
    }
}

void XmodemSender::Finish(XmodemOutcome outcome) {
    t_.state = State::Ended;
    t_.outcome = outcome;
    t_.deadline = kNoDeadline;
    t_.image = {};
}

void XmodemSender::SendByte(uint8_t b) { Send(&b, 1); }

void XmodemSender::Send(const uint8_t* data, size_t n) {
    if (write_) write_(data, n);
}
