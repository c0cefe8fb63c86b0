// The main view's receiver on a real pty, with the test writing as the device.
#include "DeviceReply.h"
#include "link/NotifyWindow.h"
#include "params/MainReceiver.h"
#include "params/Orvex.h"
#include "protocol/FrameParser.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <chrono>
#include <vector>

namespace {
std::vector<uint8_t> ParameterReplyOnWire(uint8_t seq) {
    std::vector<uint8_t> payload;
    for (int i = 0; i < 78; ++i) payload.push_back(static_cast<uint8_t>(i + 1));
    return DeviceReply(ParameterReply, seq, payload);
}

struct FakeDevice {
    int master = -1;
    std::string slave;
    FakeDevice() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        slave = ptsname(master);
    }
    ~FakeDevice() { close(master); }
    void Send(const std::vector<uint8_t>& bytes, size_t from, size_t to) {
        ASSERT_EQ(write(master, bytes.data() + from, to - from), static_cast<ssize_t>(to - from));
    }
};

struct Receiver {
    Orvex o;
    QueueNotifyWindow window;
    int parameterReplies = 0;
    MainReceiver receiver{o, {[this] { ++parameterReplies; }, {}, {}}};
    Receiver() {
        o.LinkPort.AddFlags(PortRxQueue);
        o.LinkPort.SetNotifyWindow(window.handle());
    }
    // Handles notifications until `target` bytes in all have been read from
    // the port (counted from the connect, as the port's reader may be ahead of
    // the test); the test fails if they do not come in time.
    void PumpUntilRead(uint32_t target) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            if (auto n = window.Wait(50); n && n->message == WM_PORT_RECEIVE) receiver.OnReceive(n->wParam);
            if (o.LinkPort.BytesRead() >= target && o.LinkPort.RxQueue().Size() == 0) return;
        }
        ADD_FAILURE() << "read " << o.LinkPort.BytesRead() << " bytes, waited for " << target;
    }
};
}  // namespace

TEST(MainReceiver, AReplyStraddlingA90ByteBoundaryIsNotStranded) {
    FakeDevice device;
    Receiver r;
    ASSERT_TRUE(r.receiver.Connect(5, device.slave));
    // The tail of an earlier frame shifts the stream by 60 bytes; the reply
    // then arrives in two parts and nothing follows it.
    const std::vector<uint8_t> tail(60, 0x11);
    device.Send(tail, 0, tail.size());
    r.PumpUntilRead(60);
    const auto reply = ParameterReplyOnWire(1);
    device.Send(reply, 0, 30);
    r.PumpUntilRead(90);
    device.Send(reply, 30, reply.size());
    r.PumpUntilRead(150);
    EXPECT_EQ(r.parameterReplies, 1);
    EXPECT_EQ(r.receiver.connectStage(), 1);
    EXPECT_EQ(r.o.image.SetupBlock[0], 1);
}

TEST(MainReceiver, AReplyInTwoDeliveriesIsAssembledWhole) {
    FakeDevice device;
    Receiver r;
    ASSERT_TRUE(r.receiver.Connect(5, device.slave));
    const auto reply = ParameterReplyOnWire(1);
    device.Send(reply, 0, 40);
    r.PumpUntilRead(40);
    EXPECT_EQ(r.parameterReplies, 0);
    device.Send(reply, 40, reply.size());
    r.PumpUntilRead(90);
    EXPECT_EQ(r.parameterReplies, 1);
}

TEST(MainReceiver, DisconnectReturnsToStageZeroAndClearsTheQueue) {
    FakeDevice device;
    Receiver r;
    ASSERT_TRUE(r.receiver.Connect(5, device.slave));
    const auto reply = ParameterReplyOnWire(1);
    device.Send(reply, 0, reply.size());
    r.PumpUntilRead(90);
    ASSERT_EQ(r.receiver.connectStage(), 1);
    r.receiver.Disconnect();
    EXPECT_EQ(r.receiver.connectStage(), 0);
    EXPECT_FALSE(r.o.LinkPort.IsOpen());
    EXPECT_EQ(r.receiver.stage().Queue().Size(), 0u);
}
