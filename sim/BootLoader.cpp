#include "BootLoader.h"

#include "AtomicFile.h"

#include <algorithm>
#include <cstdio>

namespace orvexsim {

namespace {

constexpr uint8_t kSoh = 0x01, kEot = 0x04, kAck = 0x06, kNak = 0x15, kCan = 0x18;
constexpr uint8_t kWakeUp = 0x64, kReady = 0x43;
constexpr size_t kBlockSize = 133, kDataSize = 128;
constexpr Nanos kUnpromptedInterval = 1 * kSecond;
// A block that stops arriving half way is thrown away (and NAKed) after this.
constexpr Nanos kBlockTimeout = 1 * kSecond;
constexpr Nanos kRefusedHandshakeQuiet = 1 * kSecond;

std::string HexByte(uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", b);
    return text;
}

}  // namespace

uint16_t Crc16Xmodem(const uint8_t* data, size_t size) {
    uint16_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= static_cast<uint16_t>(data[i]) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021) : static_cast<uint16_t>(crc << 1);
    }
    return crc;
}

BootLoader::BootLoader(const SimOptions& options, PacedLine& line, SimLog& log, Nanos start)
    : options_(options), line_(line), log_(log) {
    if (options_.unpromptedC) nextUnpromptedC_ = start;
}

void BootLoader::received(const std::vector<TimedByte>& bytes, Nanos) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
}

void BootLoader::run(Nanos now) {
    while (!pending_.empty() && pending_.front().due <= now && !hangupRequested_) {
        const TimedByte b = pending_.front();
        pending_.pop_front();
        byte(b.value, b.due);
    }
    if (state_ == State::Receiving && !block_.empty() && now >= blockStarted_ + kBlockTimeout) {
        log_.boot("block " + std::to_string(ordinal_) + " timeout after " + std::to_string(block_.size()) +
                  " bytes -> NAK");
        block_.clear();
        answer(kNak, now);
        lastAnswerWasFailure_ = true;
    }
    if (now >= nextUnpromptedC_ && state_ != State::Silent) {
        line_.send({kReady}, now);
        nextUnpromptedC_ = now + kUnpromptedInterval;
    }
}

void BootLoader::endOfSession(Nanos now) {
    while (!pending_.empty() && !hangupRequested_) {
        const uint8_t b = pending_.front().value;
        pending_.pop_front();
        byte(b, now);
    }
}

Nanos BootLoader::nextDue() const {
    Nanos due = pending_.empty() ? kNever : pending_.front().due;
    if (state_ == State::Receiving && !block_.empty()) due = std::min(due, blockStarted_ + kBlockTimeout);
    if (state_ != State::Silent) due = std::min(due, nextUnpromptedC_);
    return due;
}

void BootLoader::answer(uint8_t b, Nanos at) { line_.send({b}, at); }

void BootLoader::startSession(Nanos at) {
    state_ = State::Receiving;
    block_.clear();
    image_.clear();
    ordinal_ = 1;
    expectedNumber_ = 1;
    lastAnswerWasFailure_ = false;
    (void)at;
}

void BootLoader::byte(uint8_t b, Nanos at) {
    switch (state_) {
        case State::Silent:
            // Silent, but still listening: a sender that gives up says so.
            if (b == kCan) log_.boot("sender cancel");
            return;
        case State::Idle:
            if (options_.unpromptedC) {
                // A receiver that announces itself takes the first block (or an
                // EOT for an empty image) without any wake-up byte.
                if (b == kSoh || b == kEot) {
                    startSession(at);
                    atBlockBoundary(b, at);
                }
                return;
            }
            if (b != kWakeUp || at < handshakeQuietUntil_) return;
            if (options_.badHandshake) {
                log_.boot("handshake refused");
                answer(kNak, at);
                handshakeQuietUntil_ = at + kRefusedHandshakeQuiet;
                return;
            }
            log_.boot("handshake");
            answer(kReady, at);
            startSession(at);
            return;
        case State::Receiving:
            if (block_.empty()) {
                atBlockBoundary(b, at);
                return;
            }
            block_.push_back(b);
            if (block_.size() == kBlockSize) blockComplete(at);
            return;
    }
}

void BootLoader::atBlockBoundary(uint8_t b, Nanos at) {
    if (b == kSoh) {
        nextUnpromptedC_ = kNever;
        block_.assign(1, b);
        blockStarted_ = at;
    } else if (b == kEot) {
        answer(kAck, at);
        finish(at);
    } else if (b == kCan) {
        log_.boot("sender cancel");
        state_ = State::Idle;
        block_.clear();
    } else if (b == kWakeUp) {
        // Wake-up bytes still on their way when the 'C' went out are ignored;
        // after a refused block the sender starts over with a new handshake.
        if (lastAnswerWasFailure_ && !options_.unpromptedC) {
            log_.boot("handshake");
            answer(kReady, at);
            startSession(at);
        }
    } else {
        log_.boot("ignored byte " + HexByte(b));
    }
}

std::string BootLoader::checkBlock() const {
    if (static_cast<uint8_t>(block_[1] ^ block_[2]) != 0xFF) return "bad-complement";
    if (block_[1] != expectedNumber_) return "bad-number";
    const uint16_t crc = Crc16Xmodem(block_.data() + 3, kDataSize);
    if (block_[131] != (crc >> 8) || block_[132] != (crc & 0xFF)) return "bad-crc";
    return "";
}

void BootLoader::blockComplete(Nanos at) {
    const std::string k = std::to_string(ordinal_);
    if (options_.hangupBlock == ordinal_) {
        log_.boot("hangup at block " + k);
        hangupRequested_ = true;
        return;
    }
    if (options_.silentBlock == ordinal_) {
        log_.boot("silent from block " + k);
        state_ = State::Silent;
        return;
    }
    if (options_.cancelBlock == ordinal_ && !cancelDone_) {
        cancelDone_ = true;
        log_.boot("block " + k + " cancel -> CAN");
        answer(kCan, at);
        state_ = State::Idle;
        block_.clear();
        if (options_.unpromptedC) nextUnpromptedC_ = at + kUnpromptedInterval;
        return;
    }
    if (options_.nakBlock == ordinal_ && !nakDone_) {
        nakDone_ = true;
        log_.boot("block " + k + " refused -> NAK");
        answer(kNak, at);
        lastAnswerWasFailure_ = true;
        block_.clear();
        return;
    }
    const std::string fault = checkBlock();
    const uint8_t previous = static_cast<uint8_t>(expectedNumber_ - 1);
    if (fault == "bad-number" && ordinal_ > 1 && block_[1] == previous &&
        static_cast<uint8_t>(block_[1] ^ block_[2]) == 0xFF) {
        // The sender repeated the block we acknowledged last (our ACK was lost).
        log_.boot("block " + std::to_string(ordinal_ - 1) + " repeated -> ACK");
        answer(kAck, at);
    } else if (!fault.empty()) {
        log_.boot("block " + k + " " + fault + " -> NAK");
        answer(kNak, at);
        lastAnswerWasFailure_ = true;
    } else {
        image_.insert(image_.end(), block_.begin() + 3, block_.begin() + 3 + kDataSize);
        log_.boot("block " + k + " number=" + std::to_string(block_[1]) + " ok");
        answer(kAck, at);
        lastAnswerWasFailure_ = false;
        ++ordinal_;
        ++expectedNumber_;
    }
    block_.clear();
}

void BootLoader::finish(Nanos at) {
    const size_t blocks = image_.size() / kDataSize;
    if (!options_.firmwareOut.empty()) {
        std::string error;
        if (!WriteFileAtomically(options_.firmwareOut, image_.data(), image_.size(), error)) {
            std::fprintf(stderr, "orvex-sim: %s\n", error.c_str());
            log_.boot("firmware not saved: " + error);
        }
    }
    log_.boot("complete blocks=" + std::to_string(blocks));
    state_ = State::Idle;
    image_.clear();
    if (options_.unpromptedC) nextUnpromptedC_ = at + kUnpromptedInterval;
}

}  // namespace orvexsim
