#pragma once
// The one session on the link: who receives now, whether the unit answers,
// and what became of every frame sent. Orvex owns it, so it is passed down
// with the unit's state to every window and command.
//
// Who receives: a stack of listeners. The main receiver lies at the bottom; a
// window pushes its own receiver when it opens and removes it when it
// closes; the firmware upgrade pushes a raw-byte receiver for the boot
// loader. Every receive notification goes to the listener on top, which runs
// its own receive procedure. When the adapter is gone every listener hears
// it, top first. A listener removed while bytes wait in the port hands them
// to the new top, so an answer that arrives as a dialog closes is not left
// unread.
//
// Whether the unit answers: every frame written waits for a valid reply that
// echoes its sequence number. The watchdog marks the unit silent when the
// last frame sent has no answer within kWatchdogMs, and clears it when it
// gets one; nothing is resent. Commands that need an answer wait for it with
// Await: answered, no answer in time, or the link lost.
//
// Thread-safety: owner thread only (the GUI thread in the program). Port
// notifications reach the session through Dispatch, called on that thread by
// one adapter: a Qt one in the program, the companion's notification pump in
// quillon-cli. The link log is only a log: nothing here depends on it.

#include "link/NotifyWindow.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

class CSerialPort;

// What became of a frame handed to the port.
enum class SendResult {
    Written,           // every byte went to the driver
    PortClosed,        // no port is open: nothing was sent
    TransferOwnsLink,  // a firmware transfer has the line: nothing was sent
    WriteFailed,       // the port refused some of it (LastFailure says why)
};

enum class AnswerOutcome { Answered, NoAnswer, LinkLost };

class LinkListener {
public:
    // Bytes wait in the port (portNumber: whose notification it was).
    virtual void OnLinkReceive(int portNumber) = 0;
    // The adapter went away.
    virtual void OnLinkLost() {}

protected:
    ~LinkListener() = default;
};

class LinkSession {
public:
    static constexpr int kWatchdogMs = 1000;  // ten frame times at 9600 baud
    // How long a command (a connect, a transmit, a backup's read) waits for
    // the unit's answer before it says none came: the unit answers at once.
    static constexpr int kCommandAnswerMs = 5000;
    static constexpr int64_t kNoDeadline = std::numeric_limits<int64_t>::max();
    // outcome, and the reply type (AckReply, ParameterReply, StatusReply) when answered
    using WaitDone = std::function<void(AnswerOutcome outcome, int replyType)>;
    using WaitId = uint64_t;

    // What the adapter that drives the session does for it.
    struct Driver {
        // nextDeadline() moved: the adapter's clock calls CheckDeadlines then.
        std::function<void()> deadlineChanged;
        // A listener was removed while bytes wait: the adapter calls
        // DispatchWaiting from its event loop. Without it that happens at once.
        std::function<void()> receivePending;
    };

    explicit LinkSession(CSerialPort& port) : port_(port) {}
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    void SetDriver(Driver driver) { driver_ = std::move(driver); }
    // The unit stopped answering (true) or answers again (false).
    void OnSilenceChanged(std::function<void(bool silent)> handler) { silenceChanged_ = std::move(handler); }
    // The adapter's notify target: every notification of the port goes there.
    void Attach(NotifyHandle handle);

    // ---- who receives --------------------------------------------------------
    void Push(LinkListener* listener);
    // Wherever it stands in the stack.
    void Remove(LinkListener* listener);
    LinkListener* listener() const { return listeners_.empty() ? nullptr : listeners_.back(); }
    bool Holds(const LinkListener* listener) const;

    // A port notification, on the owner's thread.
    void Dispatch(const PortNotification& n);
    // A receive for the listener on top, for bytes that already wait.
    void DispatchWaiting();

    // ---- frames and answers ------------------------------------------------------
    // A frame with this sequence number was written.
    void FrameSent(uint8_t sequence);
    // A valid reply arrived, echoing `sequence`.
    void ReplyReceived(uint8_t sequence, int replyType);
    // The port was closed: waits end as LinkLost, the watchdog rests.
    void LinkClosed();

    // Calls done once: when a valid reply echoes `sequence` (after the
    // receive procedure that took it has applied it), when timeoutMs pass
    // without one, or when the link is lost or closed.
    WaitId Await(uint8_t sequence, int timeoutMs, WaitDone done);
    void CancelWait(WaitId id);
    bool Waiting(WaitId id) const;

    // The earliest moment CheckDeadlines has something to do (steady ms).
    int64_t nextDeadline() const;
    void CheckDeadlines();
    bool silent() const { return silent_; }

    // Drops every listener, wait and watchdog state (tests, between runs).
    void Reset();

    static int64_t NowMs();

private:
    struct Wait {
        WaitId id;
        uint8_t sequence;
        int64_t deadline;
        WaitDone done;
    };
    struct Reply {
        uint8_t sequence;
        int type;
    };
    void SetSilent(bool silent);
    void EndWaits(AnswerOutcome outcome, int sequence, int replyType);
    void DeadlineMoved();
    void Deliver(LinkListener* top, int portNumber);

    CSerialPort& port_;
    Driver driver_;
    std::function<void(bool)> silenceChanged_;
    NotifyHandle handle_ = 0;
    std::vector<LinkListener*> listeners_;
    std::vector<Wait> waits_;
    WaitId nextId_ = 1;
    std::vector<Reply> replies_;  // taken during a receive, for the waits after it
    int receiving_ = 0;           // depth of receive procedures running
    int awaited_ = -1;            // sequence of the last frame written, -1 for none
    int64_t watchdogDeadline_ = kNoDeadline;
    bool silent_ = false;
};
