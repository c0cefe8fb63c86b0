#include "params/LinkSession.h"

#include "link/CSerialPort.h"
#include "link/LinkTrace.h"

#include <algorithm>
#include <chrono>

int64_t LinkSession::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void LinkSession::Attach(NotifyHandle handle) {
    handle_ = handle;
    port_.SetNotifyWindow(handle);
}

// ---- who receives ---------------------------------------------------------------

void LinkSession::Push(LinkListener* listener) {
    Remove(listener);
    listeners_.push_back(listener);
}

void LinkSession::Remove(LinkListener* listener) {
    const auto at = std::find(listeners_.begin(), listeners_.end(), listener);
    if (at == listeners_.end()) return;
    const bool wasTop = at + 1 == listeners_.end();
    listeners_.erase(at);
    if (!wasTop || listeners_.empty() || port_.RxQueue().Size() == 0) return;
    // The bytes' notification went to the listener that left; the new top
    // reads them from its own event loop, not from inside a closing window.
    if (driver_.receivePending)
        driver_.receivePending();
    else
        DispatchWaiting();
}

bool LinkSession::Holds(const LinkListener* listener) const {
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

void LinkSession::Dispatch(const PortNotification& n) {
    if (n.message == WM_PORT_RECEIVE) {
        if (LinkListener* top = listener()) Deliver(top, n.wParam);
        return;
    }
    if (n.message != WM_PORT_ERROR || !(n.lParam & kPortErrorGone)) return;
    // A notice from a port that Connect has already replaced is stale.
    if (n.wParam != port_.PortNumber() || !port_.IsOpen() || !port_.Gone()) return;
    // Top first: a transfer learns of it before the main receiver closes the port.
    const std::vector<LinkListener*> hearing(listeners_.rbegin(), listeners_.rend());
    for (LinkListener* l : hearing)
        if (Holds(l)) l->OnLinkLost();
    EndWaits(AnswerOutcome::LinkLost, -1, 0);
}

void LinkSession::DispatchWaiting() {
    if (LinkListener* top = listener()) Deliver(top, port_.PortNumber());
}

// Waits hear of their answers once the receive procedure has applied them.
void LinkSession::Deliver(LinkListener* top, int portNumber) {
    ++receiving_;
    top->OnLinkReceive(portNumber);
    if (--receiving_ > 0) return;
    std::vector<Reply> replies;
    replies.swap(replies_);
    for (const Reply& r : replies) EndWaits(AnswerOutcome::Answered, r.sequence, r.type);
}

// ---- frames and answers ---------------------------------------------------------------

void LinkSession::FrameSent(uint8_t sequence) {
    awaited_ = sequence;
    // The oldest unanswered frame sets the limit; later ones do not push it back.
    if (watchdogDeadline_ == kNoDeadline) {
        watchdogDeadline_ = NowMs() + kWatchdogMs;
        DeadlineMoved();
    }
}

void LinkSession::ReplyReceived(uint8_t sequence, int replyType) {
    if (awaited_ >= 0) {
        if (sequence == awaited_) {
            watchdogDeadline_ = kNoDeadline;
            SetSilent(false);
        } else if (watchdogDeadline_ != kNoDeadline) {
            // A late answer to an earlier frame does not answer the last one,
            // but the unit is alive: the last frame's wait starts over.
            watchdogDeadline_ = NowMs() + kWatchdogMs;
        }
        DeadlineMoved();
    }
    if (receiving_ > 0)
        replies_.push_back({sequence, replyType});
    else
        EndWaits(AnswerOutcome::Answered, sequence, replyType);
}

void LinkSession::LinkClosed() {
    awaited_ = -1;
    watchdogDeadline_ = kNoDeadline;
    silent_ = false;
    EndWaits(AnswerOutcome::LinkLost, -1, 0);
    DeadlineMoved();
}

LinkSession::WaitId LinkSession::Await(uint8_t sequence, int timeoutMs, WaitDone done) {
    const WaitId id = nextId_++;
    waits_.push_back({id, sequence, NowMs() + timeoutMs, std::move(done)});
    DeadlineMoved();
    return id;
}

void LinkSession::CancelWait(WaitId id) {
    std::erase_if(waits_, [id](const Wait& w) { return w.id == id; });
}

bool LinkSession::Waiting(WaitId id) const {
    return std::any_of(waits_.begin(), waits_.end(), [id](const Wait& w) { return w.id == id; });
}

int64_t LinkSession::nextDeadline() const {
    int64_t next = watchdogDeadline_;
    for (const Wait& w : waits_) next = std::min(next, w.deadline);
    return next;
}

void LinkSession::CheckDeadlines() {
    const int64_t now = NowMs();
    if (watchdogDeadline_ <= now) {
        watchdogDeadline_ = kNoDeadline;
        if (port_.IsOpen()) {
            Trace(TraceKind::Timeout, port_.DeviceName() + ": no answer within " + std::to_string(kWatchdogMs) + " ms");
            SetSilent(true);
        }
    }
    std::vector<Wait> expired;
    for (auto it = waits_.begin(); it != waits_.end();) {
        if (it->deadline > now) {
            ++it;
            continue;
        }
        expired.push_back(std::move(*it));
        it = waits_.erase(it);
    }
    for (Wait& w : expired) w.done(AnswerOutcome::NoAnswer, 0);
    DeadlineMoved();
}

void LinkSession::Reset() {
    listeners_.clear();
    waits_.clear();
    replies_.clear();
    awaited_ = -1;
    watchdogDeadline_ = kNoDeadline;
    silent_ = false;
    port_.SetNotifyWindow(handle_);
}

void LinkSession::SetSilent(bool silent) {
    if (silent_ == silent) return;
    silent_ = silent;
    if (silenceChanged_) silenceChanged_(silent);
}

// Waits are taken out before their callbacks run: a callback may send, wait
// again or cancel.
void LinkSession::EndWaits(AnswerOutcome outcome, int sequence, int replyType) {
    std::vector<Wait> ended;
    for (auto it = waits_.begin(); it != waits_.end();) {
        if (sequence >= 0 && it->sequence != sequence) {
            ++it;
            continue;
        }
        ended.push_back(std::move(*it));
        it = waits_.erase(it);
    }
    for (Wait& w : ended) w.done(outcome, replyType);
    if (!ended.empty()) DeadlineMoved();
}

void LinkSession::DeadlineMoved() {
    if (driver_.deadlineChanged) driver_.deadlineChanged();
}
