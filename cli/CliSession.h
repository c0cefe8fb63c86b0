#pragma once
// What the command-line companion needs around the core: resolving a port
// name, connecting with the same handshake as the program, and pumping link
// notifications into the link session with a deadline. The main receiver is
// the session's listener; answers are waited for through the session.

#include "link/NotifyWindow.h"
#include "params/MainReceiver.h"
#include "params/Orvex.h"
#include "params/UnitBackup.h"

#include <string>

// How long a connect may take before the command gives up.
constexpr int kCliConnectTimeoutMs = LinkSession::kCommandAnswerMs;

// Prints "quillon-cli: message" on standard error; the exit status 1.
int CliFail(const std::string& message);
// A wrong command line: "quillon-cli COMMAND: what" and where the help is on
// standard error; the exit status 2.
int CliUsageError(const std::string& what, const std::string& command = {});

class CliSession : private LinkListener {
public:
    CliSession();
    ~CliSession();

    // A device path, or the name of a port registered by orvex-sim.
    static std::string ResolvePort(const std::string& nameOrPath);

    // Runs the connect handshake; false with a message on failure or a stop
    // signal. A completed connect keeps the unit's image in the history (a
    // failure there is only reported on standard error).
    bool Connect(const std::string& port, int timeoutMs, std::string& error);
    // Waits for one notification (and no longer than the session's next
    // deadline or kStopSliceMs) and hands it to the session. Returns false
    // when the link reported that the adapter is gone.
    bool Pump(int timeoutMs);
    // Waits for the device's answer to the last frame sent: only then is the
    // frame known to have arrived (closing the port discards what the device
    // has not read yet). Every frame that comes in is looked at, so a late
    // status report or acknowledgement cannot hide the answer. replyType, when
    // given, receives the answer's reply type. A stop signal ends the wait
    // as NoAnswer.
    AnswerOutcome WaitForAnswer(int timeoutMs, int* replyType = nullptr);
    // The image and status as the unit last reported them, dated now.
    UnitBackup Snapshot() const;

    Orvex& orvex() { return o_; }
    MainReceiver& receiver() { return receiver_; }
    QueueNotifyWindow& window() { return window_; }
    const std::string& path() const { return path_; }

private:
    void OnLinkReceive(int portNumber) override { receiver_.OnReceive(portNumber); }
    void OnLinkLost() override;

    Orvex o_;
    QueueNotifyWindow window_;
    MainReceiver receiver_;
    std::string path_;
    bool lost_ = false;
};
