#include "link/CSerialPort.h"

#include "link/LinkTrace.h"
#include "link/SerialPosix.h"

#include <poll.h>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>

namespace sp = serialposix;

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kThreadBits = PortMonitorThread | PortReaderThread | PortWriterThread;
constexpr uint32_t kReadSlack = 64;      // extra room so one read also takes bytes still arriving
constexpr uint32_t kUncountedRead = 62;  // read size when the driver cannot say how much waits
constexpr uint32_t kMaxRead = 2 * 4096 + kReadSlack;
constexpr uint32_t kQueueWriteChunk = 1024;
constexpr int kHeldRecheckMs = 10;  // without PortRxQueue: look for more bytes while the window has not read
constexpr int kTxEmptyRecheckMs = 10;
constexpr int kModemRecheckMs = 100;  // modem lines cannot be waited for in poll(2)
constexpr int kReceiveRestMs = 8;     // about eight characters at 9600 baud
constexpr int kWriteWaitMs = 2000;    // longest wait for room in the driver during one Write
constexpr int kDrainStepMs = 50;
constexpr int kDrainStallMs = 2000;  // Stop gives up draining txQueue when it stops shrinking
constexpr int kCloseDrainMs = 1000;  // a 90-byte frame takes 94 ms at 9600 baud
constexpr short kHangUp = POLLHUP | POLLERR | POLLNVAL;

// Error bits of WM_PORT_ERROR, as the classic comm error word has them.
constexpr intptr_t kErrRxOver = 0x01, kErrOverrun = 0x02, kErrParity = 0x04, kErrFrame = 0x08, kErrBreak = 0x10;

struct ModemEvent {
    uint32_t line;
    uint32_t event;
};
// clang-format off
constexpr ModemEvent kModemEvents[] = {
    {sp::kModemCts,  EV_CTS},
    {sp::kModemDsr,  EV_DSR},
    {sp::kModemRing, EV_RING},
    {sp::kModemRlsd, EV_RLSD},
};
// clang-format on

int Earliest(int a, int b) {
    if (a < 0) return b;
    if (b < 0) return a;
    return std::min(a, b);
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

CSerialPort::CSerialPort(uint32_t flags) : flags_(flags) {}

CSerialPort::~CSerialPort() {
    Close(500);
    for (int fd : {wakeFd_, readerWakeFd_, writerWakeFd_}) sp::CloseFd(fd);
}

void CSerialPort::SetPort(int portNumber, const std::string& deviceName) {
    portNumber_ = portNumber;
    deviceName_ = deviceName;
}

bool CSerialPort::HasThreads() const {
    return monitorThread_.joinable() || readerThread_.joinable() || writerThread_.joinable();
}

// ---- failures -------------------------------------------------------------

void CSerialPort::Fail(LinkOp op, int err) {
    std::lock_guard<std::mutex> guard(failureMutex_);
    // err 0 stands for end of file on the port: the adapter is gone.
    newFailure_ = LinkFailure{err ? MapErrno(err) : LinkError::Gone, op, err};
    hasNewFailure_ = true;
}

void CSerialPort::ClearFailure() {
    std::lock_guard<std::mutex> guard(failureMutex_);
    lastFailure_ = LinkFailure{};
    hasNewFailure_ = false;
}

const LinkFailure& CSerialPort::LastFailure() const {
    std::lock_guard<std::mutex> guard(failureMutex_);
    if (hasNewFailure_) {
        lastFailure_ = newFailure_;
        hasNewFailure_ = false;
    }
    return lastFailure_;
}

void CSerialPort::MarkGone(LinkOp op, int err) {
    if (gone_.exchange(true)) return;
    Fail(op, err);
    WakeWorkers();
    Notify(WM_PORT_ERROR, kPortErrorGone, true);
}

// ---- opening and closing ----------------------------------------------------

bool CSerialPort::OpenDevice() {
    if (fd_ >= 0) Close(500);
    ClearFailure();
    gone_ = false;
    txOutstanding_ = false;
    int err = 0;
    const int fd = sp::OpenExclusive(deviceName_.c_str(), err);
    if (fd < 0) {
        Fail(LinkOp::Open, err);
        Trace(TraceKind::OpenFailed, DescribeLinkFailure(deviceName_, LastFailure()));
        return false;
    }
    fd_ = fd;
    Trace(TraceKind::Open, deviceName_);
    return true;
}

bool CSerialPort::Configure(uint32_t baud, Parity parity, uint8_t byteSize, uint8_t stopBits) {
    if (fd_ < 0) return false;
    int err = 0;
    if (!sp::SetLine(fd_, baud, static_cast<int>(parity), byteSize, stopBits, err)) {
        Fail(LinkOp::Configure, err);
        return false;
    }
    return true;
}

bool CSerialPort::SetupDevice() {
    if (fd_ < 0) return false;
    int err = 0;
    if (!sp::FlushBoth(fd_, err)) {
        Fail(LinkOp::Setup, err);
        return false;
    }
    // Bytes of an earlier session must not reach the new one's receiver.
    rxQueue_.Clear();
    txQueue_.Clear();
    return true;
}

void CSerialPort::Close(int timeoutMs) {
    if (fd_ < 0) return;
    if (HasThreads()) Stop(timeoutMs);
    int err = 0;
    // The last frame of a session must reach the device: flushing the output
    // would discard what the driver still holds (on a pty, what the other end
    // has not read yet). Output that does not leave in time is dropped rather
    // than hold up the close.
    const bool sent = gone_ || sp::DrainWithin(fd_, kCloseDrainMs, err);
    if (sent)
        sp::DiscardInput(fd_, err);
    else
        sp::FlushBoth(fd_, err);
    Trace(gone_ ? TraceKind::HangUp : TraceKind::Close, deviceName_);
    sp::CloseExclusive(fd_);
    fd_ = -1;
    running_ = false;
}

void CSerialPort::Purge() {
    int err = 0;
    if (fd_ >= 0) sp::FlushBoth(fd_, err);
}

void CSerialPort::Flush() {
    int err = 0;
    if (fd_ >= 0) sp::Drain(fd_, err);
}

uint32_t CSerialPort::ModemStatus() const {
    uint32_t bits = 0;
    int err = 0;
    if (fd_ < 0 || !sp::ModemLines(fd_, bits, err)) return 0;
    return bits;
}

uint32_t CSerialPort::InputCount() const {
    uint32_t count = 0;
    int err = 0;
    if (fd_ < 0 || !sp::InputCount(fd_, count, err)) return 0;
    return count;
}

// ---- threads ----------------------------------------------------------------

bool CSerialPort::EnsureWakes() {
    for (int* fd : {&wakeFd_, &readerWakeFd_, &writerWakeFd_}) {
        int err = 0;
        if (*fd < 0 && (*fd = sp::NewWake(err)) < 0) {
            Fail(LinkOp::Start, err);
            return false;
        }
        sp::ClearWake(*fd);
    }
    return true;
}

void CSerialPort::WakeWorkers() {
    for (int fd : {wakeFd_, readerWakeFd_, writerWakeFd_}) sp::SignalWake(fd);
}

bool CSerialPort::Start(uint32_t extraFlags) {
    if (HasThreads() || fd_ < 0) return false;
    flags_ |= extraFlags;
    if (!EnsureWakes()) return false;
    threadsExited_ = 0;
    {
        std::lock_guard<std::mutex> guard(exitMutex_);
        suspended_ = (flags_ & PortStartSuspended) != 0;
    }
    running_ = true;
    try {
        if (flags_ & PortMonitorThread) {
            auto body = (flags_ & PortOverlapped) ? &CSerialPort::WatchThread : &CSerialPort::PollThread;
            monitorThread_ = std::thread(&CSerialPort::RunWorker, this, body);
            pthread_setname_np(monitorThread_.native_handle(), "quillon-watch");
        }
        if (flags_ & PortReaderThread) {
            readerThread_ = std::thread(&CSerialPort::RunWorker, this, &CSerialPort::ReadThread);
            pthread_setname_np(readerThread_.native_handle(), "quillon-read");
        }
        if (flags_ & PortWriterThread) {
            writerThread_ = std::thread(&CSerialPort::RunWorker, this, &CSerialPort::WriteThread);
            pthread_setname_np(writerThread_.native_handle(), "quillon-write");
        }
    } catch (const std::system_error& e) {
        Fail(LinkOp::Start, e.code().value());
        Stop(500);
        running_ = false;
        return false;
    }
    return true;
}

void CSerialPort::ResumeThreads() {
    {
        std::lock_guard<std::mutex> guard(exitMutex_);
        suspended_ = false;
    }
    exitCv_.notify_all();
}

void CSerialPort::RunWorker(int (CSerialPort::*body)()) {
    // Raising the priority needs CAP_SYS_NICE; without it the thread runs at normal priority.
    if (flags_ & PortHighPriority) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), -1);
    {
        std::unique_lock<std::mutex> lock(exitMutex_);
        exitCv_.wait(lock, [this] { return !suspended_ || !running_; });
    }
    if (running_) (this->*body)();
    {
        std::lock_guard<std::mutex> guard(exitMutex_);
        ++threadsExited_;
    }
    exitCv_.notify_all();
}

void CSerialPort::WaitForTxQueue() {
    if (!(flags_ & PortDrainOnClose) || !(flags_ & PortTxQueue)) return;
    uint32_t last = txQueue_.Size();
    auto progress = Clock::now();
    while (last > 0 && running_ && !gone_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kDrainStepMs));
        const uint32_t now = txQueue_.Size();
        if (now < last) {
            last = now;
            progress = Clock::now();
        } else if (Clock::now() - progress > std::chrono::milliseconds(kDrainStallMs)) {
            break;
        }
    }
}

bool CSerialPort::WaitForWorkers(int timeoutMs) {
    int expected = 0;
    for (const std::thread* t : {&monitorThread_, &readerThread_, &writerThread_})
        if (t->joinable() && t->get_id() != std::this_thread::get_id()) ++expected;
    std::unique_lock<std::mutex> lock(exitMutex_);
    return exitCv_.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)),
                            [&] { return threadsExited_.load() >= expected; });
}

void CSerialPort::JoinThread(std::thread& t) {
    if (!t.joinable()) return;
    if (t.get_id() == std::this_thread::get_id())
        t.detach();  // a hook that closes the port from the worker; the loop ends on running == false
    else
        t.join();
}

bool CSerialPort::Stop(int timeoutMs) {
    if (!HasThreads()) return false;
    WaitForTxQueue();
    running_ = false;
    {
        std::lock_guard<std::mutex> guard(exitMutex_);  // suspended threads see running == false
    }
    exitCv_.notify_all();
    WakeWorkers();
    const bool ended = WaitForWorkers(timeoutMs);
    for (std::thread* t : {&monitorThread_, &readerThread_, &writerThread_}) JoinThread(*t);
    return ended;
}

// ---- worker bodies ------------------------------------------------------------

int CSerialPort::WatchThread() { return MonitorLoop(true); }

int CSerialPort::PollThread() { return MonitorLoop(false); }

bool CSerialPort::OwnsTxQueue(bool writer) const {
    return (flags_ & PortTxQueue) && writer == ((flags_ & PortWriterThread) != 0);
}

int CSerialPort::TxWakeFd() const { return (flags_ & PortWriterThread) ? writerWakeFd_ : wakeFd_; }

int CSerialPort::MonitorLoop(bool readSlack) {
    if (fd_ < 0) return 1;
    const bool reads = !(flags_ & PortReaderThread);
    const bool ownsTx = OwnsTxQueue(false);
    int err = 0;
    modemWatched_ = sp::ModemLines(fd_, lastModem_, err);
    sp::LineErrorCounts counts;
    errorsWatched_ = sp::LineErrors(fd_, counts, err);
    if (errorsWatched_) LineErrorEvents();  // takes the counts as the starting point
    Announced announced;
    while (running_ && !gone_) {
        const uint32_t readBefore = bytesRead_;
        int timeoutMs = -1;
        short interest = reads ? ReceiveInterest(announced, timeoutMs) : 0;
        if (ownsTx && txQueue_.Size() > 0) interest |= POLLOUT;
        if (txOutstanding_) timeoutMs = Earliest(timeoutMs, kTxEmptyRecheckMs);
        if (modemWatched_) timeoutMs = Earliest(timeoutMs, kModemRecheckMs);
        sp::Readiness ready;
        if (sp::Wait(fd_, interest, wakeFd_, timeoutMs, ready, err) < 0) {
            MarkGone(LinkOp::Poll, err);
            break;
        }
        if (!running_) break;
        uint32_t events = ModemEvents() | LineErrorEvents() | TxEmptyEvent();
        if (reads && ReceiveDue(ready.port, announced)) events |= EV_RXCHAR;
        if (!readSlack && (events & EV_RXCHAR)) {
            ReceiveWaiting(false);
            events &= ~EV_RXCHAR;
        }
        if (events && !gone_) OnCommEvent(events);
        if (gone_) break;
        if (ownsTx && (ready.port & POLLOUT)) WriteFromQueue(kQueueWriteChunk);
        if (ready.port & kHangUp) MarkGone(LinkOp::Poll, 0);
        if (bytesRead_ != readBefore && running_ && !gone_) RestForMore();
    }
    return gone_ ? 1 : 0;
}

// At 9600 baud a byte comes about every millisecond, and a pty or an adapter
// hands them over one at a time: after a read the worker rests a little (the
// first byte of a burst has already been announced) so that it wakes once per
// burst instead of once per byte. A wake-up during the rest is kept for the
// loop, so Stop and queued writes are not delayed.
void CSerialPort::RestForMore() {
    sp::Readiness ready;
    int err = 0;
    sp::Wait(-1, 0, wakeFd_, kReceiveRestMs, ready, err);
    if (ready.woken) sp::SignalWake(wakeFd_);
}

int CSerialPort::ReadThread() {
    if (fd_ < 0) return 1;
    Announced announced;
    int err = 0;
    while (running_ && !gone_) {
        int timeoutMs = -1;
        const short interest = ReceiveInterest(announced, timeoutMs);
        sp::Readiness ready;
        if (sp::Wait(fd_, interest, readerWakeFd_, timeoutMs, ready, err) < 0) {
            MarkGone(LinkOp::Poll, err);
            break;
        }
        if (!running_) break;
        if (ReceiveDue(ready.port, announced)) ReceiveWaiting(false);
        if (!gone_ && (ready.port & kHangUp)) MarkGone(LinkOp::Poll, 0);
    }
    return gone_ ? 1 : 0;
}

int CSerialPort::WriteThread() {
    if (fd_ < 0) return 1;
    int err = 0;
    while (running_ && !gone_) {
        const short interest = (OwnsTxQueue(true) && txQueue_.Size() > 0) ? POLLOUT : 0;
        sp::Readiness ready;
        if (sp::Wait(fd_, interest, writerWakeFd_, -1, ready, err) < 0) {
            MarkGone(LinkOp::Poll, err);
            break;
        }
        if (!running_) break;
        if (ready.port & POLLOUT) WriteFromQueue(kQueueWriteChunk);
        if (!gone_ && (ready.port & kHangUp)) MarkGone(LinkOp::Poll, 0);
    }
    return gone_ ? 1 : 0;
}

// Without PortRxQueue the window reads the driver itself: bytes it has not
// read yet keep the port readable, so instead of waiting for readability the
// worker looks at the count again a little later.
short CSerialPort::ReceiveInterest(const Announced& announced, int& timeoutMs) const {
    if ((flags_ & PortRxQueue) || announced.waiting == 0) return POLLIN;
    timeoutMs = Earliest(timeoutMs, kHeldRecheckMs);
    return 0;
}

bool CSerialPort::ReceiveDue(short revents, Announced& announced) {
    // A hang-up is read too, so the errno of the failing read is what is kept.
    if (flags_ & PortRxQueue) return (revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    uint32_t waiting = 0;
    int err = 0;
    if (!sp::InputCount(fd_, waiting, err)) waiting = 0;
    // The count alone would miss a window that read n bytes while n new ones
    // came; what has arrived in all only grows. Reading the count first can
    // only make a read in between look like an arrival: one notification too
    // many, never one too few.
    const uint32_t arrived = bytesRead_.load() + waiting;
    const bool due = waiting > 0 && arrived != announced.arrived;
    announced = Announced{waiting, arrived};
    return due;
}

void CSerialPort::ReceiveWaiting(bool readSlack) {
    if (fd_ < 0) return;
    uint32_t waiting = 0;
    int err = 0;
    const bool counted = sp::InputCount(fd_, waiting, err);
    if (!counted && MapErrno(err) == LinkError::Gone) {
        MarkGone(LinkOp::Read, err);
        return;
    }
    if (!(flags_ & PortRxQueue)) {
        if (!counted || (waiting > 0 && waiting >= rxThreshold_)) OnReceive();
        return;
    }
    // Readable with nothing counted means end of file: the read below shows it.
    uint32_t want = readSlack ? 2 * waiting + kReadSlack : waiting;
    if (!counted) want = kUncountedRead;
    if (counted && waiting == 0) want = kReadSlack;
    want = std::min(want, kMaxRead);
    uint8_t buffer[kMaxRead];
    const ssize_t got = sp::ReadSome(fd_, buffer, want, err);
    if (got > 0) {
        rxQueue_.Append(buffer, static_cast<uint32_t>(got));
        bytesRead_ += static_cast<uint32_t>(got);
        if (rxQueue_.Size() >= rxThreshold_) OnReceive();
    } else if (got == 0) {
        MarkGone(LinkOp::Read, 0);
    } else if (err != EAGAIN) {
        MarkGone(LinkOp::Read, err);
    }
}

uint32_t CSerialPort::ModemEvents() {
    if (!modemWatched_) return 0;
    uint32_t lines = 0;
    int err = 0;
    if (!sp::ModemLines(fd_, lines, err)) return 0;
    const uint32_t changed = lines ^ lastModem_;
    lastModem_ = lines;
    uint32_t events = 0;
    for (const ModemEvent& m : kModemEvents)
        if (changed & m.line) events |= m.event;
    return events;
}

uint32_t CSerialPort::LineErrorEvents() {
    if (!errorsWatched_) return 0;
    sp::LineErrorCounts c;
    int err = 0;
    if (!sp::LineErrors(fd_, c, err)) return 0;
    const uint32_t now[5] = {c.breaks, c.frame, c.overrun, c.parity, c.bufferOverrun};
    constexpr intptr_t kBits[5] = {kErrBreak, kErrFrame, kErrOverrun, kErrParity, kErrRxOver};
    intptr_t bits = 0;
    for (int i = 0; i < 5; ++i) {
        if (now[i] != errorCounts_[i]) bits |= kBits[i];
        errorCounts_[i] = now[i];
    }
    uint32_t events = 0;
    if (bits & kErrBreak) events |= EV_BREAK;
    if (bits & ~kErrBreak) {
        events |= EV_ERR;
        pendingErrorBits_ = bits;
    }
    return events;
}

uint32_t CSerialPort::TxEmptyEvent() {
    if (!txOutstanding_.exchange(false)) return 0;
    uint32_t unsent = 0;
    int err = 0;
    if (sp::OutputCount(fd_, unsent, err) && unsent > 0) {
        txOutstanding_ = true;
        return 0;
    }
    return EV_TXEMPTY;
}

void CSerialPort::OnCommEvent(uint32_t events) {
    if ((events & EV_RXCHAR) && !(flags_ & PortReaderThread)) ReceiveWaiting(true);
    if (gone_) return;
    if (events & EV_TXEMPTY) {
        if (OwnsTxQueue(false) && txQueue_.Size() > 0) WriteFromQueue(kQueueWriteChunk);
        OnTxEmpty();
    }
    struct Hook {
        uint32_t event;
        void (CSerialPort::*handler)();
    };
    // clang-format off
    static constexpr Hook kHooks[] = {
        {EV_RXFLAG, &CSerialPort::OnRxFlag},
        {EV_CTS,    &CSerialPort::OnCts},
        {EV_DSR,    &CSerialPort::OnDsr},
        {EV_RING,   &CSerialPort::OnRing},
        {EV_RLSD,   &CSerialPort::OnRlsd},
        {EV_BREAK,  &CSerialPort::OnBreak},
    };
    // clang-format on
    for (const Hook& hook : kHooks)
        if (events & hook.event) (this->*hook.handler)();
    if (events & EV_ERR) OnError(pendingErrorBits_);
}

void CSerialPort::OnCts() { Notify(WM_PORT_CTS, (ModemStatus() & sp::kModemCts) ? 1 : 0, true); }
void CSerialPort::OnDsr() { Notify(WM_PORT_DSR, (ModemStatus() & sp::kModemDsr) ? 1 : 0, true); }
void CSerialPort::OnRing() { Notify(WM_PORT_RING, (ModemStatus() & sp::kModemRing) ? 1 : 0, true); }
void CSerialPort::OnRlsd() { Notify(WM_PORT_RLSD, (ModemStatus() & sp::kModemRlsd) ? 1 : 0, true); }

// A worker cannot wait for a window on another thread, so a "send" is posted too.
void CSerialPort::Notify(uint32_t message, intptr_t lParam, bool /*post*/) {
    const NotifyHandle window = notifyWindow_.load();
    if (window == 0) return;
    NotifyRegistry::Post(window, PortNotification{message, portNumber_, lParam});
}

// ---- reading and writing ------------------------------------------------------

uint32_t CSerialPort::Read(uint8_t* buffer, uint32_t n, int timeoutMs) {
    if (flags_ & PortRxQueue) return rxQueue_.Take(buffer, n);
    return ReadPort(buffer, n, timeoutMs);
}

uint32_t CSerialPort::ReadPort(uint8_t* buffer, uint32_t n, int timeoutMs) {
    if (fd_ < 0 || n == 0 || !buffer) return 0;
    int err = 0;
    if (timeoutMs > 0) {
        sp::Readiness ready;
        if (sp::Wait(fd_, POLLIN, -1, timeoutMs, ready, err) < 0) {
            Fail(LinkOp::Poll, err);
            return 0;
        }
    }
    const ssize_t got = sp::ReadSome(fd_, buffer, n, err);
    if (got > 0) {
        bytesRead_ += static_cast<uint32_t>(got);
        return static_cast<uint32_t>(got);
    }
    // End of file here is left to the worker, which sees the hang-up in poll.
    if (got < 0 && err != EAGAIN) Fail(LinkOp::Read, err);
    return 0;
}

uint32_t CSerialPort::Write(const uint8_t* data, uint32_t n) {
    if (n == 0 || !data) return 0;
    if (flags_ & PortTxQueue) {
        txQueue_.Append(data, n);
        sp::SignalWake(TxWakeFd());
        return 0;
    }
    if (fd_ < 0) return 0;
    return WriteAll(data, n);
}

uint32_t CSerialPort::WriteAll(const uint8_t* data, uint32_t n) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteWaitMs);
    uint32_t done = 0;
    while (done < n) {
        int err = 0;
        const ssize_t put = sp::WriteSome(fd_, data + done, n - done, err);
        if (put > 0) {
            done += static_cast<uint32_t>(put);
            continue;
        }
        if (put < 0 && err != EAGAIN) {
            Fail(LinkOp::Write, err);
            break;
        }
        const int left = MillisecondsUntil(deadline);
        sp::Readiness ready;
        const int r = left > 0 ? sp::Wait(fd_, POLLOUT, -1, left, ready, err) : 0;
        if (r < 0) {
            Fail(LinkOp::Poll, err);
            break;
        }
        if (r == 0) {
            Fail(LinkOp::Write, ETIMEDOUT);
            break;
        }
        if (ready.port & kHangUp) {
            Fail(LinkOp::Write, (ready.port & POLLNVAL) ? EBADF : EIO);
            break;
        }
    }
    if (done > 0) {
        bytesWritten_ += done;
        txOutstanding_ = true;
        sp::SignalWake(wakeFd_);
    }
    return done;
}

uint32_t CSerialPort::WriteFromQueue(uint32_t maxBytes) {
    if (fd_ < 0 || maxBytes == 0) return 0;
    std::lock_guard<std::mutex> sending(txSendMutex_);
    uint8_t chunk[4096];
    const uint32_t n = txQueue_.Peek(chunk, std::min<uint32_t>(maxBytes, sizeof chunk));
    if (n == 0) return 0;
    int err = 0;
    const ssize_t put = sp::WriteSome(fd_, chunk, n, err);
    if (put > 0) {
        // Only what the driver took leaves the queue; the rest goes at the next POLLOUT.
        txQueue_.Take(nullptr, static_cast<uint32_t>(put));
        bytesWritten_ += static_cast<uint32_t>(put);
        txOutstanding_ = true;
        return static_cast<uint32_t>(put);
    }
    // A failing write would otherwise be retried at every readiness without end.
    if (put < 0 && err != EAGAIN) MarkGone(LinkOp::Write, err);
    return 0;
}

bool OpenLinkPort(CSerialPort& port, int portNumber, const std::string& devicePath) {
    port.SetPort(portNumber, devicePath);
    const bool ok = port.OpenDevice() && port.Configure(9600, Parity::None, 8, 1) && port.SetupDevice() &&
                    (!(port.Flags() & kThreadBits) || port.Start(0));
    if (!ok) port.Close(500);
    return ok;
}
