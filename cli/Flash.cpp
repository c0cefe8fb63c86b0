#include "cli/Flash.h"

#include "cli/CliSession.h"
#include "cli/StopSignals.h"
#include "firmware/FirmwareImage.h"
#include "link/CSerialPort.h"
#include "link/LinkError.h"
#include "link/LinkTrace.h"
#include "link/NotifyWindow.h"
#include "link/PortList.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Everything the receive queue holds, at once: the loader's answer.
std::vector<uint8_t> TakeReceived(CSerialPort& port) {
    std::vector<uint8_t> bytes(port.RxQueue().Size());
    bytes.resize(port.Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
    return bytes;
}

bool IsHangUp(const PortNotification& n) { return n.message == WM_PORT_ERROR && (n.lParam & kPortErrorGone); }

// One line, rewritten in place: "Firmware Update: ... packets:3/total packets:8  25%".
class ProgressLine {
public:
    void Show(const XmodemSender& s) {
        if (s.StatusText().empty() || (s.StatusText() == shownText_ && s.Progress() == shownPercent_)) return;
        shownText_ = s.StatusText();
        shownPercent_ = s.Progress();
        std::printf("\r%s  %3d%%", shownText_.c_str(), shownPercent_);
        std::fflush(stdout);
    }
    void End() {
        if (!shownText_.empty()) std::printf("\n");
        std::fflush(stdout);  // before a message on stderr
    }

private:
    std::string shownText_;
    int shownPercent_ = -1;
};

}  // namespace

XmodemOutcome RunFirmwareTransfer(CSerialPort& port,
                                  QueueNotifyWindow& window,
                                  std::vector<uint8_t> fileBytes,
                                  const XmodemTimings& timings,
                                  const std::function<void(const XmodemSender&)>& observe) {
    XmodemSender sender(
        [&port](const uint8_t* data, size_t n) {
            port.Write(data, static_cast<uint32_t>(n));
            Trace(TraceKind::Sent, port.DeviceName(), data, n);
        },
        timings);
    // Whatever the port held before is not the loader's answer.
    port.RxQueue().Clear();
    const auto takeReceived = [&] {
        const std::vector<uint8_t> bytes = TakeReceived(port);
        // One entry a byte: the loader answers with single bytes.
        for (uint8_t b : bytes) Trace(TraceKind::Received, port.DeviceName(), &b, 1);
        sender.OnBytes(bytes.data(), bytes.size(), NowMs());
    };
    sender.Begin(std::move(fileBytes), NowMs());
    if (observe) observe(sender);
    // The port posts a hang-up after the bytes that came before it, so an
    // answer that arrived just before the line dropped still counts.
    // A stop signal stops the transfer as the Cancel button does.
    while (!sender.Finished()) {
        if (StopSignal() != 0) sender.Cancel();
        const int64_t wait = std::clamp<int64_t>(sender.NextDeadline() - NowMs(), 0, kStopSliceMs);
        if (const auto n = window.Wait(static_cast<int>(wait))) {
            if (n->message == WM_PORT_RECEIVE && n->wParam == port.PortNumber()) {
                takeReceived();
            } else if (IsHangUp(*n) && n->wParam == port.PortNumber()) {
                takeReceived();
                sender.OnLinkLost();
            }
        }
        sender.OnTick(NowMs());
        if (observe) observe(sender);
    }
    // Closing discards output still queued: the last 0x04 or 0x06 must leave first.
    if (!port.Gone()) port.Flush();
    return sender.Outcome();
}

int Flash(const std::vector<std::string>& args) {
    // The file first: a wrong file is refused before anything is sent.
    FirmwareFile file = ReadFirmwareFile(args[1]);
    if (!file.problem.empty()) {
        std::fprintf(stderr, "quillon-cli: %s\n", file.problem.c_str());
        return 1;
    }
    if (!file.Ok()) {
        std::fprintf(stderr, "%s\n", XmodemOutcomeMessage(file.result));
        if (file.result == XmodemOutcome::NoFile)
            std::fprintf(stderr, "quillon-cli: cannot read '%s'\n", args[1].c_str());
        return 1;
    }
    CliSession s;
    const std::string path = CliSession::ResolvePort(args[0]);
    CSerialPort& port = s.orvex().LinkPort;
    port.SetNotifyWindow(s.window().handle());
    if (!OpenLinkPort(port, ThePortNumbers().NumberFor(path), path)) {
        std::fprintf(stderr, "quillon-cli: %s\n", DescribeLinkFailure(path, port.LastFailure()).c_str());
        return 1;
    }
    std::printf("%s: %zu bytes. Waiting for the boot loader (power the Orvex on with SET held)...\n", args[1].c_str(),
                file.bytes.size());
    std::fflush(stdout);
    ProgressLine line;
    const XmodemOutcome outcome = RunFirmwareTransfer(port, s.window(), std::move(file.bytes), XmodemTimings{},
                                                      [&line](const XmodemSender& sender) { line.Show(sender); });
    line.End();
    const bool complete = outcome == XmodemOutcome::Complete;
    std::fprintf(complete ? stdout : stderr, "%s\n", XmodemOutcomeMessage(outcome));
    return complete ? 0 : 1;
}
