// Connect handshake of the core against orvex-sim paced at 9600 baud: the
// time from the first byte sent to the completed handshake, against the
// shortest time the line allows for the same exchange.
//
// The exchange: RequestParameters out (90 bytes); ParameterReply back (90);
// Acknowledge + RequestStatus out (180); the device answers the Acknowledge
// while the RequestStatus is still on the wire, then the StatusReply (90).
// The handshake is complete when the StatusReply is in: 5 frame times.
#include "SimProcess.h"
#include "link/NotifyWindow.h"
#include "params/MainReceiver.h"
#include "params/Orvex.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
constexpr double kBaud = 9600;
constexpr double kFrameMs = 90 * 10 * 1000 / kBaud;  // 93.75 ms

double OneHandshakeMs(const std::string& port) {
    Orvex o;
    QueueNotifyWindow window;
    bool done = false;
    MainReceiver receiver(o, {{}, {}, [&] { done = true; }});
    o.LinkPort.AddFlags(PortRxQueue);
    o.LinkPort.SetNotifyWindow(window.handle());
    OpenLinkPort(o.LinkPort, 1, port);
    if (!o.LinkPort.IsOpen()) {
        std::fprintf(stderr, "%s\n", DescribeLinkFailure(port, o.LinkPort.LastFailure()).c_str());
        return -1;
    }
    const auto t0 = std::chrono::steady_clock::now();
    o.link.SequenceCounter = 0;
    Command::RequestParameters(o);
    const auto limit = t0 + std::chrono::seconds(10);
    while (!done && std::chrono::steady_clock::now() < limit)
        if (auto n = window.Wait(100); n && n->message == WM_PORT_RECEIVE) receiver.OnReceive(n->wParam);
    const auto t1 = std::chrono::steady_clock::now();
    o.LinkPort.Close(500);
    if (!done)
        std::fprintf(stderr, "stage %d queue %u read %u\n", receiver.connectStage(), o.LinkPort.RxQueue().Size(),
                     o.LinkPort.BytesRead());
    return done ? std::chrono::duration<double, std::milli>(t1 - t0).count() : -1;
}
}  // namespace

int main() {
    SimProcess sim({.args = {"--baud", "9600"}});
    std::vector<double> runs;
    for (int i = 0; i < 7; ++i) {
        const double ms = OneHandshakeMs(sim.portPath());
        if (ms < 0) {
            std::fprintf(stderr, "handshake failed\n");
            return 1;
        }
        runs.push_back(ms);
    }
    std::sort(runs.begin(), runs.end());
    const double median = runs[runs.size() / 2];
    const double line = 5 * kFrameMs;
    std::printf("core handshake at 9600 baud: median %.1f ms (min %.1f, max %.1f, %zu runs)\n", median, runs.front(),
                runs.back(), runs.size());
    std::printf("line minimum: %.1f ms\nratio: %.3f (target <= 1.15)\n", line, median / line);
    return 0;
}
