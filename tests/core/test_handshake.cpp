// The connect handshake of the core against the simulated Orvex on a real pty.
#include "SimProcess.h"
#include "link/NotifyWindow.h"
#include "params/MainReceiver.h"
#include "params/Orvex.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {
struct Connection {
    Orvex o;
    QueueNotifyWindow window;
    int parameterReplies = 0;
    std::string version;
    bool connected = false;
    MainReceiver receiver{
        o,
        {[this] { ++parameterReplies; }, [this](const std::string& v) { version = v; }, [this] { connected = true; }}};

    Connection() {
        o.LinkPort.AddFlags(PortRxQueue);
        o.LinkPort.SetNotifyWindow(window.handle());
    }
    // Pumps notifications until `done` or the deadline.
    template <class F>
    bool PumpUntil(F done, int timeoutMs = 10000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            if (auto n = window.Wait(50)) {
                if (n->message == WM_PORT_RECEIVE) receiver.OnReceive(n->wParam);
                if (n->message == WM_PORT_ERROR && n->lParam == kPortErrorGone) receiver.Disconnect();
            }
        }
        return true;
    }
};
}  // namespace

TEST(Handshake, DeviceSeesTheFourFramesInOrder) {
    SimProcess sim({.args = {"--baud", "0"}});
    Connection c;
    ASSERT_TRUE(c.receiver.Connect(7, sim.portPath()));
    ASSERT_TRUE(c.PumpUntil([&] { return c.connected; }));
    EXPECT_EQ(c.version, "V1.05");
    EXPECT_EQ(c.receiver.connectStage(), 2);
    EXPECT_EQ(c.parameterReplies, 1);
    EXPECT_EQ(c.o.image.SetupBlock[27], 2) << "factory SwashPlateType arrived";
    EXPECT_EQ(c.o.config[CV::SwashPlateType], 2);
    ASSERT_TRUE(sim.waitForFrames(4, 5000));
    const auto frames = sim.frames();
    ASSERT_GE(frames.size(), 4u);
    const int expectedReq[4] = {30, 0, 40, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frames[i].code, 10) << i;
        EXPECT_EQ(frames[i].seq, i + 1) << i;
        EXPECT_EQ(frames[i].req, expectedReq[i]) << i;
    }
}

TEST(Handshake, ParameterWriteReachesTheDevice) {
    SimProcess sim({.args = {"--baud", "0"}});
    Connection c;
    ASSERT_TRUE(c.receiver.Connect(7, sim.portPath()));
    ASSERT_TRUE(c.PumpUntil([&] { return c.connected; }));
    c.o.image.TuningBlock[12] = 99;
    c.o.image.SetupBlock[kConditionByte] = 2;
    SendParameters(c.o);
    ASSERT_TRUE(sim.waitForFrames(5, 5000));
    const SimFrame f = sim.frames()[4];
    EXPECT_EQ(f.code, 30);
    EXPECT_EQ(f.len, 87);
    ASSERT_EQ(f.payload.size(), 78u);
    EXPECT_EQ(f.payload[32 + 12], 99);
    EXPECT_EQ(f.payload[31], 0) << "the condition byte is never uploaded";
}

TEST(Handshake, SilentStatusLeavesStageOne) {
    SimProcess sim({.args = {"--baud", "0", "--no-status"}});
    Connection c;
    ASSERT_TRUE(c.receiver.Connect(7, sim.portPath()));
    ASSERT_TRUE(c.PumpUntil([&] { return c.receiver.connectStage() == 1; }));
    EXPECT_FALSE(c.PumpUntil([&] { return c.connected; }, 600));
    EXPECT_EQ(c.receiver.connectStage(), 1);
}

TEST(Handshake, SurvivesNoiseAndSplitReplies) {
    SimProcess sim({.args = {"--baud", "0", "--noise", "--split-replies", "20"}});
    Connection c;
    ASSERT_TRUE(c.receiver.Connect(7, sim.portPath()));
    ASSERT_TRUE(c.PumpUntil([&] { return c.connected; }));
    EXPECT_EQ(c.version, "V1.05");
}

TEST(Handshake, CorruptRepliesAreIgnored) {
    SimProcess sim({.args = {"--baud", "0", "--corrupt-checksum", "1"}});
    Connection c;
    ASSERT_TRUE(c.receiver.Connect(7, sim.portPath()));
    EXPECT_FALSE(c.PumpUntil([&] { return c.receiver.connectStage() > 0; }, 800));
    EXPECT_EQ(c.o.image, ParameterImage{});
}

TEST(Handshake, HangUpClosesThePort) {
    SimProcess sim({.args = {"--baud", "0"}});
    Connection c;
    ASSERT_TRUE(c.receiver.Connect(7, sim.portPath()));
    ASSERT_TRUE(c.PumpUntil([&] { return c.connected; }));
    sim.terminate();
    ASSERT_TRUE(c.PumpUntil([&] { return !c.o.LinkPort.IsOpen(); }));
    EXPECT_EQ(c.o.LinkPort.LastFailure().error, LinkError::Gone);
    EXPECT_EQ(c.receiver.connectStage(), 0) << "a closed port is not connected";
}

TEST(Handshake, MissingPortFailsWithAReason) {
    Connection c;
    EXPECT_FALSE(c.receiver.Connect(3, "/dev/does-not-exist-quillon"));
    EXPECT_EQ(c.o.LinkPort.LastFailure().error, LinkError::NotFound);
    EXPECT_EQ(c.o.link.SequenceCounter, 1) << "the request is built even though nothing is sent";
}
