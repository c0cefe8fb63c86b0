#include "cli/Monitor.h"

#include "cli/CliSession.h"
#include "cli/ReportScanner.h"
#include "cli/StopSignals.h"
#include "link/LinkTrace.h"
#include "params/ParameterTable.h"
#include "params/WindowReceiver.h"
#include "protocol/StatusReport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
// The device reports about ten times a second; this long without a report
// means it is not reporting at all.
constexpr int kSilenceLimitMs = 5000;
constexpr long kMaxCount = 1000000;
constexpr int kStopAnswerMs = 1000;  // how long the device may take to confirm the stop

struct MonitorArgs {
    std::string port;
    long count = 0;  // 0: until a stop signal
};

bool ParseCount(const std::string& text, long& count) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < 1 || n > kMaxCount) return false;
    count = n;
    return true;
}

bool ParseArgs(const std::vector<std::string>& args, MonitorArgs& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--count") {
            if (i + 1 >= args.size() || !ParseCount(args[i + 1], out.count)) {
                std::fprintf(stderr, "quillon-cli: --count needs a number of reports from 1 to %ld\n", kMaxCount);
                return false;
            }
            ++i;
        } else if (out.port.empty()) {
            out.port = args[i];
        } else {
            std::fprintf(stderr, "quillon-cli: unexpected argument '%s'\n", args[i].c_str());
            return false;
        }
    }
    if (out.port.empty()) std::fprintf(stderr, "quillon-cli: monitor needs a PORT\n");
    return !out.port.empty();
}

// The six channels in the order of the status report, named as the Monitor
// page names them (the gain channel is the condition switch in condition mode).
void PrintReport(const StatusReport& r, bool conditionMode) {
    const char* names[6] = {
        "Aileron", "Elevator", "Rudder", "Collective pitch", conditionMode ? "Condition" : "Tail Gain", "Throttle"};
    std::printf("\r");
    for (int i = 0; i < 6; ++i)
        std::printf("%s%s %4d", i ? "  " : "", names[i], static_cast<int8_t>(ChannelDisplayValue(r.channel[i])));
    std::fflush(stdout);
}

// Shows reports until a stop signal, count reached, the port gone or the device
// silent. Returns the exit status.
int ShowReports(CliSession& s, long count, uint64_t& noiseBytes) {
    Orvex& o = s.orvex();
    auto lastReport = std::chrono::steady_clock::now();
    long shown = 0;
    ReportScanner scanner([&](const StatusReport& report) {
        if (count != 0 && shown >= count) return;
        PrintReport(report, o.config[CV::AuxFunction] != 0);
        lastReport = std::chrono::steady_clock::now();
        ++shown;
    });
    ReceiveStage stage(4096);  // the Monitor page's queue size
    std::vector<uint8_t> bytes;
    while (StopSignal() == 0 && (count == 0 || shown < count)) {
        const auto n = s.window().Wait(kStopSliceMs);
        if (n && n->message == WM_PORT_ERROR && n->lParam == kPortErrorGone) {
            std::fprintf(stderr, "\nquillon-cli: %s: the port is gone\n", s.path().c_str());
            return 1;
        }
        if (n && n->message == WM_PORT_RECEIVE && n->wParam == o.LinkPort.PortNumber()) {
            // Every valid status report is shown; only bytes in no valid frame are noise.
            stage.Drain(o.LinkPort);
            while (stage.TakeAny(bytes)) scanner.Feed(bytes.data(), bytes.size());
            noiseBytes = scanner.noiseBytes();
        }
        if (std::chrono::steady_clock::now() - lastReport > std::chrono::milliseconds(kSilenceLimitMs)) {
            std::fprintf(stderr, "%squillon-cli: %s: the Orvex sends no status reports\n", shown ? "\n" : "",
                         s.path().c_str());
            Trace(TraceKind::Timeout, s.path() + ": no status report");
            return 1;
        }
    }
    if (shown) std::printf("\n");
    return 0;
}

// Asks the device to stop reporting and waits for its answer, so the frame is
// known to have arrived before the port closes (closing discards output the
// device has not read yet).
void StopReports(CliSession& s, ReceiveStage& stage) {
    Orvex& o = s.orvex();
    if (o.LinkPort.Gone()) return;  // nobody left to tell
    Command::Acknowledge(o);
    o.LinkPort.Flush();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStopAnswerMs);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto n = s.window().Wait(kStopSliceMs);
        if (!n) continue;
        if (n->message == WM_PORT_ERROR && n->lParam == kPortErrorGone) return;
        if (n->message == WM_PORT_RECEIVE && ReceiveForWindow(o, stage, n->wParam).answered) return;
    }
}
}  // namespace

int Monitor(const std::vector<std::string>& args) {
    MonitorArgs a;
    if (!ParseArgs(args, a)) return 2;
    CliSession s;
    std::string error;
    if (!s.Connect(a.port, kCliConnectTimeoutMs, error)) {
        std::fprintf(stderr, "quillon-cli: %s\n", error.c_str());
        return 1;
    }
    ReceiveStage stage(4096);  // the Monitor page's queue size
    Command::RequestStatus(s.orvex());
    uint64_t noiseBytes = 0;
    const int status = ShowReports(s, a.count, noiseBytes);
    // Whatever ended the monitor, the device is told to stop reporting.
    StopReports(s, stage);
    if (noiseBytes > 0)
        std::fprintf(stderr, "quillon-cli: %llu bytes that were not status reports were dropped\n",
                     static_cast<unsigned long long>(noiseBytes));
    return status;
}
