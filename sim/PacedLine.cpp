#include "PacedLine.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace orvexsim {

namespace {

// Replies pile up only when nobody reads the slave; beyond this the line drops
// new output instead of growing without bound.
constexpr size_t kMaxQueuedBytes = 64 * 1024;
constexpr Nanos kRecheckInterval = 5 * kMillisecond;

std::runtime_error SystemError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

PacedLine::PacedLine(long baud) : baud_(baud), byteTime_(baud > 0 ? 10 * kSecond / baud : 0) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) throw SystemError("posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) throw SystemError("grantpt/unlockpt");
    const char* name = ptsname(master_);
    if (!name) throw SystemError("ptsname");
    slavePath_ = name;

    // Raw line discipline on the slave side (termios calls on the master
    // reach the slave), so no echo or line editing gets in the way before the
    // program applies its own settings.
    termios tio{};
    if (tcgetattr(master_, &tio) != 0) throw SystemError("tcgetattr");
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(master_, TCSANOW, &tio) != 0) throw SystemError("tcsetattr");

    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ >= 0 && inotify_add_watch(inotify_, slavePath_.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        ::close(inotify_);
        inotify_ = -1;
    }
    // No one can hold the slave before its path is published; without
    // inotify there is no telling, so the line starts out listening.
    sessionOpen_ = inotify_ < 0;
}

PacedLine::~PacedLine() {
    hangUp();
    if (inotify_ >= 0) ::close(inotify_);
}

void PacedLine::hangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
    txQueue_.clear();
}

void PacedLine::preparePoll(std::vector<pollfd>& fds) {
    masterIndex_ = inotifyIndex_ = -1;
    if (master_ < 0) return;
    // The slave's open/close events are watched all the time: a close and
    // reopen between two wake-ups must still end one session and begin the next.
    if (inotify_ >= 0) {
        inotifyIndex_ = static_cast<int>(fds.size());
        fds.push_back({inotify_, POLLIN, 0});
    }
    if (!hungUp_) {
        masterIndex_ = static_cast<int>(fds.size());
        fds.push_back({master_, static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0});
    }
}

void PacedLine::afterPoll(const std::vector<pollfd>& fds, Nanos now, std::vector<TimedByte>& received) {
    if (master_ < 0) return;
    received_ = &received;
    // Events first: when the slave was closed and reopened before this
    // wake-up, what waits on the master may already be the new holder's first
    // frame, and it must not be taken for the old holder's.
    if (inotifyIndex_ >= 0 && (fds[inotifyIndex_].revents & POLLIN)) readInotify(now);
    if (masterIndex_ >= 0) {
        const short revents = fds[masterIndex_].revents;
        if (revents & POLLOUT) writeBlocked_ = false;
        if (revents & (POLLIN | POLLHUP | POLLERR)) readMaster(now, received);
        // With inotify, a hangup that reads as EAGAIN is stale: the slave has
        // been opened again and its events say so.
        if ((revents & POLLHUP) && !hungUp_ && inotify_ < 0) masterHungUp(now);
    } else if (hungUp_ && inotify_ < 0 && now >= recheckAt_) {
        hungUp_ = false;
    }
    // Whoever wrote these has opened the slave before: let the session begin
    // before the device answers them.
    if (!sessionOpen_ && !received.empty() && inotify_ >= 0) readInotify(now);
    received_ = nullptr;
}

void PacedLine::readInotify(Nanos now) {
    std::vector<uint32_t> masks;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(inotify_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            masks.push_back(event->mask);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    for (size_t i = 0; i < masks.size(); ++i) {
        const auto reopenFollows = [&] {
            return std::any_of(masks.begin() + static_cast<long>(i) + 1, masks.end(),
                               [](uint32_t m) { return (m & IN_OPEN) != 0; });
        };
        if (masks[i] & IN_Q_OVERFLOW) {
            // Events were lost: the count restarts from what the master says.
            const int holders = masterReportsHangup() ? 0 : 1;
            if (holders_ > 0 && holders == 0) endSession(now, !reopenFollows());
            if (holders_ == 0 && holders > 0) beginSession(now);
            holders_ = holders;
        } else if (masks[i] & IN_OPEN) {
            hungUp_ = false;
            if (holders_++ == 0) beginSession(now);
        } else if ((masks[i] & IN_CLOSE) && holders_ > 0 && --holders_ == 0) {
            // What waits on the master now was written before the close,
            // unless someone has opened the slave again since; then it may be
            // the new holder's first frame, which must not be lost.
            endSession(now, !reopenFollows());
        }
    }
}

void PacedLine::masterHungUp(Nanos now) {
    if (inotify_ < 0) {
        hungUp_ = true;
        recheckAt_ = now + kRecheckInterval;
        if (sessionOpen_) endSession(now, false);
        return;
    }
    // The close event is queued before the master shows the hangup, so the
    // count is up to date once the events are read.
    readInotify(now);
    // The slave may be open again already.
    if (!masterReportsHangup()) return;
    hungUp_ = true;
    if (holders_ > 0) {  // an event was lost
        holders_ = 0;
        endSession(now, false);
    }
}

bool PacedLine::masterReportsHangup() const {
    pollfd p{master_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP);
}

void PacedLine::beginSession(Nanos now) {
    sessionOpen_ = true;
    if (sessionListener_) sessionListener_(now, true, noBytes_);
}

void PacedLine::endSession(Nanos now, bool takeRest) {
    sessionOpen_ = false;
    std::vector<TimedByte> unused;  // sessions end only inside afterPoll, which sets received_
    std::vector<TimedByte>& earlier = received_ ? *received_ : unused;
    std::vector<TimedByte> rest;
    if (takeRest) drainMaster(now, rest);
    // An event that came in meanwhile can only be someone opening the slave,
    // and what was just read may then hold their first frame: it is left for
    // them rather than lost (at worst they also get the last answer meant for
    // the holder before).
    const bool reopened = !rest.empty() && inotifyPending();
    if (!reopened) earlier.insert(earlier.end(), rest.begin(), rest.end());
    forgetOutput();
    rxClock_ = 0;
    if (sessionListener_) sessionListener_(now, false, earlier);
    earlier.clear();
    if (reopened) {
        for (TimedByte& b : rest) {
            rxClock_ = std::max(rxClock_, now) + byteTime_;
            b.due = rxClock_;
        }
        earlier = std::move(rest);
    }
}

bool PacedLine::inotifyPending() const {
    int bytes = 0;
    return ioctl(inotify_, FIONREAD, &bytes) == 0 && bytes > 0;
}

void PacedLine::forgetOutput() {
    txQueue_.clear();
    txClock_ = 0;
    writeBlocked_ = false;
    // The kernel keeps what was written to the master for whoever opens the
    // slave next, even bytes written while it was closed. A real port starts
    // empty: drop the slave's pending input (TCOFLUSH on the master empties
    // the slave's receive buffer, a flushing termios set its line discipline).
    // The settings are put back as they are; only the flush matters.
    tcflush(master_, TCOFLUSH);
    termios tio{};
    if (tcgetattr(master_, &tio) == 0) tcsetattr(master_, TCSAFLUSH, &tio);
}

bool PacedLine::drainMaster(Nanos now, std::vector<TimedByte>& received) {
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return false;
        if (n <= 0) return true;
        // Without inotify, the first byte after a hangup is how a new holder
        // shows itself.
        if (!sessionOpen_ && inotify_ < 0) beginSession(now);
        for (ssize_t i = 0; i < n; ++i) {
            rxClock_ = std::max(rxClock_, now) + byteTime_;
            received.push_back({buffer[i], rxClock_});
        }
    }
}

void PacedLine::readMaster(Nanos now, std::vector<TimedByte>& received) {
    // EIO (or end of file): nobody holds the slave right now. That is the
    // program closing its port, not a reason to stop.
    if (drainMaster(now, received) && !hungUp_) masterHungUp(now);
}

bool PacedLine::send(const std::vector<uint8_t>& bytes, Nanos now) {
    if (!listening() || txQueue_.size() + bytes.size() > kMaxQueuedBytes) return false;
    for (uint8_t b : bytes) {
        txClock_ = std::max(txClock_, now) + byteTime_;
        txQueue_.push_back({b, txClock_});
    }
    return true;
}

void PacedLine::idle(Nanos gap, Nanos now) {
    if (listening()) txClock_ = std::max(txClock_, now) + gap;
}

void PacedLine::transmitDue(Nanos now) {
    if (!listening() || writeBlocked_) return;
    std::vector<uint8_t> chunk;
    for (const TimedByte& b : txQueue_) {
        if (b.due > now) break;
        chunk.push_back(b.value);
    }
    if (chunk.empty()) return;
    ssize_t n = ::write(master_, chunk.data(), chunk.size());
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR) {
            writeBlocked_ = (errno == EAGAIN);
            return;
        }
        n = static_cast<ssize_t>(chunk.size());  // the line is down: the bytes are lost, as on a wire
    }
    if (static_cast<size_t>(n) < chunk.size()) writeBlocked_ = true;
    txQueue_.erase(txQueue_.begin(), txQueue_.begin() + n);
}

Nanos PacedLine::nextDue() const {
    Nanos due = kNever;
    if (master_ >= 0 && !txQueue_.empty() && !writeBlocked_) due = txQueue_.front().due;
    if (master_ >= 0 && hungUp_ && inotify_ < 0) due = std::min(due, recheckAt_);
    return due;
}

}  // namespace orvexsim
