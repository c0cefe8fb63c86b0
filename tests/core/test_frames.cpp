// Frames the program sends and the decoding of status replies.
#include "protocol/LinkFrame.h"
#include "protocol/StatusReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<uint8_t> Sent(const LinkState& s) { return {s.FrameBuffer, s.FrameBuffer + kFrameSize}; }
}  // namespace

TEST(FrameBuild, FirstQueryAfterConnectIsTheWorkedExample) {
    LinkState s;
    ParameterImage image;
    s.ReplyRequest = 30;
    EXPECT_EQ(BuildFrame(s, image, 0, 10), 9u);
    const std::vector<uint8_t> head = {0x7F, 0x2F, 0x0A, 0x01, 0x1E, 0x05, 0x10, 0x7E, 0x0E};
    std::vector<uint8_t> expected = head;
    expected.resize(90, 0);
    EXPECT_EQ(Sent(s), expected);
    EXPECT_EQ(s.ReplyPending, 1);
}

TEST(FrameBuild, GroupDecidesWhetherCodeIsHonoured) {
    ParameterImage image;
    for (auto [group, code] : {std::pair{0, 30}, {30, 20}, {0, 50}, {20, 30}, {10, 11}}) {
        LinkState s;
        EXPECT_EQ(BuildFrame(s, image, group, code), 9u) << group << "," << code;
        EXPECT_EQ(s.FrameBuffer[2], QueryFrame);
    }
    LinkState s;
    EXPECT_EQ(BuildFrame(s, image, 10, 50), 16u);
    EXPECT_EQ(BuildFrame(s, image, 30, 30), 87u);
}

TEST(FrameBuild, SequenceWrapsAtTheFrame256) {
    LinkState s;
    ParameterImage image;
    for (int i = 1; i <= 256; ++i) BuildFrame(s, image, 0, 10);
    EXPECT_EQ(s.FrameBuffer[3], 0);
    BuildFrame(s, image, 0, 10);
    EXPECT_EQ(s.FrameBuffer[3], 1);
}

TEST(FrameBuild, ParameterFrameLayoutNeverUploadsCondition) {
    LinkState s;
    ParameterImage image;
    for (size_t i = 0; i < kSetupBlockSize; ++i) image.SetupBlock[i] = static_cast<int8_t>(i + 1);
    for (size_t i = 0; i < kTuningBlockSize; ++i) image.TuningBlock[i] = static_cast<int8_t>(-1 - int(i));
    image.SetupBlock[kConditionByte] = 2;
    s.ReplyRequest = 40;
    ASSERT_EQ(BuildFrame(s, image, 30, 30), 87u);
    const uint8_t* f = s.FrameBuffer;
    for (size_t i = 0; i < 31; ++i) EXPECT_EQ(f[2 + i], i + 1);
    EXPECT_EQ(f[33], 0);
    for (size_t i = 0; i < kTuningBlockSize; ++i) EXPECT_EQ(static_cast<int8_t>(f[34 + i]), -1 - int(i));
    EXPECT_EQ(f[80], ParameterFrame);
    EXPECT_EQ(f[81], 1);
    EXPECT_EQ(f[82], 40);
    EXPECT_EQ(f[83], 83);
    EXPECT_EQ(f[84], XorChecksum(f + 2, 82));
    EXPECT_EQ(f[85], 0x7E);
    EXPECT_EQ(f[86], 0x0E);
    for (size_t i = 87; i < 90; ++i) EXPECT_EQ(f[i], 0);
}

TEST(FrameBuild, ActionFrameCarriesAllFourCommandBytes) {
    LinkState s;
    ParameterImage image;
    image.SetupBlock[kConditionByte] = 2;
    s.ZeroResetCommand = 101;
    s.FailsafeCommand = 11;
    s.DirectionCheckCommand = 102;
    ASSERT_EQ(BuildFrame(s, image, 30, 50), 16u);
    const uint8_t* f = s.FrameBuffer;
    EXPECT_EQ(f[2], 101);
    EXPECT_EQ(f[3], 2);
    EXPECT_EQ(f[4], 11);
    EXPECT_EQ(f[5], 102);
    EXPECT_EQ(f[6] | f[7] | f[8], 0);
    EXPECT_EQ(f[9], ActionFrame);
    EXPECT_EQ(f[12], 12);
    EXPECT_EQ(f[13], XorChecksum(f + 2, 11));
}

TEST(StatusDecode, ChannelsVersionAndCondition) {
    uint8_t body[42] = {30, StatusReply, 7};
    const int raw[6] = {3800, 3830, 3770, 5113, 5144, -1};
    const size_t offs[6] = {3, 5, 7, 9, 11, 14};
    for (int i = 0; i < 6; ++i) {
        body[offs[i]] = static_cast<uint8_t>((raw[i] >> 8) & 0xFF);
        body[offs[i] + 1] = static_cast<uint8_t>(raw[i] & 0xFF);
    }
    body[13] = 2;
    body[38] = 0x69;
    body[39] = 0x00;
    body[40] = 42;
    body[41] = XorChecksum(body, 41);
    StatusReport r;
    ASSERT_TRUE(DecodeStatusReply(body, 42, r));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(r.channel[i], raw[i]);
    EXPECT_EQ(r.condition, 2);
    EXPECT_EQ(FormatVersion(r.version), "V1.05");
    EXPECT_FALSE(DecodeStatusReply(body, 30, r));
}

TEST(StatusDecode, DisplayValuesTruncateTowardZero) {
    EXPECT_EQ(ChannelDisplayValue(3800), 0);
    EXPECT_EQ(ChannelDisplayValue(3830), 2);
    EXPECT_EQ(ChannelDisplayValue(3770), -2);
    EXPECT_EQ(ChannelDisplayValue(5144), 128);
    EXPECT_EQ(ChannelDisplayValue(3800 - 1050), -100);
}

TEST(StatusDecode, NegativeVersionShowsMinus) {
    EXPECT_EQ(FormatVersion(static_cast<int16_t>(0xFF97)), "V-1.05");
    EXPECT_EQ(FormatVersion(0), "V0.00");
}
