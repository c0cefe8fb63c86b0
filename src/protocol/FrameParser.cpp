#include "protocol/FrameParser.h"

#include <cstring>

void FrameParser::Reset() {
    parserState_ = 0;
    writeIndex_ = 2;
    bodyLength_ = 0;
    std::memset(rawFrame_, 0, sizeof rawFrame_);
    std::memset(body_, 0, sizeof body_);
}

void FrameParser::Feed(const uint8_t* data, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const uint8_t b = data[i];
        if (parserState_ == 0) {
            parserState_ = b == kStart1 ? 1 : 0;
            continue;
        }
        if (parserState_ == 1) {
            parserState_ = b == kStart1 ? 1 : b == kStart2 ? 2 : 0;
            continue;
        }
        if (writeIndex_ >= static_cast<int>(kFrameSize)) {
            // A frame longer than 90 bytes without an end marker: drop it and
            // hunt for the next start from this byte on.
            Reset();
            parserState_ = b == kStart1 ? 1 : 0;
            continue;
        }
        rawFrame_[writeIndex_++] = b;
        const uint8_t prev = rawFrame_[writeIndex_ - 2];
        if (writeIndex_ >= 4 && prev == kStart1 && b == kStart2) {
            // A new start inside a frame abandons the frame and the rest of this chunk.
            Reset();
            return;
        }
        if (writeIndex_ >= 4 && prev == kEnd1 && b == kEnd2) {
            const uint8_t L = static_cast<uint8_t>(writeIndex_ - 4);
            parserState_ = 0;
            bodyLength_ = L;
            writeIndex_ = 2;
            rawFrame_[0] = kStart1;
            rawFrame_[1] = kStart2;
            std::memcpy(body_, rawFrame_ + 2, L);
            if (onFrame_) onFrame_(body_, L);
            std::memset(rawFrame_, 0, sizeof rawFrame_);
            std::memset(body_, 0, sizeof body_);
        }
    }
}

bool FindFrame(LinkState& state, const uint8_t* data, size_t length) {
    bool collecting = false;
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        const uint8_t a = data[i];
        const uint8_t b = i + 1 < length ? data[i + 1] : 0;  // the work buffer's terminating 0
        if (a == kStart1 && b == kStart2) {
            collecting = true;
            n = 0;
            ++i;  // the pair's second byte is part of the marker
            continue;
        }
        if (!collecting) continue;
        if (a == kEnd1 && b == kEnd2) {
            state.ReplyLength = static_cast<uint8_t>(n);
            return true;
        }
        if (n >= kFrameSize) {
            // Longer than any frame: not a frame; look for the next start.
            collecting = false;
            continue;
        }
        state.ReplyBuffer[n++] = a;
    }
    return false;
}

bool CheckReply(LinkState& state, ParameterImage& image) {
    const uint8_t* body = state.ReplyBuffer;
    const size_t L = state.ReplyLength;
    if (!ReplyBodyValid(body, L)) return false;
    if (body[2] == state.SequenceCounter) state.ReplyPending = 0;
    ApplyReplyPayload(image, body, L);
    return true;
}
