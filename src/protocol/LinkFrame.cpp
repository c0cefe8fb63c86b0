#include "protocol/LinkFrame.h"

#include <cstring>

uint8_t XorChecksum(const uint8_t* data, size_t n) {
    uint8_t x = 0;
    for (size_t i = 0; i < n; ++i) x ^= data[i];
    return x;
}

namespace {
FrameCode ChooseKind(int group, int code) {
    const bool groupHonoured = group == 10 || group == 30;
    if (groupHonoured && (code == QueryFrame || code == ParameterFrame || code == ActionFrame))
        return static_cast<FrameCode>(code);
    return QueryFrame;
}

void WritePayload(LinkState& state, const ParameterImage& image, FrameCode kind) {
    uint8_t* f = state.FrameBuffer;
    if (kind == ActionFrame) {
        f[2] = state.ZeroResetCommand;
        f[3] = static_cast<uint8_t>(image.SetupBlock[kConditionByte]);
        f[4] = state.FailsafeCommand;
        f[5] = state.DirectionCheckCommand;
    } else if (kind == ParameterFrame) {
        // Condition (SetupBlock 31) is never uploaded: offset 33 stays 0.
        std::memcpy(f + 2, image.SetupBlock, kSetupBlockSize - 1);
        std::memcpy(f + 34, image.TuningBlock, kTuningBlockSize);
    }
}
}  // namespace

size_t BuildFrame(LinkState& state, const ParameterImage& image, int group, int code) {
    std::memset(state.FrameBuffer, 0, kFrameSize);
    uint8_t* f = state.FrameBuffer;
    f[0] = kStart1;
    f[1] = kStart2;
    const FrameCode kind = ChooseKind(group, code);
    WritePayload(state, image, kind);
    const size_t n = FrameLength(kind);
    f[n - 7] = kind;
    f[n - 6] = ++state.SequenceCounter;
    f[n - 5] = state.ReplyRequest;
    f[n - 4] = static_cast<uint8_t>(n - 4);
    f[n - 3] = XorChecksum(f + 2, n - 5);
    f[n - 2] = kEnd1;
    f[n - 1] = kEnd2;
    state.ReplyPending = 1;
    return n;
}

bool ReplyBodyValid(const uint8_t* body, size_t length) {
    if (length < 2 || length > kFrameSize) return false;
    if (XorChecksum(body, length - 1) != body[length - 1]) return false;
    if (body[length - 2] != static_cast<uint8_t>(length)) return false;
    return body[0] == 10 || body[0] == 30;
}

int ApplyReplyPayload(ParameterImage& image, const uint8_t* body, size_t length) {
    if (length < 3) return -1;
    // The payload ends before the length and checksum bytes; a body too short
    // to hold all of it would copy stale bytes, so it copies nothing.
    const size_t payloadEnd = length - 2;
    switch (body[1]) {
        case ParameterReply:
            if (payloadEnd < kParameterPayloadEnd) return -1;
            std::memcpy(image.SetupBlock, body + 3, kSetupBlockSize);
            std::memcpy(image.TuningBlock, body + 3 + kSetupBlockSize, kTuningBlockSize);
            break;
        case StatusReply:
            if (payloadEnd <= kStatusConditionOffset) return -1;
            image.SetupBlock[kConditionByte] = static_cast<int8_t>(body[kStatusConditionOffset]);
            break;
        default:
            break;
    }
    return body[1];
}
