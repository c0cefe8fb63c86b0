#include "OrvexDevice.h"

#include "ReplyBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace orvexsim {

namespace {

// A query (code 10) asks for nothing but the answer every frame gets.
constexpr uint8_t kParameterCode = 30, kActionCode = 50;
constexpr uint8_t kWantParameters = 30, kWantStatus = 40;
constexpr uint8_t kZeroResetCommand = 101, kFailsafeCommand = 11, kDirectionCheckOn = 102;
constexpr Nanos kStatusPeriod = 100 * kMillisecond;

// Receiver channels sweep through the full stick range: centre 3800, +-1050
// raw steps correspond to +-100 on the program's monitor.
constexpr int kChannelCentre = 3800;
constexpr int kChannelSwing = 1050;
constexpr double kSweepSeconds = 4.0;
// Body offsets of the six channels in a status report (13 is the condition).
constexpr size_t kChannelOffsets[6] = {3, 5, 7, 9, 11, 14};
constexpr size_t kStatusBodyLength = 42;
constexpr size_t kCounterOffset = 34, kVersionOffset = 38;

}  // namespace

OrvexDevice::OrvexDevice(const SimOptions& options, DeviceImage& image, PacedLine& line, SimLog& log, Nanos start)
    : options_(options), image_(image), line_(line), log_(log), start_(start), hunter_(line.byteTime()) {}

void OrvexDevice::received(const std::vector<TimedByte>& bytes, Nanos) {
    std::vector<HuntedFrame> frames;
    hunter_.feed(bytes, frames);
    for (auto& f : frames) pending_.push_back(std::move(f));
}

void OrvexDevice::run(Nanos now) {
    std::vector<HuntedFrame> expired;
    hunter_.expire(now, expired);
    for (auto& f : expired) pending_.push_back(std::move(f));

    while (!pending_.empty() && pending_.front().due <= now) {
        HuntedFrame frame = std::move(pending_.front());
        pending_.pop_front();
        handle(frame, now);
    }
    if (streaming_ && now >= nextStatus_) {
        const bool silenced = options_.stopReportsAfter > 0 && statusCount_ >= uint32_t(options_.stopReportsAfter);
        if (!silenced) sendStatus(now);
        nextStatus_ = now + kStatusPeriod;
    }
}

Nanos OrvexDevice::nextDue() const {
    Nanos due = streaming_ ? nextStatus_ : kNever;
    if (!pending_.empty()) due = std::min(due, pending_.front().due);
    return std::min(due, hunter_.expiryDue());
}

void OrvexDevice::endOfSession(Nanos now) {
    // The frames still count (a parameter frame is stored, a stop ends the
    // status stream); only their answers have no one to go to.
    std::vector<HuntedFrame> rest;
    hunter_.flush(rest);
    for (auto& f : rest) pending_.push_back(std::move(f));
    while (!pending_.empty()) {
        HuntedFrame frame = std::move(pending_.front());
        pending_.pop_front();
        handle(frame, now);
    }
}

void OrvexDevice::handle(const HuntedFrame& frame, Nanos now) {
    if (!frame.valid) {
        log_.bad(frame.reason, frame.raw);
        return;
    }
    log_.frame(frame.raw);
    lastSeq_ = frame.seq;
    if (frame.code == kParameterCode) storeParameters(frame.raw);
    if (frame.code == kActionCode) act(frame.raw);
    ++framesSeen_;
    const bool deaf = options_.stopAnsweringAt > 0 && framesSeen_ >= options_.stopAnsweringAt &&
                      (options_.answerAgainAt == 0 || framesSeen_ < options_.answerAgainAt);
    if (deaf) {
        if (streaming_) log_.event("status-stream off");
        streaming_ = false;
        log_.event("frame not answered seq=" + std::to_string(frame.seq));
        return;
    }
    answer(frame.req, frame.seq, now);
}

void OrvexDevice::storeParameters(const std::vector<uint8_t>& raw) {
    // Frame offsets 2..32 carry SetupBlock 0..30; offset 33 stands where the
    // condition would be but the condition changes only by action frame.
    for (size_t i = 0; i < kConditionIndex; ++i) image_.setSetup(i, raw[2 + i]);
    for (size_t i = 0; i < kTuningSize; ++i) image_.setTuning(i, raw[34 + i]);
    log_.event("parameters stored");
    imageChanged();
}

void OrvexDevice::act(const std::vector<uint8_t>& raw) {
    const uint8_t zeroReset = raw[2], condition = raw[3], failsafe = raw[4], directionCheck = raw[5];
    bool changed = false;
    if (zeroReset == kZeroResetCommand) {
        // The measured zero point: small values that differ from one
        // measurement to the next.
        const int8_t old = static_cast<int8_t>(image_.tuning(kZeroPitchIndex));
        int8_t measured = old;
        while (measured == old) measured = static_cast<int8_t>(static_cast<int>((++zeroResets_ * 7) % 19) - 9);
        image_.setTuning(kZeroPitchIndex, static_cast<uint8_t>(measured));
        log_.event("zero-reset zero-pitch=" + std::to_string(measured));
        changed = true;
    }
    if ((condition == 1 || condition == 2) && image_.setup(kConditionIndex) != condition) {
        image_.setSetup(kConditionIndex, condition);
        log_.event("condition " + std::to_string(condition));
        changed = true;
    } else if (condition != 0 && condition != 1 && condition != 2) {
        log_.event("condition ignored value=" + std::to_string(condition));
    }
    if (failsafe == kFailsafeCommand) log_.event("failsafe set");
    if (directionCheck == kDirectionCheckOn && !directionCheck_) {
        directionCheck_ = true;
        log_.event("direction-check on");
    } else if (directionCheck == 0 && directionCheck_) {
        directionCheck_ = false;
        log_.event("direction-check off");
    }
    if (changed) imageChanged();
}

void OrvexDevice::answer(uint8_t request, uint8_t seq, Nanos now) {
    if (request != kWantStatus && streaming_) {
        streaming_ = false;
        log_.event("status-stream off");
    }
    if (request == kWantParameters) {
        sendReply(kParameterReply, seq, parameterPayload(), now);
    } else if (request == kWantStatus) {
        if (options_.noStatus) {
            log_.event("status suppressed");
            return;
        }
        if (!streaming_) log_.event("status-stream on");
        streaming_ = true;
        sendStatus(now);
        nextStatus_ = now + kStatusPeriod;
    } else {
        sendReply(kAckReply, seq, {}, now);
    }
}

void OrvexDevice::sendStatus(Nanos now) { sendReply(kStatusReply, lastSeq_, statusPayload(now), now); }

std::vector<uint8_t> OrvexDevice::parameterPayload() const {
    const auto& bytes = image_.bytes();
    return {bytes.begin(), bytes.end()};
}

std::vector<uint8_t> OrvexDevice::statusPayload(Nanos now) {
    // Payload starts at body offset 3 and runs up to the length byte.
    std::vector<uint8_t> body(kStatusBodyLength, 0);
    const double t = static_cast<double>(now - start_) / kSecond;
    for (size_t ch = 0; ch < 6; ++ch) {
        const double phase =
            2.0 * std::numbers::pi * (t / kSweepSeconds) + static_cast<double>(ch) * std::numbers::pi / 3.0;
        const int raw = kChannelCentre + static_cast<int>(std::lround(kChannelSwing * std::sin(phase)));
        body[kChannelOffsets[ch]] = static_cast<uint8_t>((raw >> 8) & 0xFF);
        body[kChannelOffsets[ch] + 1] = static_cast<uint8_t>(raw & 0xFF);
    }
    body[13] = image_.setup(kConditionIndex);
    ++statusCount_;
    for (size_t i = 0; i < 4; ++i) body[kCounterOffset + i] = static_cast<uint8_t>(statusCount_ >> (8 * i));
    body[kVersionOffset] = static_cast<uint8_t>(options_.version & 0xFF);
    body[kVersionOffset + 1] = static_cast<uint8_t>((options_.version >> 8) & 0xFF);
    return {body.begin() + 3, body.end() - 2};
}

std::vector<uint8_t> OrvexDevice::noiseBytes() {
    std::vector<uint8_t> noise;
    noiseState_ = noiseState_ * 1103515245u + 12345u;
    const size_t count = 1 + (noiseState_ >> 16) % 6;
    while (noise.size() < count) {
        noiseState_ = noiseState_ * 1103515245u + 12345u;
        const uint8_t b = static_cast<uint8_t>(noiseState_ >> 16);
        // Never a marker byte, so the noise cannot fake a frame start or end.
        if (b != 0x7F && b != 0x7E) noise.push_back(b);
    }
    return noise;
}

void OrvexDevice::sendReply(uint8_t type, uint8_t seq, const std::vector<uint8_t>& payload, Nanos now) {
    const std::string what = "type=" + std::to_string(type) + " seq=" + std::to_string(seq);
    if (!line_.listening()) {
        // Nobody holds the port. Such replies do not count for the fault
        // options either: those are about what the program gets to see.
        if (type != kStatusReply) log_.event("reply not sent (port closed) " + what);
        return;
    }
    ++replyCount_;
    if (options_.dropEvery > 0 && replyCount_ % options_.dropEvery == 0) {
        log_.event("reply dropped " + what);
        return;
    }
    if (options_.staleSeq) seq = static_cast<uint8_t>(seq - 1);
    std::vector<uint8_t> body = ReplyBody(type, seq, payload);
    if (options_.corruptEvery > 0 && replyCount_ % options_.corruptEvery == 0) {
        body.back() ^= 0xA5;
        log_.event("reply corrupted " + what);
    }
    const std::vector<uint8_t> wire = ReplyOnWire(body);
    if (options_.noise) line_.send(noiseBytes(), now);
    bool queued = true;
    if (options_.splitGapMs >= 0) {
        // Split inside the frame proper, not in its padding.
        const size_t cut = (body.size() + 4) / 2;
        queued = line_.send({wire.begin(), wire.begin() + cut}, now);
        line_.idle(options_.splitGapMs * kMillisecond, now);
        queued = line_.send({wire.begin() + cut, wire.end()}, now) && queued;
    } else {
        queued = line_.send(wire, now);
    }
    if (!queued) log_.event("reply lost (line backed up) " + what);
}

void OrvexDevice::imageChanged() {
    if (options_.imagePath.empty()) return;
    std::string error;
    if (!image_.save(options_.imagePath, error)) {
        std::fprintf(stderr, "orvex-sim: %s\n", error.c_str());
        log_.event("image not saved: " + error);
    }
}

}  // namespace orvexsim
