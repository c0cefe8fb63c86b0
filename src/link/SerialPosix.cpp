#include "link/SerialPosix.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <array>
#include <cerrno>

namespace serialposix {

namespace {

struct BaudCode {
    uint32_t baud;
    speed_t code;
};

constexpr std::array<BaudCode, 23> kBaudCodes{{
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},         {200, B200},
    {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},     {2400, B2400},       {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},   {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600}, {1000000, B1000000},
}};

bool BaudCodeFor(uint32_t baud, speed_t& code) {
    for (const BaudCode& entry : kBaudCodes) {
        if (entry.baud == baud) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

bool SizeFlagFor(int byteSize, tcflag_t& flag) {
    switch (byteSize) {
        case 5:
            flag = CS5;
            return true;
        case 6:
            flag = CS6;
            return true;
        case 7:
            flag = CS7;
            return true;
        case 8:
            flag = CS8;
            return true;
        default:
            return false;
    }
}

void SetParity(termios& t, int parity) {
    t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    t.c_iflag &= ~INPCK;
    switch (parity) {
        case 0:
            return;
        case 1:
            t.c_cflag |= PARENB | PARODD;
            break;
        case 2:
            t.c_cflag |= PARENB;
            break;
        case 3:
            t.c_cflag |= PARENB | PARODD | CMSPAR;
            break;
        default:
            t.c_cflag |= PARENB | CMSPAR;
            break;
    }
    t.c_iflag |= INPCK;
}

}  // namespace

int OpenExclusive(const char* path, int& err) {
    const int fd = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    // The lock first: a refused lock must not leave the exclusive flag set on
    // a terminal that another program holds.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        err = errno;
        ::close(fd);
        return -1;
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        err = errno;
        CloseExclusive(fd);
        return -1;
    }
    return fd;
}

void CloseExclusive(int fd) {
    if (fd < 0) return;
    // The exclusive flag belongs to the terminal, not to this descriptor: it
    // would outlive the close wherever the terminal does (every pty, a port
    // another program keeps open) and lock every later opener but root out.
    ::ioctl(fd, TIOCNXCL);
    ::flock(fd, LOCK_UN);
    ::close(fd);
}

void CloseFd(int fd) {
    if (fd >= 0) ::close(fd);
}

bool BuildLine(termios& t, uint32_t baud, int parity, int byteSize, int stopBits) {
    speed_t speed = 0;
    tcflag_t size = 0;
    if (!BaudCodeFor(baud, speed) || !SizeFlagFor(byteSize, size) || parity < 0 || parity > 4 ||
        (stopBits != 1 && stopBits != 2))
        return false;
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~(CSIZE | CSTOPB | CRTSCTS);
    t.c_cflag |= size | CLOCAL | CREAD;
    if (stopBits == 2) t.c_cflag |= CSTOPB;
    SetParity(t, parity);
    // With VMIN 1 a read on the non-blocking descriptor answers EAGAIN when
    // nothing waits, so 0 can only mean end of file.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    return cfsetispeed(&t, speed) == 0 && cfsetospeed(&t, speed) == 0;
}

bool SetLine(int fd, uint32_t baud, int parity, int byteSize, int stopBits, int& err) {
    termios before{};
    if (::tcgetattr(fd, &before) != 0) {
        err = errno;
        return false;
    }
    termios wanted = before;
    if (!BuildLine(wanted, baud, parity, byteSize, stopBits)) {
        err = ENOTSUP;  // a setting this port cannot have, not a refusal of the driver
        return false;
    }
    if (::tcsetattr(fd, TCSANOW, &wanted) != 0) {
        err = errno;
        return false;
    }
    termios now{};
    if (::tcgetattr(fd, &now) != 0) {
        err = errno;
        return false;
    }
    constexpr tcflag_t kChecked = CSIZE | CSTOPB | PARENB | PARODD | CMSPAR;
    if ((now.c_cflag & kChecked) != (wanted.c_cflag & kChecked) || cfgetospeed(&now) != cfgetospeed(&wanted) ||
        cfgetispeed(&now) != cfgetispeed(&wanted)) {
        ::tcsetattr(fd, TCSANOW, &before);
        err = ENOTSUP;
        return false;
    }
    return true;
}

bool FlushBoth(int fd, int& err) {
    if (::tcflush(fd, TCIOFLUSH) == 0) return true;
    err = errno;
    return false;
}

bool Drain(int fd, int& err) {
    while (::tcdrain(fd) != 0) {
        if (errno != EINTR) {
            err = errno;
            return false;
        }
    }
    return true;
}

bool DiscardInput(int fd, int& err) {
    if (::tcflush(fd, TCIFLUSH) == 0) return true;
    err = errno;
    return false;
}

bool DrainWithin(int fd, int timeoutMs, int& err) {
    // tcdrain has no time-out; the output count is watched instead, and
    // tcdrain only waits for the last bytes in the transmitter once it is 0.
    constexpr int kStepMs = 5;
    for (int waited = 0;; waited += kStepMs) {
        uint32_t left = 0;
        if (!OutputCount(fd, left, err)) return false;
        if (left == 0) return Drain(fd, err);
        if (waited >= timeoutMs) {
            err = ETIMEDOUT;
            return false;
        }
        ::usleep(kStepMs * 1000);
    }
}

bool InputCount(int fd, uint32_t& count, int& err) {
    int n = 0;
    if (::ioctl(fd, FIONREAD, &n) != 0) {
        err = errno;
        return false;
    }
    count = n > 0 ? static_cast<uint32_t>(n) : 0;
    return true;
}

bool OutputCount(int fd, uint32_t& count, int& err) {
    int n = 0;
    if (::ioctl(fd, TIOCOUTQ, &n) != 0) {
        err = errno;
        return false;
    }
    count = n > 0 ? static_cast<uint32_t>(n) : 0;
    return true;
}

bool ModemLines(int fd, uint32_t& bits, int& err) {
    int lines = 0;
    if (::ioctl(fd, TIOCMGET, &lines) != 0) {
        err = errno;
        return false;
    }
    bits = 0;
    if (lines & TIOCM_CTS) bits |= kModemCts;
    if (lines & TIOCM_DSR) bits |= kModemDsr;
    if (lines & TIOCM_RNG) bits |= kModemRing;
    if (lines & TIOCM_CAR) bits |= kModemRlsd;
    return true;
}

bool LineErrors(int fd, LineErrorCounts& counts, int& err) {
    serial_icounter_struct ic{};
    if (::ioctl(fd, TIOCGICOUNT, &ic) != 0) {
        err = errno;
        return false;
    }
    counts.breaks = static_cast<uint32_t>(ic.brk);
    counts.frame = static_cast<uint32_t>(ic.frame);
    counts.overrun = static_cast<uint32_t>(ic.overrun);
    counts.parity = static_cast<uint32_t>(ic.parity);
    counts.bufferOverrun = static_cast<uint32_t>(ic.buf_overrun);
    return true;
}

ssize_t ReadSome(int fd, uint8_t* buffer, size_t n, int& err) {
    for (;;) {
        const ssize_t r = ::read(fd, buffer, n);
        if (r >= 0) return r;
        if (errno != EINTR) {
            err = errno;
            return -1;
        }
    }
}

ssize_t WriteSome(int fd, const uint8_t* data, size_t n, int& err) {
    for (;;) {
        const ssize_t r = ::write(fd, data, n);
        if (r >= 0) return r;
        if (errno != EINTR) {
            err = errno;
            return -1;
        }
    }
}

int NewWake(int& err) {
    const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0) err = errno;
    return fd;
}

void SignalWake(int fd) {
    if (fd < 0) return;
    const uint64_t one = 1;
    // A full counter (never reached in practice) still leaves the descriptor readable.
    [[maybe_unused]] const ssize_t r = ::write(fd, &one, sizeof one);
}

void ClearWake(int fd) {
    if (fd < 0) return;
    uint64_t value = 0;
    [[maybe_unused]] const ssize_t r = ::read(fd, &value, sizeof value);
}

int Wait(int portFd, short portEvents, int wakeFd, int timeoutMs, Readiness& ready, int& err) {
    pollfd fds[2] = {{portFd, portEvents, 0}, {wakeFd, POLLIN, 0}};
    const nfds_t count = wakeFd >= 0 ? 2 : 1;
    int r;
    while ((r = ::poll(fds, count, timeoutMs)) < 0) {
        if (errno != EINTR) {
            err = errno;
            return -1;
        }
    }
    ready.port = fds[0].revents;
    ready.woken = count == 2 && (fds[1].revents & POLLIN);
    if (ready.woken) ClearWake(wakeFd);
    return r;
}

}  // namespace serialposix
