#include "cli/CliSession.h"

#include "cli/StopSignals.h"
#include "link/LinkTrace.h"
#include "link/PortList.h"
#include "params/UnitHistory.h"

#include <sys/stat.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

CliSession::CliSession() : receiver_(o_, {}) {
    o_.LinkPort.AddFlags(PortRxQueue);
    o_.session.Attach(window_.handle());
    o_.session.Push(this);
}

CliSession::~CliSession() {
    o_.session.Attach(0);
    o_.LinkPort.Close(500);
}

void CliSession::OnLinkLost() {
    lost_ = true;
    receiver_.Disconnect();
}

std::string CliSession::ResolvePort(const std::string& nameOrPath) {
    if (nameOrPath.find('/') != std::string::npos) return nameOrPath;
    struct stat st {};
    const std::string sim = SimPortsDir() + "/" + nameOrPath;
    if (lstat(sim.c_str(), &st) == 0) return sim;
    return "/dev/" + nameOrPath;
}

bool CliSession::Pump(int timeoutMs) {
    const int64_t untilDeadline = o_.session.nextDeadline() - LinkSession::NowMs();
    lost_ = false;
    const int64_t wait = std::min<int64_t>(std::clamp<int64_t>(untilDeadline, 0, timeoutMs), kStopSliceMs);
    if (const auto n = window_.Wait(static_cast<int>(wait))) o_.session.Dispatch(*n);
    o_.session.CheckDeadlines();
    return !lost_;
}

bool CliSession::Connect(const std::string& port, int timeoutMs, std::string& error) {
    path_ = ResolvePort(port);
    if (!receiver_.Connect(ThePortNumbers().NumberFor(path_), path_)) {
        error = DescribeLinkFailure(path_, o_.LinkPort.LastFailure());
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (receiver_.connectStage() < 2) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (StopSignal() != 0) {
            error = path_ + ": the connect was interrupted";
            return false;
        }
        if (left.count() <= 0) {
            error = DescribeSilentConnect(path_, receiver_.bootLoaderSeen(),
                                          "send it a firmware file with 'quillon-cli flash " + port + " FILE'");
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

int CliUsageError(const std::string& what, const std::string& command) {
    const std::string prefix = command.empty() ? "quillon-cli" : "quillon-cli " + command;
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", prefix.c_str(), what.c_str(),
                 prefix.c_str());
    return 2;
}

AnswerOutcome CliSession::WaitForAnswer(int timeoutMs, int* replyType) {
    if (!o_.LinkPort.IsOpen()) return AnswerOutcome::LinkLost;
    std::optional<AnswerOutcome> outcome;
    const LinkSession::WaitId wait =
        o_.session.Await(o_.link.SequenceCounter, timeoutMs, [&](AnswerOutcome o, int type) {
            outcome = o;
            if (replyType) *replyType = type;
        });
    while (!outcome) {
        if (StopSignal() != 0) {
            // Interrupted: the answer is not waited for any longer.
            o_.session.CancelWait(wait);
            return AnswerOutcome::NoAnswer;
        }
        Pump(timeoutMs);
    }
    if (*outcome == AnswerOutcome::NoAnswer) Trace(TraceKind::Timeout, path_ + ": no answer to the last frame");
    return *outcome;
}

UnitBackup CliSession::Snapshot() const {
    const StatusReport& status = receiver_.lastStatus();
    return {o_.image, status.version, status.statusValue, BackupDateNow(), path_};
}
