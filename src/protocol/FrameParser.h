#pragma once
// The main view's byte-wise receiver. Its state survives between chunks, so a
// frame split over several deliveries is assembled whole.

#include "protocol/LinkFrame.h"

#include <functional>

class FrameParser {
public:
    using Handler = std::function<void(const uint8_t* body, uint8_t length)>;
    explicit FrameParser(Handler onFrame = {}) : onFrame_(std::move(onFrame)) {}
    void SetHandler(Handler onFrame) { onFrame_ = std::move(onFrame); }

    // Feeds one chunk; calls the handler for each complete frame (not yet
    // validated: the handler checks with ReplyBodyValid).
    void Feed(const uint8_t* data, size_t length);
    void Reset();

    int writeIndex() const { return writeIndex_; }
    const uint8_t* body() const { return body_; }

private:
    Handler onFrame_;
    int parserState_ = 0;
    int writeIndex_ = 2;
    uint8_t rawFrame_[kFrameSize] = {};
    uint8_t body_[kFrameSize] = {};
    uint8_t bodyLength_ = 0;
};

// The dialogs' and pages' receiver: finds the first complete frame of one
// chunk and stores its body in state.ReplyBuffer / ReplyLength.
bool FindFrame(LinkState& state, const uint8_t* data, size_t length);

// Validates state.ReplyBuffer and applies it: clears ReplyPending when the
// reply echoes SequenceCounter, copies a ParameterReply or the Condition of a
// StatusReply into the image. Returns true when the reply was valid.
bool CheckReply(LinkState& state, ParameterImage& image);
