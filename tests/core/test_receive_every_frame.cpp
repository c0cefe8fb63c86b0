// The receive procedure that checks every frame: replies that arrive
// together, a reply in pieces, stale and broken replies.
#include "DeviceReply.h"
#include "params/Orvex.h"
#include "params/WindowReceiver.h"
#include "protocol/FrameParser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kNotThePort = 0;  // scan the window's queue without reading the port

std::vector<uint8_t> ParameterReplyWithZeroPitch(uint8_t seq, int8_t zeroPitch) {
    std::vector<uint8_t> payload(78, 1);
    payload[32 + 39] = static_cast<uint8_t>(zeroPitch);
    return DeviceReply(ParameterReply, seq, payload);
}

std::vector<uint8_t> Join(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ReceiveEveryFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        o.link.SequenceCounter = 6;
        o.link.ReplyPending = 1;
    }
    WindowReceive Deliver(const std::vector<uint8_t>& bytes) {
        stage.Queue().Append(bytes.data(), static_cast<uint32_t>(bytes.size()));
        return ReceiveEveryFrame(o, stage, parser, kNotThePort);
    }

    Orvex o;
    ReceiveStage stage;
    FrameParser parser;
};

}  // namespace

TEST_F(ReceiveEveryFrameTest, AnswerBehindAnEarlierAcknowledgementIsNotLost) {
    // "Reset zero": the acknowledgement of the first frame and the parameter
    // reply to the second arrive in one delivery.
    const WindowReceive r = Deliver(Join(DeviceReply(AckReply, 5, {}), ParameterReplyWithZeroPitch(6, -4)));
    EXPECT_TRUE(r.answered);
    EXPECT_TRUE(r.frameFound);
    EXPECT_EQ(o.link.ReplyPending, 0);
    EXPECT_EQ(o.image.TuningBlock[39], -4);
}

TEST_F(ReceiveEveryFrameTest, ReplyInPiecesIsAssembledWhole) {
    const std::vector<uint8_t> reply = ParameterReplyWithZeroPitch(6, 5);
    const WindowReceive first = Deliver({reply.begin(), reply.begin() + 40});
    EXPECT_FALSE(first.gathered);
    EXPECT_FALSE(first.answered);
    const WindowReceive second = Deliver({reply.begin() + 40, reply.end()});
    EXPECT_TRUE(second.answered);
    EXPECT_EQ(o.image.TuningBlock[39], 5);
}

TEST_F(ReceiveEveryFrameTest, StaleReplyDeliversItsPayloadButAnswersNothing) {
    const WindowReceive r = Deliver(ParameterReplyWithZeroPitch(5, 3));
    EXPECT_TRUE(r.gathered);
    EXPECT_TRUE(r.frameFound);
    EXPECT_FALSE(r.answered);
    EXPECT_EQ(o.link.ReplyPending, 1);
    EXPECT_EQ(o.image.TuningBlock[39], 3);
}

TEST_F(ReceiveEveryFrameTest, BrokenReplyIsDroppedAndTheNextOneCounts) {
    std::vector<uint8_t> broken = ParameterReplyWithZeroPitch(6, 9);
    broken[2 + 83 - 1] ^= 0x5A;  // the checksum byte
    const WindowReceive r = Deliver(Join(broken, DeviceReply(AckReply, 6, {})));
    EXPECT_TRUE(r.answered);
    EXPECT_EQ(o.image.TuningBlock[39], 0);
}

TEST_F(ReceiveEveryFrameTest, NothingComplete) {
    const WindowReceive r = Deliver({0x00, 0x7F, 0x2F, 30, 20});
    EXPECT_FALSE(r.gathered);
    EXPECT_FALSE(r.frameFound);
    EXPECT_FALSE(r.answered);
}
