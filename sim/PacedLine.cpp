#include "PacedLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

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
    if (!slaveClosed_) {
        masterIndex_ = static_cast<int>(fds.size());
        fds.push_back({master_, static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0});
    } else if (inotify_ >= 0) {
        inotifyIndex_ = static_cast<int>(fds.size());
        fds.push_back({inotify_, POLLIN, 0});
    }
}

void PacedLine::afterPoll(const std::vector<pollfd>& fds, Nanos now, std::vector<TimedByte>& received) {
    if (master_ < 0) return;
    if (masterIndex_ >= 0) {
        const short revents = fds[masterIndex_].revents;
        if (revents & POLLOUT) writeBlocked_ = false;
        if (revents & (POLLIN | POLLHUP | POLLERR)) readMaster(now, received);
        if (revents & POLLHUP) {
            // Whatever was left has been read; watching the master now would
            // only report the hangup again and again.
            slaveClosed_ = true;
            recheckAt_ = now + kRecheckInterval;
        }
    } else if (inotifyIndex_ >= 0 && (fds[inotifyIndex_].revents & POLLIN)) {
        // The slave was opened or closed: look at the master again.
        drainInotify();
        slaveClosed_ = false;
    } else if (slaveClosed_ && inotify_ < 0 && now >= recheckAt_) {
        slaveClosed_ = false;
    }
}

void PacedLine::drainInotify() {
    alignas(inotify_event) char buffer[4096];
    while (::read(inotify_, buffer, sizeof buffer) > 0) {
    }
}

void PacedLine::readMaster(Nanos now, std::vector<TimedByte>& received) {
    uint8_t buffer[4096];
    for (;;) {
        ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            for (ssize_t i = 0; i < n; ++i) {
                rxClock_ = std::max(rxClock_, now) + byteTime_;
                received.push_back({buffer[i], rxClock_});
            }
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return;
        // EIO (or end of file): nobody holds the slave right now. That is the
        // program closing its port, not a reason to stop.
        slaveClosed_ = true;
        recheckAt_ = now + kRecheckInterval;
        return;
    }
}

bool PacedLine::send(const std::vector<uint8_t>& bytes, Nanos now) {
    if (master_ < 0 || txQueue_.size() + bytes.size() > kMaxQueuedBytes) return false;
    for (uint8_t b : bytes) {
        txClock_ = std::max(txClock_, now) + byteTime_;
        txQueue_.push_back({b, txClock_});
    }
    return true;
}

void PacedLine::idle(Nanos gap, Nanos now) { txClock_ = std::max(txClock_, now) + gap; }

void PacedLine::transmitDue(Nanos now) {
    if (master_ < 0 || writeBlocked_) return;
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
    if (master_ >= 0 && slaveClosed_ && inotify_ < 0) due = std::min(due, recheckAt_);
    return due;
}

}  // namespace orvexsim
