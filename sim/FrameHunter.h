#pragma once
// Finds the program's frames in the received byte stream:
// 7F 2F, payload, code, sequence, request, length (= n - 4), XOR of bytes
// 2..n-4, 7E 0E, with n = 9 (code 10), 16 (code 50) or 87 (code 30).
//
// Anything between frames (the zero padding, line noise) is skipped. A start
// marker that does not lead to a valid frame is reported as bad once it is
// certain that no frame length fits, and the hunt goes on after it.

#include "PacedLine.h"
#include "SimClock.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace orvexsim {

struct HuntedFrame {
    bool valid = false;
    std::string reason;        // why it was rejected (valid == false)
    std::vector<uint8_t> raw;  // the frame bytes (or the rejected bytes)
    Nanos due = 0;             // when the frame counts as received
    uint8_t code = 0, seq = 0, req = 0;
};

class FrameHunter {
public:
    explicit FrameHunter(Nanos byteTime) : byteTime_(byteTime) {}

    // Adds received bytes; appends every frame (valid or not) now decided.
    void feed(const std::vector<TimedByte>& bytes, std::vector<HuntedFrame>& out);
    // Gives up on a started frame that has not been completed for a long
    // time (the sender stopped mid-frame).
    void expire(Nanos now, std::vector<HuntedFrame>& out);
    Nanos expiryDue() const;
    // The sender has gone: decides everything buffered (a frame cut short is
    // reported as incomplete) and starts empty.
    void flush(std::vector<HuntedFrame>& out);

private:
    void hunt(std::vector<HuntedFrame>& out, bool force);
    // Result of trying one frame length at the current start.
    enum class Fit { NeedMore, Valid, WrongShape, BadCode, BadChecksum };
    Fit tryLength(size_t n) const;
    HuntedFrame take(size_t n, bool valid, const std::string& reason);

    Nanos byteTime_;
    std::deque<TimedByte> buffer_;
    Nanos lastArrival_ = 0;
};

}  // namespace orvexsim
