#pragma once
// The POSIX calls behind CSerialPort, kept in one small file. Every function
// that can fail returns false (or -1) and leaves the errno of the very call
// that failed in err, so the caller never reads a stale errno.

#include <sys/types.h>
#include <termios.h>
#include <cstddef>
#include <cstdint>

namespace serialposix {

// open(2) with O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, then exclusive use:
// TIOCEXCL against other openers and an advisory lock against other programs
// that ask for one (TIOCEXCL does not stop a privileged opener). -1 on failure.
int OpenExclusive(const char* path, int& err);
// Gives up what OpenExclusive took (TIOCNXCL, the lock), then closes.
void CloseExclusive(int fd);
void CloseFd(int fd);

// Raw line: no translation, no echo, no software or hardware flow control.
// parity: 0 none, 1 odd, 2 even, 3 mark, 4 space; stopBits 1 or 2.
// BuildLine changes t only; false for settings no serial port has.
bool BuildLine(termios& t, uint32_t baud, int parity, int byteSize, int stopBits);
// Applies the line and reads it back: a driver that drops part of it (a
// pseudo-terminal keeps neither parity nor a size other than 8 bits) gets
// its previous line back and the call fails with ENOTSUP.
bool SetLine(int fd, uint32_t baud, int parity, int byteSize, int stopBits, int& err);

bool FlushBoth(int fd, int& err);  // discard unread input and unsent output
bool Drain(int fd, int& err);      // wait until the output has left
bool DiscardInput(int fd, int& err);
// Drain, giving up with ETIMEDOUT when output is still waiting after timeoutMs.
bool DrainWithin(int fd, int timeoutMs, int& err);
bool InputCount(int fd, uint32_t& count, int& err);
bool OutputCount(int fd, uint32_t& count, int& err);

// Modem lines as CTS 0x10, DSR 0x20, RING 0x40, RLSD 0x80.
constexpr uint32_t kModemCts = 0x10, kModemDsr = 0x20, kModemRing = 0x40, kModemRlsd = 0x80;
bool ModemLines(int fd, uint32_t& bits, int& err);

// The driver's running counts of receive errors (not every driver has them).
struct LineErrorCounts {
    uint32_t breaks = 0, frame = 0, overrun = 0, parity = 0, bufferOverrun = 0;
};
bool LineErrors(int fd, LineErrorCounts& counts, int& err);

// > 0: bytes moved; 0: end of file (read) or nothing accepted (write);
// -1: failure, err set (EAGAIN when nothing is waiting or no room).
ssize_t ReadSome(int fd, uint8_t* buffer, size_t n, int& err);
ssize_t WriteSome(int fd, const uint8_t* data, size_t n, int& err);

// Wake descriptors (eventfd): Signal makes the next Wait return at once.
int NewWake(int& err);
void SignalWake(int fd);
void ClearWake(int fd);

struct Readiness {
    short port = 0;      // revents of the port
    bool woken = false;  // the wake descriptor was signalled (and is now cleared)
};
// Waits on the port for portEvents (hang-up and errors are always reported)
// and on wakeFd (may be -1). timeoutMs < 0 waits without limit.
// Returns 0 on time-out, > 0 when something is ready, -1 on failure.
int Wait(int portFd, short portEvents, int wakeFd, int timeoutMs, Readiness& ready, int& err);

}  // namespace serialposix
