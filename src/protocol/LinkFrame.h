#pragma once
// Link frames: 0x7F 0x2F, body, 0x7E 0x0E. Frames from the program are 9, 16
// or 87 bytes and always travel padded with zeros to 90 bytes.

#include <cstddef>
#include <cstdint>

constexpr size_t kFrameSize = 90;  // every frame the program sends
constexpr size_t kMaxBody = 86;    // longest body inside a 90-byte frame
constexpr size_t kSetupBlockSize = 32;
constexpr size_t kTuningBlockSize = 46;
constexpr uint8_t kStart1 = 0x7F, kStart2 = 0x2F, kEnd1 = 0x7E, kEnd2 = 0x0E;

enum FrameCode : uint8_t { QueryFrame = 10, ParameterFrame = 30, ActionFrame = 50 };
// The group the program sends parameter and action frames in (see BuildFrame).
constexpr int kCommandGroup = 30;
enum ReplyType : uint8_t { AckReply = 20, ParameterReply = 30, StatusReply = 40 };
// Values of ReplyRequest: what the device is asked to answer with.
enum ReplyRequestValue : uint8_t { RequestNone = 0, RequestParameterReply = 30, RequestStatusReply = 40 };

constexpr size_t FrameLength(FrameCode code) { return code == ParameterFrame ? 87 : code == ActionFrame ? 16 : 9; }

// The device's parameter image: 32 + 46 signed bytes.
struct ParameterImage {
    int8_t SetupBlock[kSetupBlockSize] = {};
    int8_t TuningBlock[kTuningBlockSize] = {};
    bool operator==(const ParameterImage&) const = default;
};

// Index of Condition in SetupBlock: never uploaded by a ParameterFrame.
constexpr size_t kConditionByte = 31;

// Link state shared by every sender and receiver.
struct LinkState {
    uint8_t FrameBuffer[kFrameSize] = {};
    uint8_t SequenceCounter = 0;
    uint8_t ReplyRequest = 0;
    uint8_t ReplyPending = 0;
    uint8_t ReplyBuffer[kFrameSize] = {};
    uint8_t ReplyLength = 0;
    // ActionFrame command bytes (Condition is SetupBlock byte 31).
    uint8_t ZeroResetCommand = 0;
    uint8_t FailsafeCommand = 0;
    uint8_t DirectionCheckCommand = 0;
};

// Builds a frame into state.FrameBuffer (zeroed, 90 bytes) and returns its
// unpadded length n. group decides whether code is honoured: only group 10 or
// 30 with code 10, 30 or 50 selects that kind; everything else is a QueryFrame.
// Advances SequenceCounter and sets ReplyPending.
size_t BuildFrame(LinkState& state, const ParameterImage& image, int group, int code);

uint8_t XorChecksum(const uint8_t* data, size_t n);

// Checks a reply body of length L: XOR of body[0..L-2] == body[L-1],
// body[L-2] == L, class body[0] is 10 or 30.
bool ReplyBodyValid(const uint8_t* body, size_t length);

// Payload extents inside a reply body.
constexpr size_t kParameterPayloadEnd = 3 + kSetupBlockSize + kTuningBlockSize;  // 81
constexpr size_t kStatusConditionOffset = 13;

// Copies a valid reply's payload into the image: a ParameterReply its 78
// bytes, a StatusReply its Condition byte. A body too short to hold the whole
// payload copies nothing. Returns the reply type (body[1]) or -1 when nothing
// was applied because the body is too short.
int ApplyReplyPayload(ParameterImage& image, const uint8_t* body, size_t length);
