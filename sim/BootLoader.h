#pragma once
// The Orvex boot loader: an XMODEM-CRC receiver.
//
// Wake-up byte 0x64 -> 'C' (0x43). Then 133-byte blocks: SOH, number,
// complement, 128 data bytes, CRC-16/XMODEM high and low over the data.
// ACK a good block, NAK a bad one, ACK the EOT and write the image.

#include "LineHandler.h"
#include "SimLog.h"
#include "SimOptions.h"

#include <deque>

namespace orvexsim {

uint16_t Crc16Xmodem(const uint8_t* data, size_t size);

class BootLoader : public LineHandler {
public:
    BootLoader(const SimOptions& options, PacedLine& line, SimLog& log, Nanos start);

    void received(const std::vector<TimedByte>& bytes, Nanos now) override;
    void run(Nanos now) override;
    Nanos nextDue() const override;
    void endOfSession(Nanos now) override;

private:
    enum class State {
        Idle,       // waiting for the wake-up byte
        Receiving,  // handshake done; expecting a block or EOT
        Silent,     // stopped answering for good
    };

    void byte(uint8_t b, Nanos at);
    void atBlockBoundary(uint8_t b, Nanos at);
    void blockComplete(Nanos at);
    void finish(Nanos at);
    void answer(uint8_t b, Nanos at);
    void startSession(Nanos at);
    std::string checkBlock() const;

    const SimOptions& options_;
    PacedLine& line_;
    SimLog& log_;
    std::deque<TimedByte> pending_;  // bytes waiting for their wire time

    State state_ = State::Idle;
    std::vector<uint8_t> block_;  // block being collected (starts with SOH)
    Nanos blockStarted_ = kNever;
    int ordinal_ = 1;             // 1-based count of the block expected next
    uint8_t expectedNumber_ = 1;  // block number on the wire (wraps 255 -> 0)
    std::vector<uint8_t> image_;
    bool lastAnswerWasFailure_ = false;
    bool nakDone_ = false, cancelDone_ = false;
    Nanos handshakeQuietUntil_ = 0;  // stray wake-ups after a refused handshake
    Nanos nextUnpromptedC_ = kNever;
};

}  // namespace orvexsim
