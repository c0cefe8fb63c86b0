// The two receivers: the main view's stateful FrameParser and the pages'
// FindFrame + CheckReply, fed the way the link delivers bytes.
#include "DeviceReply.h"
#include "params/WindowReceiver.h"
#include "protocol/FrameParser.h"
#include "protocol/LinkFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<uint8_t> ParamPayload(int8_t first) {
    std::vector<uint8_t> p(78);
    for (size_t i = 0; i < p.size(); ++i) p[i] = static_cast<uint8_t>(first + static_cast<int>(i));
    return p;
}

struct Collected {
    std::vector<std::vector<uint8_t>> bodies;
    FrameParser parser{[this](const uint8_t* b, uint8_t l) { bodies.emplace_back(b, b + l); }};
};
}  // namespace

TEST(FrameParser, AssemblesAReplySplit40And50) {
    Collected c;
    auto wire = DeviceReply(ParameterReply, 1, ParamPayload(5));
    c.parser.Feed(wire.data(), 40);
    EXPECT_TRUE(c.bodies.empty());
    c.parser.Feed(wire.data() + 40, 50);
    ASSERT_EQ(c.bodies.size(), 1u);
    EXPECT_EQ(c.bodies[0].size(), 83u);
    EXPECT_TRUE(ReplyBodyValid(c.bodies[0].data(), 83));
}

TEST(FrameParser, TwoRepliesBackToBackAs100And80) {
    Collected c;
    auto wire = DeviceReply(ParameterReply, 1, ParamPayload(5));
    auto second = DeviceReply(StatusReply, 2, std::vector<uint8_t>(37, 1), 10);
    wire.insert(wire.end(), second.begin(), second.end());
    ASSERT_EQ(wire.size(), 180u);
    c.parser.Feed(wire.data(), 100);
    c.parser.Feed(wire.data() + 100, 80);
    ASSERT_EQ(c.bodies.size(), 2u);
    EXPECT_EQ(c.bodies[1][1], StatusReply);
}

TEST(FrameParser, StartMarkerInsideBodyAbandonsTheChunk) {
    Collected c;
    auto wire = DeviceReply(AckReply, 1, {0x7F, 0x2F, 1});
    auto good = DeviceReply(AckReply, 2, {});
    wire.insert(wire.end(), good.begin(), good.end());
    c.parser.Feed(wire.data(), wire.size());
    EXPECT_TRUE(c.bodies.empty()) << "the rest of the chunk is dropped";
    c.parser.Feed(good.data(), good.size());
    ASSERT_EQ(c.bodies.size(), 1u);
    EXPECT_EQ(c.bodies[0][2], 2);
}

TEST(FrameParser, EndMarkerInsideBodyEndsEarlyAndFailsTheCheck) {
    Collected c;
    auto wire = DeviceReply(AckReply, 1, {0x7E, 0x0E, 9, 9});
    c.parser.Feed(wire.data(), wire.size());
    ASSERT_FALSE(c.bodies.empty());
    EXPECT_FALSE(ReplyBodyValid(c.bodies[0].data(), c.bodies[0].size()));
}

TEST(FrameParser, OverlongFrameNeverWritesPastItsBufferAndRecovers) {
    Collected c;
    std::vector<uint8_t> junk = {0x7F, 0x2F};
    junk.resize(300, 0x55);
    c.parser.Feed(junk.data(), junk.size());
    EXPECT_LE(c.parser.writeIndex(), 90);
    auto good = DeviceReply(AckReply, 3, {});
    c.parser.Feed(good.data(), good.size());
    ASSERT_EQ(c.bodies.size(), 1u);
    EXPECT_EQ(c.bodies[0][2], 3);
}

TEST(ReplyValidation, ClassByte20IsIgnored) {
    auto wire = DeviceReply(ParameterReply, 1, ParamPayload(1), 20);
    EXPECT_FALSE(ReplyBodyValid(wire.data() + 2, 83));
    LinkState s;
    ParameterImage image;
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_FALSE(CheckReply(s, image));
    EXPECT_EQ(image, ParameterImage{});
}

TEST(FindFrame, FindsAReplyOnceTheWholeChunkIsThere) {
    LinkState s;
    auto wire = DeviceReply(AckReply, 1, {});
    EXPECT_FALSE(FindFrame(s, wire.data(), 5));
    EXPECT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_EQ(s.ReplyLength, 5);
}

TEST(FindFrame, SecondOfTwoRepliesInOneChunkIsLost) {
    LinkState s;
    ParameterImage image;
    auto wire = DeviceReply(AckReply, 7, {});
    auto second = DeviceReply(ParameterReply, 8, ParamPayload(3));
    wire.insert(wire.end(), second.begin(), second.end());
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_EQ(s.ReplyBuffer[2], 7);
    EXPECT_TRUE(CheckReply(s, image));
    EXPECT_EQ(image, ParameterImage{});
}

TEST(FindFrame, RestartsAfterAStartInsideTheBody) {
    LinkState s;
    std::vector<uint8_t> wire = {0x7F, 0x2F, 30, 20};
    auto good = DeviceReply(AckReply, 4, {});
    wire.insert(wire.end(), good.begin(), good.end());
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_EQ(s.ReplyLength, 5);
    EXPECT_EQ(s.ReplyBuffer[2], 4);
}

TEST(FindFrame, NeverCollectsPastItsBuffer) {
    LinkState s;
    std::vector<uint8_t> wire = {0x7F, 0x2F};
    wire.resize(1000, 0x11);
    auto good = DeviceReply(AckReply, 9, {});
    wire.insert(wire.end(), good.begin(), good.end());
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_EQ(s.ReplyBuffer[2], 9);
}

TEST(CheckReply, StaleSequenceStillDeliversThePayload) {
    LinkState s;
    ParameterImage image;
    s.SequenceCounter = 5;
    s.ReplyPending = 1;
    auto wire = DeviceReply(ParameterReply, 4, ParamPayload(10));
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_TRUE(CheckReply(s, image));
    EXPECT_EQ(s.ReplyPending, 1);
    EXPECT_EQ(image.SetupBlock[0], 10);
    EXPECT_EQ(image.TuningBlock[45], 10 + 77);
}

TEST(CheckReply, MatchingSequenceClearsPendingAndClass10StoresLike30) {
    LinkState s;
    ParameterImage image;
    s.SequenceCounter = 4;
    s.ReplyPending = 1;
    auto wire = DeviceReply(ParameterReply, 4, ParamPayload(-20), 10);
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_TRUE(CheckReply(s, image));
    EXPECT_EQ(s.ReplyPending, 0);
    EXPECT_EQ(image.SetupBlock[31], -20 + 31) << "a parameter reply overwrites Condition";
}

TEST(CheckReply, ShortButWellFormedRepliesCopyNothing) {
    LinkState s;
    ParameterImage image;
    image.SetupBlock[kConditionByte] = 1;
    auto wire = DeviceReply(ParameterReply, 1, std::vector<uint8_t>(20, 0x44));
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_TRUE(CheckReply(s, image));
    EXPECT_EQ(image.TuningBlock[0], 0);
    auto status = DeviceReply(StatusReply, 1, std::vector<uint8_t>(5, 2));
    ASSERT_TRUE(FindFrame(s, status.data(), status.size()));
    EXPECT_TRUE(CheckReply(s, image));
    EXPECT_EQ(image.SetupBlock[kConditionByte], 1);
}

TEST(CheckReply, StatusReplySetsCondition) {
    LinkState s;
    ParameterImage image;
    std::vector<uint8_t> payload(37, 0);
    payload[10] = 2;  // body byte 13
    auto wire = DeviceReply(StatusReply, 0, payload);
    ASSERT_TRUE(FindFrame(s, wire.data(), wire.size()));
    EXPECT_TRUE(CheckReply(s, image));
    EXPECT_EQ(image.SetupBlock[kConditionByte], 2);
}

TEST(ReceiveForWindow, OnlyAValidStatusReportCountsAsOne) {
    std::vector<uint8_t> payload(37, 0);
    payload[0] = 0x11;  // body byte 3: the first channel's high byte
    std::vector<uint8_t> badChecksum = DeviceReply(StatusReply, 0, payload);
    badChecksum[2 + 39] ^= 0x5A;
    std::vector<uint8_t> noise(90);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 37 + 11);
    const struct {
        std::vector<uint8_t> wire;
        bool report, noise;
    } rows[] = {
        {DeviceReply(StatusReply, 0, payload), true, false},
        {noise, false, true},
        {badChecksum, false, true},
        {DeviceReply(StatusReply, 0, payload, 20), false, true},       // class 20
        {DeviceReply(AckReply, 0, {}), false, false},                  // another kind
        {DeviceReply(StatusReply, 0, {1, 2, 3, 4, 5}), false, false},  // too short for the channels
    };
    for (const auto& row : rows) {
        Orvex o;
        ReceiveStage stage;
        // A report before it: what it left behind must not count again.
        const std::vector<uint8_t> first = DeviceReply(StatusReply, 0, payload);
        stage.Queue().Append(first.data(), static_cast<uint32_t>(first.size()));
        ASSERT_TRUE(ReceiveForWindow(o, stage, -1).statusReport);
        stage.Queue().Append(row.wire.data(), static_cast<uint32_t>(row.wire.size()));
        const WindowReceive r = ReceiveForWindow(o, stage, -1);
        EXPECT_EQ(r.statusReport, row.report) << row.wire.size();
        EXPECT_EQ(r.noiseBytes, row.noise ? row.wire.size() : 0u);
        EXPECT_EQ(r.status.channel[0], row.report ? 0x1100 : 0);
    }
}

// The page takes a chunk's first frame; an answer behind it, cut by the
// chunk's end, still answers its change's wait and updates what the unit is
// known to hold once the rest of it arrives.
TEST(ReceiveForWindow, AnAnswerCutByAChunksEndAnswersItsWait) {
    Orvex o;
    o.LinkPort.AddFlags(PortRxQueue);  // bytes reach the page as the reader thread queues them
    ReceiveStage stage;
    std::vector<uint8_t> wire = DeviceReply(ParameterReply, 7, ParamPayload(1));
    const size_t cut = wire.size() + 4;  // the first chunk ends four bytes into the answer
    const std::vector<uint8_t> answer = DeviceReply(ParameterReply, 8, ParamPayload(3));
    wire.insert(wire.end(), answer.begin(), answer.end());
    int answered = 0;
    o.session.Await(8, 5000, [&](AnswerOutcome outcome, int) { answered += outcome == AnswerOutcome::Answered; });
    for (const auto& [from, to] : {std::pair{size_t{0}, cut}, std::pair{cut, wire.size()}}) {
        o.LinkPort.RxQueue().Append(wire.data() + from, static_cast<uint32_t>(to - from));
        ReceiveForWindow(o, stage, o.LinkPort.PortNumber());
    }
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(o.unitImage.SetupBlock[1], 4);
}
