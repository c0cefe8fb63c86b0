#include "cli/CliSession.h"

#include "link/LinkTrace.h"
#include "link/PortList.h"
#include "params/UnitHistory.h"
#include "params/WindowReceiver.h"
#include "protocol/FrameParser.h"

#include <sys/stat.h>
#include <chrono>
#include <cstdio>

CliSession::CliSession() : receiver_(o_, {}) { o_.LinkPort.AddFlags(PortRxQueue); }

CliSession::~CliSession() {
    o_.LinkPort.SetNotifyWindow(0);
    o_.LinkPort.Close(500);
}

std::string CliSession::ResolvePort(const std::string& nameOrPath) {
    if (nameOrPath.find('/') != std::string::npos) return nameOrPath;
    struct stat st {};
    const std::string sim = SimPortsDir() + "/" + nameOrPath;
    if (lstat(sim.c_str(), &st) == 0) return sim;
    return "/dev/" + nameOrPath;
}

bool CliSession::Pump(int timeoutMs) {
    auto n = window_.Wait(timeoutMs);
    if (!n) return true;
    if (n->message == WM_PORT_RECEIVE) receiver_.OnReceive(n->wParam);
    if (n->message == WM_PORT_ERROR && n->lParam == kPortErrorGone) {
        receiver_.Disconnect();
        return false;
    }
    return true;
}

bool CliSession::Connect(const std::string& port, int timeoutMs, std::string& error) {
    path_ = ResolvePort(port);
    o_.LinkPort.SetNotifyWindow(window_.handle());
    if (!receiver_.Connect(ThePortNumbers().NumberFor(path_), path_)) {
        error = DescribeLinkFailure(path_, o_.LinkPort.LastFailure());
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (receiver_.connectStage() < 2) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            error = path_ + ": the Orvex did not answer (is it powered and connected?)";
            Trace(TraceKind::Timeout, path_ + ": no answer to the connect");
            return false;
        }
        if (!Pump(static_cast<int>(left.count()))) {
            error = DescribeLinkFailure(path_, o_.LinkPort.LastFailure());
            return false;
        }
    }
    const HistoryResult kept = KeepInHistory(Snapshot());
    if (!kept.ok) std::fprintf(stderr, "quillon-cli: %s\n", kept.message.c_str());
    return true;
}

int CliFail(const std::string& message) {
    std::fprintf(stderr, "quillon-cli: %s\n", message.c_str());
    return 1;
}

bool CliSession::WaitForAnswer(int timeoutMs) {
    ReceiveStage stage;
    FrameParser parser;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            Trace(TraceKind::Timeout, path_ + ": no answer to the last frame");
            return false;
        }
        const auto n = window_.Wait(static_cast<int>(left.count()));
        if (!n) continue;
        if (n->message == WM_PORT_ERROR && n->lParam == kPortErrorGone) return false;
        if (n->message == WM_PORT_RECEIVE && ReceiveEveryFrame(o_, stage, parser, n->wParam).answered) return true;
    }
}

UnitBackup CliSession::Snapshot() const {
    const StatusReport& status = receiver_.lastStatus();
    return {o_.image, status.version, status.statusValue, BackupDateNow(), path_};
}
