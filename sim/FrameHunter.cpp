#include "FrameHunter.h"

#include <algorithm>
#include <array>

namespace orvexsim {

namespace {

struct FrameKind {
    size_t length;
    uint8_t code;
};
// Shortest first: a frame is taken at the first length that validates.
constexpr std::array<FrameKind, 3> kKinds = {{{9, 10}, {16, 50}, {87, 30}}};
constexpr size_t kLongest = 87;
// Every frame occupies a 90-byte slot on the wire (zero padded); the device
// takes it as received when that slot has gone by.
constexpr size_t kSlotBytes = 90;
constexpr Nanos kIncompleteTimeout = 1 * kSecond;

}  // namespace

void FrameHunter::feed(const std::vector<TimedByte>& bytes, std::vector<HuntedFrame>& out) {
    if (bytes.empty()) return;
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    lastArrival_ = bytes.back().due;
    hunt(out, false);
}

void FrameHunter::expire(Nanos now, std::vector<HuntedFrame>& out) {
    if (now >= expiryDue()) hunt(out, true);
}

void FrameHunter::flush(std::vector<HuntedFrame>& out) {
    while (buffer_.size() >= 2) {
        const size_t before = buffer_.size();
        hunt(out, true);
        if (buffer_.size() == before) break;
    }
    buffer_.clear();
}

Nanos FrameHunter::expiryDue() const {
    if (buffer_.size() < 2) return kNever;
    return lastArrival_ + kIncompleteTimeout + static_cast<Nanos>(kLongest) * byteTime_;
}

FrameHunter::Fit FrameHunter::tryLength(size_t n) const {
    if (buffer_.size() < n) return Fit::NeedMore;
    if (buffer_[n - 2].value != 0x7E || buffer_[n - 1].value != 0x0E || buffer_[n - 4].value != n - 4)
        return Fit::WrongShape;
    uint8_t sum = 0;
    for (size_t i = 2; i <= n - 4; ++i) sum ^= buffer_[i].value;
    if (sum != buffer_[n - 3].value) return Fit::BadChecksum;
    for (const FrameKind& kind : kKinds)
        if (kind.length == n) return buffer_[n - 7].value == kind.code ? Fit::Valid : Fit::BadCode;
    return Fit::WrongShape;
}

HuntedFrame FrameHunter::take(size_t n, bool valid, const std::string& reason) {
    n = std::min(n, buffer_.size());
    HuntedFrame frame;
    frame.valid = valid;
    frame.reason = reason;
    for (size_t i = 0; i < n; ++i) frame.raw.push_back(buffer_[i].value);
    frame.due = std::max(buffer_[n - 1].due, buffer_[0].due + static_cast<Nanos>(kSlotBytes - 1) * byteTime_);
    if (valid) {
        frame.code = frame.raw[n - 7];
        frame.seq = frame.raw[n - 6];
        frame.req = frame.raw[n - 5];
    }
    buffer_.erase(buffer_.begin(), buffer_.begin() + n);
    return frame;
}

void FrameHunter::hunt(std::vector<HuntedFrame>& out, bool force) {
    for (;;) {
        // Skip to the next start marker; keep a trailing 0x7F, its partner may follow.
        size_t start = 0;
        while (start + 1 < buffer_.size() && !(buffer_[start].value == 0x7F && buffer_[start + 1].value == 0x2F))
            ++start;
        if (start + 1 >= buffer_.size()) {
            const bool keepLast = !buffer_.empty() && buffer_.back().value == 0x7F;
            buffer_.erase(buffer_.begin(), buffer_.end() - (keepLast ? 1 : 0));
            return;
        }
        buffer_.erase(buffer_.begin(), buffer_.begin() + start);

        size_t badLength = 0;
        std::string badReason;
        bool decided = false;
        for (const FrameKind& kind : kKinds) {
            const Fit fit = tryLength(kind.length);
            if (fit == Fit::NeedMore && !force) return;  // a longer frame may still complete here
            if (fit == Fit::Valid) {
                out.push_back(take(kind.length, true, ""));
                decided = true;
                break;
            }
            if (badLength == 0 && (fit == Fit::BadChecksum || fit == Fit::BadCode)) {
                badLength = kind.length;
                badReason = fit == Fit::BadChecksum ? "checksum" : "code";
            }
        }
        if (decided) continue;
        if (badLength > 0) {
            out.push_back(take(badLength, false, badReason));
        } else {
            // No length fits: report what follows the marker (up to the next
            // marker, without the padding) and hunt on after the marker.
            size_t end = 2;
            while (end < buffer_.size() && end < kLongest &&
                   !(buffer_[end].value == 0x7F && end + 1 < buffer_.size() && buffer_[end + 1].value == 0x2F))
                ++end;
            size_t shown = end;
            while (shown > 2 && buffer_[shown - 1].value == 0) --shown;
            HuntedFrame bad;
            bad.reason = force && buffer_.size() < kLongest ? "incomplete" : "no-frame-end";
            for (size_t i = 0; i < shown; ++i) bad.raw.push_back(buffer_[i].value);
            bad.due = buffer_[shown - 1].due;
            buffer_.erase(buffer_.begin(), buffer_.begin() + 2);
            out.push_back(std::move(bad));
        }
        force = false;
    }
}

}  // namespace orvexsim
