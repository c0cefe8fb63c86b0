#pragma once
// The buffered, event-driven serial port: a termios device opened
// non-blocking, one worker thread that waits in poll(2) on the port and on a
// wake descriptor, a receive queue that the worker fills, and a notification
// (WM_PORT_RECEIVE) posted to the window currently in charge of the link.
//
// Thread-safety:
// - Open, Close, Start, Stop, Configure, Write and SetNotifyWindow are called
//   from one owner thread (the GUI thread in the program).
// - The worker thread only reads the port, appends to rxQueue under its lock,
//   and posts notifications through NotifyRegistry.
// - rxQueue is the only structure both threads change; Read takes from it
//   under its lock. The notify handle and the running flag are atomics.
// - When the adapter disappears the worker ends by itself and posts
//   WM_PORT_ERROR with lParam kPortErrorGone; the owner then calls Close on
//   its own thread.
// - Stop joins the threads: they wait only in poll(2), together with their
//   own wake descriptor, so they notice running == false at once. A thread
//   cannot be killed, so Stop reports false when one needed longer than the
//   time-out, but it still waits for it rather than leave it running.
// - Besides WM_PORT_RECEIVE the monitor posts WM_PORT_TXEMPTY when written
//   bytes have left the driver, the modem-line messages when a line changes
//   (drivers without modem lines, such as pseudo-terminals, never change),
//   and WM_PORT_BREAK / WM_PORT_ERROR (error bits in lParam) when the driver
//   counts breaks or receive errors. Receivers ignore what they do not handle.
// - Subclasses that override the thread bodies or hooks must Close in their
//   own destructor, before their part of the object goes.

#include "link/CByteQueue.h"
#include "link/LinkError.h"
#include "link/NotifyWindow.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

enum PortFlags : uint32_t {
    PortMonitorThread = 0x01,
    PortOverlapped = 0x02,
    PortRxQueue = 0x04,
    PortTxQueue = 0x08,
    PortReaderThread = 0x10,
    PortWriterThread = 0x20,
    PortStartSuspended = 0x40,
    PortHighPriority = 0x80,
    PortFlushOnClose = 0x100,
    PortDrainOnClose = 0x200,
};

// Event bits handed to OnCommEvent (the same values as the classic comm events).
enum CommEvent : uint32_t {
    EV_RXCHAR = 0x0001,
    EV_RXFLAG = 0x0002,
    EV_TXEMPTY = 0x0004,
    EV_CTS = 0x0008,
    EV_DSR = 0x0010,
    EV_RLSD = 0x0020,
    EV_BREAK = 0x0040,
    EV_ERR = 0x0080,
    EV_RING = 0x0100,
};

enum class Parity : uint8_t { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };

class CSerialPort {
public:
    explicit CSerialPort(uint32_t flags = PortMonitorThread | PortOverlapped);
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Port number (the wParam of every notification) and device path to open.
    void SetPort(int portNumber, const std::string& deviceName);
    int PortNumber() const { return portNumber_; }
    const std::string& DeviceName() const { return deviceName_; }

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    virtual bool OpenDevice();
    // Line settings: baud, parity, data bits, stop bits (1 or 2).
    bool Configure(uint32_t baud, Parity parity, uint8_t byteSize, uint8_t stopBits);
    virtual bool SetupDevice();
    bool Start(uint32_t extraFlags);
    bool Stop(int timeoutMs);
    virtual void Close(int timeoutMs);

    // With PortRxQueue: takes from rxQueue (the time-out is not used).
    // Otherwise as ReadPort.
    uint32_t Read(uint8_t* buffer, uint32_t n, int timeoutMs = -1);
    // With PortTxQueue: queues the bytes for the thread that writes and
    // returns 0. Otherwise writes all n bytes, waiting up to 2 s in all for
    // room in the driver, and returns how many were written (fewer only when
    // the write failed; LastFailure says why).
    uint32_t Write(const uint8_t* data, uint32_t n);
    // Writes what the driver takes of the first maxBytes of txQueue, without
    // waiting, and removes that much from the queue.
    uint32_t WriteFromQueue(uint32_t maxBytes);
    // Reads what the driver holds, up to n bytes. timeoutMs > 0 first waits
    // that long for the first byte; -1 and 0 do not wait.
    uint32_t ReadPort(uint8_t* buffer, uint32_t n, int timeoutMs = -1);

    // Discards unread input and unsent output (tcflush both ways).
    void Purge();
    // Waits until everything written has left (tcdrain).
    void Flush();
    // Modem lines as CTS 0x10, DSR 0x20, RING 0x40, RLSD 0x80; 0 when unknown.
    uint32_t ModemStatus() const;
    // Bytes waiting in the driver's input queue (FIONREAD); 0 when closed.
    uint32_t InputCount() const;

    void SetNotifyWindow(NotifyHandle window) { notifyWindow_.store(window); }
    NotifyHandle GetNotifyWindow() const { return notifyWindow_.load(); }

    uint32_t Flags() const { return flags_; }
    void AddFlags(uint32_t flags) { flags_ |= flags; }
    bool HasThreads() const;
    bool Running() const { return running_.load(); }
    // Lets threads started with PortStartSuspended begin their work.
    void ResumeThreads();

    CByteQueue& RxQueue() { return rxQueue_; }
    CByteQueue& TxQueue() { return txQueue_; }
    uint32_t BytesRead() const { return bytesRead_.load(); }
    uint32_t BytesWritten() const { return bytesWritten_.load(); }

    // The last failure of an operation on this port, captured where it happened.
    // Owner thread only; the reference stays valid until the next call.
    const LinkFailure& LastFailure() const;
    // True once the worker has seen the adapter disappear.
    bool Gone() const { return gone_.load(); }

protected:
    virtual void Notify(uint32_t message, intptr_t lParam, bool post);
    virtual void OnReceive() { Notify(WM_PORT_RECEIVE, 0, true); }
    virtual void OnCts();
    virtual void OnDsr();
    virtual void OnRing();
    virtual void OnRlsd();
    virtual void OnBreak() { Notify(WM_PORT_BREAK, 0, true); }
    virtual void OnTxEmpty() { Notify(WM_PORT_TXEMPTY, 0, true); }
    virtual void OnError(intptr_t errorBits) { Notify(WM_PORT_ERROR, errorBits, true); }
    virtual void OnRxFlag() { Notify(WM_PORT_RXFLAG, 0, true); }
    virtual void OnCommEvent(uint32_t events);

    virtual int WatchThread();
    virtual int PollThread();
    virtual int ReadThread();
    virtual int WriteThread();

private:
    void Fail(LinkOp op, int err);
    void MarkGone(LinkOp op, int err);
    void ClearFailure();
    void RunWorker(int (CSerialPort::*body)());
    int MonitorLoop(bool readSlack);
    // Without PortRxQueue: what the driver held when the window was last told.
    struct Announced {
        uint32_t waiting = 0;  // the driver's count then
        uint32_t arrived = 0;  // bytes read by the window plus the driver's count then
    };
    void RestForMore();
    void ReceiveWaiting(bool readSlack);
    short ReceiveInterest(const Announced& announced, int& timeoutMs) const;
    bool ReceiveDue(short revents, Announced& announced);
    uint32_t ModemEvents();
    uint32_t LineErrorEvents();
    uint32_t TxEmptyEvent();
    uint32_t WriteAll(const uint8_t* data, uint32_t n);
    bool OwnsTxQueue(bool writer) const;
    int TxWakeFd() const;
    bool EnsureWakes();
    void WakeWorkers();
    bool WaitForWorkers(int timeoutMs);
    void JoinThread(std::thread& t);
    void WaitForTxQueue();

    uint32_t flags_;
    int fd_ = -1;
    int wakeFd_ = -1;        // eventfd of the monitor: Stop, queued writes, finished writes
    int readerWakeFd_ = -1;  // eventfd of the reader thread: Stop
    int writerWakeFd_ = -1;  // eventfd of the writer thread: Stop, queued writes
    int portNumber_ = -1;
    std::string deviceName_;
    CByteQueue rxQueue_{1024};
    CByteQueue txQueue_{1024};
    std::atomic<uint32_t> bytesRead_{0};
    std::atomic<uint32_t> bytesWritten_{0};
    std::atomic<bool> running_{false};
    std::atomic<bool> gone_{false};
    std::atomic<NotifyHandle> notifyWindow_{0};
    uint32_t rxThreshold_ = 0;
    uint32_t lastModem_ = 0;                  // monitor thread only
    bool modemWatched_ = false;               // monitor thread only
    bool errorsWatched_ = false;              // monitor thread only
    uint32_t errorCounts_[5] = {};            // monitor thread only
    intptr_t pendingErrorBits_ = 0;           // monitor thread only, handed to OnError
    std::atomic<bool> txOutstanding_{false};  // written bytes not yet reported by EV_TXEMPTY
    std::mutex txSendMutex_;                  // one sender of txQueue at a time
    std::thread monitorThread_, readerThread_, writerThread_;
    std::atomic<int> threadsExited_{0};
    std::mutex exitMutex_;
    std::condition_variable exitCv_;  // threadsExited_ grew, or suspended threads may go
    bool suspended_ = false;          // guarded by exitMutex_
    // Failures are recorded under failureMutex_ by whichever thread saw them;
    // LastFailure() publishes the newest one on the owner thread.
    mutable std::mutex failureMutex_;
    mutable LinkFailure lastFailure_;
    LinkFailure newFailure_;
    mutable bool hasNewFailure_ = false;
};

// Opens the port the way Connect and the firmware upgrade do: open, 9600 baud
// 8N1, set-up, and start the worker. Any failing step closes the port again.
// Returns true when the port is open and running.
bool OpenLinkPort(CSerialPort& port, int portNumber, const std::string& devicePath);
