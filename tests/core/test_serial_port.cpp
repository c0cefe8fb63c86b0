// The serial port over a real pseudo-terminal: the test holds the master side
// (the "device"), CSerialPort opens the slave path like any serial device.
#include "link/CSerialPort.h"
#include "link/SerialPosix.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr uint32_t kProgramFlags = PortMonitorThread | PortOverlapped | PortRxQueue;
constexpr int kIoTimeoutMs = 10000;  // generous: the machine may be busy

class Pty {
public:
    Pty() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128] = {};
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
            ptsname_r(master_, name, sizeof name) != 0)
            ADD_FAILURE() << "no pseudo-terminal: " << std::strerror(errno);
        slave_ = name;
    }
    ~Pty() { CloseMaster(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& slave() const { return slave_; }
    int master() const { return master_; }
    void CloseMaster() {
        if (master_ >= 0) close(master_);
        master_ = -1;
    }

    void Send(const std::vector<uint8_t>& bytes) const {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            ASSERT_GT(n, 0) << std::strerror(errno);
            done += static_cast<size_t>(n);
        }
    }

    // Reads until n bytes came or the time is up.
    std::vector<uint8_t> Receive(size_t n, int timeoutMs = kIoTimeoutMs) const {
        std::vector<uint8_t> got;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        std::vector<uint8_t> buffer(4096);
        while (got.size() < n && Clock::now() < deadline) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0) continue;
            const ssize_t r = read(master_, buffer.data(), std::min(buffer.size(), n - got.size()));
            if (r <= 0) break;
            got.insert(got.end(), buffer.begin(), buffer.begin() + r);
        }
        return got;
    }

private:
    int master_ = -1;
    std::string slave_;
};

std::vector<uint8_t> RandomBytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(n);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    return bytes;
}

template <class Condition>
bool WaitUntil(Condition condition, int timeoutMs = kIoTimeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

int MillisecondsLeft(Clock::time_point deadline) {
    return static_cast<int>(
        std::max<long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
}

std::optional<PortNotification> WaitForMessage(QueueNotifyWindow& window,
                                               uint32_t message,
                                               int timeoutMs = kIoTimeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (auto n = window.Wait(MillisecondsLeft(deadline)))
        if (n->message == message) return n;
    return std::nullopt;
}

std::vector<uint8_t> DrainPort(CSerialPort& port) {
    std::vector<uint8_t> got;
    uint8_t buffer[1023];
    while (uint32_t n = port.Read(buffer, sizeof buffer)) got.insert(got.end(), buffer, buffer + n);
    return got;
}

// Reads from the port after each receive notification, as the main view does.
std::vector<uint8_t> ReceiveAtLeast(CSerialPort& port,
                                    QueueNotifyWindow& window,
                                    size_t n,
                                    int timeoutMs = kIoTimeoutMs) {
    std::vector<uint8_t> got;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.size() < n) {
        if (!WaitForMessage(window, WM_PORT_RECEIVE, MillisecondsLeft(deadline))) break;
        const std::vector<uint8_t> more = DrainPort(port);
        got.insert(got.end(), more.begin(), more.end());
    }
    return got;
}

// Worker threads of any port in this process (they name themselves quillon-*).
int LinkThreads() {
    int count = 0;
    DIR* d = opendir("/proc/self/task");
    if (!d) return -1;
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        std::ifstream comm(std::string("/proc/self/task/") + e->d_name + "/comm");
        std::string name;
        if (std::getline(comm, name) && name.rfind("quillon-", 0) == 0) ++count;
    }
    closedir(d);
    return count;
}

termios LineOf(const CSerialPort& port) {
    termios t{};
    EXPECT_EQ(tcgetattr(port.Fd(), &t), 0);
    return t;
}

}  // namespace

// ---- opening ------------------------------------------------------------------

TEST(SerialPortOpen, OpensTheDeviceRawAt9600EightNoneOne) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 3, pty.slave()));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(port.Running());
    EXPECT_EQ(port.PortNumber(), 3);
    EXPECT_EQ(port.DeviceName(), pty.slave());
    const termios t = LineOf(port);
    EXPECT_EQ(cfgetispeed(&t), B9600);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(fcntl(port.Fd(), F_GETFL) & O_NONBLOCK, O_NONBLOCK);
    EXPECT_EQ(fcntl(port.Fd(), F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
}

TEST(SerialPortOpen, SecondOpenOfTheSameDeviceIsBusyUntilTheFirstCloses) {
    Pty pty;
    CSerialPort first(kProgramFlags), second(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(first, 1, pty.slave()));
    EXPECT_FALSE(OpenLinkPort(second, 2, pty.slave()));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(second.LastFailure().error, LinkError::Busy);
    EXPECT_EQ(second.LastFailure().op, LinkOp::Open);
    EXPECT_EQ(DescribeLinkFailure(pty.slave(), second.LastFailure()), pty.slave() + ": in use by another program");
    first.Close(500);
    EXPECT_TRUE(OpenLinkPort(second, 2, pty.slave()));
    EXPECT_EQ(second.LastFailure().error, LinkError::None);
}

TEST(SerialPortOpen, ReopeningAnOpenPortClosesItFirst) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    // Had the first descriptor stayed open, its exclusive lock would refuse this.
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    EXPECT_TRUE(port.Running());
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    pty.Send({1, 2, 3});
    EXPECT_EQ(ReceiveAtLeast(port, window, 3), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(SerialPortOpen, MissingDeviceIsReportedAsNoSuchDevice) {
    CSerialPort port(kProgramFlags);
    EXPECT_FALSE(OpenLinkPort(port, 1, "/dev/quillon-no-such-port"));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastFailure().error, LinkError::NotFound);
    EXPECT_EQ(port.LastFailure().err, ENOENT);
    EXPECT_EQ(DescribeLinkFailure("/dev/quillon-no-such-port", port.LastFailure()),
              "/dev/quillon-no-such-port: no such device");
}

TEST(SerialPortOpen, OrdinaryFileIsNotASerialPort) {
    char path[] = "/tmp/quillon-not-a-port-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    CSerialPort port(kProgramFlags);
    EXPECT_FALSE(OpenLinkPort(port, 1, path));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastFailure().error, LinkError::NotSerial);
    EXPECT_EQ(DescribeLinkFailure(path, port.LastFailure()), std::string(path) + ": not a serial port");
    unlink(path);
}

TEST(SerialPortOpen, FailureOfALaterStepIsKeptAfterTheCloseThatFollows) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    port.SetPort(4, pty.slave());
    ASSERT_TRUE(port.OpenDevice());
    EXPECT_FALSE(port.Configure(9600, Parity::None, 9, 1));
    port.Close(500);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastFailure().op, LinkOp::Configure);
    EXPECT_NE(port.LastFailure().error, LinkError::None);
    // A new open starts with a clean slate.
    ASSERT_TRUE(port.OpenDevice());
    EXPECT_EQ(port.LastFailure().error, LinkError::None);
}

TEST(SerialPortOpen, EveryCloseLeavesTheDeviceFreeForOthers) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    port.Close(500);
    // A failed step closes through the same path.
    port.SetPort(1, pty.slave());
    ASSERT_TRUE(port.OpenDevice());
    EXPECT_FALSE(port.Configure(9600, Parity::None, 9, 1));
    port.Close(500);
    // The exclusive flag belongs to the terminal and outlives the descriptor.
    const int fd = open(pty.slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    int exclusive = -1;
    EXPECT_EQ(ioctl(fd, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    close(fd);
}

// ---- line settings ------------------------------------------------------------

TEST(SerialLine, ParityArgumentSetsOrClearsTheParityBit) {
    struct Case {
        Parity parity;
        tcflag_t expected;
    };
    const Case cases[] = {
        {Parity::None, 0},
        {Parity::Odd, PARENB | PARODD},
        {Parity::Even, PARENB},
        {Parity::Mark, PARENB | PARODD | CMSPAR},
        {Parity::Space, PARENB | CMSPAR},
    };
    for (const Case& c : cases) {
        for (const tcflag_t before : {tcflag_t{0}, tcflag_t{PARENB | PARODD | CMSPAR}}) {
            termios t{};
            t.c_cflag = before;
            ASSERT_TRUE(serialposix::BuildLine(t, 9600, static_cast<int>(c.parity), 8, 1));
            EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), c.expected) << static_cast<int>(c.parity);
            EXPECT_EQ((t.c_iflag & INPCK) != 0, c.expected != 0);
        }
    }
}

TEST(SerialLine, RawModeLeavesNoTranslationEchoOrFlowControl) {
    termios t{};
    t.c_iflag = ICRNL | IXON | IXOFF | ISTRIP | BRKINT;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    t.c_cflag = CRTSCTS | CS7 | CSTOPB;
    ASSERT_TRUE(serialposix::BuildLine(t, 9600, 0, 8, 1));
    EXPECT_EQ(t.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP | BRKINT), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_cflag & (CRTSCTS | CSTOPB), 0u);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_EQ(cfgetospeed(&t), B9600);
}

// A pseudo-terminal may drop parity and sizes other than 8 bits. Whatever the
// driver does, Configure must either have set the line or say that it failed.
TEST(SerialPortConfigure, LineIsSetAsAskedOrTheFailureIsReported) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    struct Case {
        Parity parity;
        uint8_t bits;
        tcflag_t parityBits;
        tcflag_t size;
    };
    const Case cases[] = {
        {Parity::Even, 8, PARENB, CS8}, {Parity::None, 8, 0, CS8}, {Parity::Odd, 8, PARENB | PARODD, CS8},
        {Parity::None, 7, 0, CS7},      {Parity::None, 8, 0, CS8},
    };
    for (const Case& c : cases) {
        const termios before = LineOf(port);
        const bool set = port.Configure(9600, c.parity, c.bits, 1);
        const termios after = LineOf(port);
        if (set) {
            EXPECT_EQ(after.c_cflag & (PARENB | PARODD | CMSPAR), c.parityBits) << static_cast<int>(c.parity);
            EXPECT_EQ(after.c_cflag & CSIZE, c.size);
        } else {
            EXPECT_EQ(port.LastFailure().op, LinkOp::Configure);
            EXPECT_EQ(after.c_cflag, before.c_cflag) << "a refused line is put back";
        }
    }
    // No parity with 8 bits is what the program uses; every serial driver takes it.
    EXPECT_TRUE(port.Configure(9600, Parity::None, 8, 1));
    EXPECT_EQ(LineOf(port).c_cflag & PARENB, 0u);
}

TEST(SerialPortConfigure, SpeedAndStopBitsReachTheDriver) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    ASSERT_TRUE(port.Configure(115200, Parity::None, 8, 2));
    termios t = LineOf(port);
    EXPECT_EQ(cfgetospeed(&t), B115200);
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    ASSERT_TRUE(port.Configure(9600, Parity::None, 8, 1));
    t = LineOf(port);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
}

TEST(SerialPortConfigure, SettingsThePortCannotHaveAreRefused) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    EXPECT_FALSE(port.Configure(12345, Parity::None, 8, 1));
    EXPECT_EQ(port.LastFailure().op, LinkOp::Configure);
    EXPECT_FALSE(port.Configure(9600, Parity::None, 8, 3));
    EXPECT_FALSE(port.Configure(9600, static_cast<Parity>(9), 8, 1));
    EXPECT_EQ(cfgetospeed(&static_cast<const termios&>(LineOf(port))), B9600);
}

TEST(SerialPortConfigure, ClosedPortRefusesEveryOperation) {
    CSerialPort port(kProgramFlags);
    uint8_t buffer[8] = {};
    EXPECT_FALSE(port.Configure(9600, Parity::None, 8, 1));
    EXPECT_FALSE(port.SetupDevice());
    EXPECT_FALSE(port.Start(0));
    EXPECT_EQ(port.ReadPort(buffer, sizeof buffer), 0u);
    EXPECT_EQ(port.Write(buffer, sizeof buffer), 0u);
    EXPECT_EQ(port.WriteFromQueue(1024), 0u);
    EXPECT_EQ(port.ModemStatus(), 0u);
    EXPECT_EQ(port.InputCount(), 0u);
    EXPECT_EQ(port.PortNumber(), -1);
}

// ---- worker threads -------------------------------------------------------------

TEST(SerialPortThreads, StartWhileRunningReturnsFalseAndChangesNothing) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    EXPECT_FALSE(port.Start(0));
    EXPECT_FALSE(port.Start(PortTxQueue));
    EXPECT_EQ(port.Flags() & PortTxQueue, 0u);
    EXPECT_TRUE(port.Running());
    EXPECT_EQ(LinkThreads(), 1);
    const std::vector<uint8_t> bytes = RandomBytes(50, 1);
    pty.Send(bytes);
    EXPECT_EQ(ReceiveAtLeast(port, window, bytes.size()), bytes);
}

TEST(SerialPortThreads, StopWithoutThreadsReturnsFalse) {
    Pty pty;
    CSerialPort idle(kProgramFlags);
    EXPECT_FALSE(idle.Stop(500));
    CSerialPort threadless(PortOverlapped | PortRxQueue);
    ASSERT_TRUE(OpenLinkPort(threadless, 1, pty.slave()));
    EXPECT_FALSE(threadless.HasThreads());
    EXPECT_FALSE(threadless.Stop(500));
    EXPECT_TRUE(threadless.IsOpen());
}

TEST(SerialPortThreads, CloseOfAClosedPortDoesNothing) {
    CSerialPort port(kProgramFlags);
    port.SetPort(5, "/dev/quillon-no-such-port");
    EXPECT_FALSE(port.OpenDevice());
    const LinkFailure before = port.LastFailure();
    port.Close(500);
    port.Close(500);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastFailure().error, before.error);
    EXPECT_EQ(port.PortNumber(), 5);
    EXPECT_EQ(port.DeviceName(), "/dev/quillon-no-such-port");
}

TEST(SerialPortThreads, StopEndsTheWorkerWithinTheTimeout) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    ASSERT_EQ(LinkThreads(), 1);
    EXPECT_TRUE(port.Stop(kIoTimeoutMs));
    EXPECT_FALSE(port.HasThreads());
    EXPECT_FALSE(port.Running());
    EXPECT_EQ(LinkThreads(), 0);
    EXPECT_TRUE(port.IsOpen());
    // The port can be started again after a stop.
    EXPECT_TRUE(port.Start(0));
    EXPECT_EQ(LinkThreads(), 1);
}

TEST(SerialPortThreads, DestructorStopsTheWorkerAndReleasesTheDevice) {
    Pty pty;
    {
        CSerialPort port(kProgramFlags);
        ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    }
    EXPECT_EQ(LinkThreads(), 0);
    CSerialPort again(kProgramFlags);
    EXPECT_TRUE(OpenLinkPort(again, 1, pty.slave()));
}

TEST(SerialPortThreads, SuspendedWorkerStartsOnResumeAndStopsWithoutIt) {
    Pty pty;
    QueueNotifyWindow window;
    {
        CSerialPort never(kProgramFlags | PortStartSuspended);
        ASSERT_TRUE(OpenLinkPort(never, 1, pty.slave()));
        EXPECT_TRUE(never.Stop(kIoTimeoutMs));
    }
    CSerialPort port(kProgramFlags | PortStartSuspended);
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> bytes = RandomBytes(20, 2);
    pty.Send(bytes);
    port.ResumeThreads();
    EXPECT_EQ(ReceiveAtLeast(port, window, bytes.size()), bytes);
}

// ---- receiving ------------------------------------------------------------------

TEST(SerialPortReceive, NotificationCarriesThePortNumberAndTheBytesWait) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 12, pty.slave()));
    pty.Send({0x7F, 0x2F, 0x0A});
    const auto n = WaitForMessage(window, WM_PORT_RECEIVE);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->wParam, 12);
    EXPECT_EQ(n->lParam, 0);
    EXPECT_TRUE(WaitUntil([&] { return port.RxQueue().Size() == 3; }));
    EXPECT_EQ(DrainPort(port), (std::vector<uint8_t>{0x7F, 0x2F, 0x0A}));
    EXPECT_EQ(port.BytesRead(), 3u);
}

TEST(SerialPortReceive, BytesWithoutAWindowWaitForTheNextNotification) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> early = RandomBytes(40, 3), late = RandomBytes(7, 4);
    pty.Send(early);
    ASSERT_TRUE(WaitUntil([&] { return port.RxQueue().Size() == early.size(); }));
    EXPECT_EQ(window.Pending(), 0u);
    port.SetNotifyWindow(window.handle());
    pty.Send(late);
    std::vector<uint8_t> expected = early;
    expected.insert(expected.end(), late.begin(), late.end());
    EXPECT_EQ(ReceiveAtLeast(port, window, expected.size()), expected);
}

TEST(SerialPortReceive, BytesForAWindowThatIsGoneStayQueued) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> first = RandomBytes(30, 5), second = RandomBytes(30, 6);
    {
        QueueNotifyWindow closed;
        port.SetNotifyWindow(closed.handle());
    }
    pty.Send(first);
    ASSERT_TRUE(WaitUntil([&] { return port.RxQueue().Size() == first.size(); }));
    QueueNotifyWindow window;
    EXPECT_NE(window.handle(), port.GetNotifyWindow());
    port.SetNotifyWindow(window.handle());
    pty.Send(second);
    std::vector<uint8_t> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(ReceiveAtLeast(port, window, expected.size()), expected);
}

TEST(SerialPortReceive, BurstOfRandomChunksArrivesCompleteAndInOrder) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> bytes = RandomBytes(100 * 1024, 8);
    std::thread device([&] {
        std::mt19937 rng(9);
        for (size_t at = 0; at < bytes.size();) {
            const size_t n = std::min<size_t>(1 + rng() % 700, bytes.size() - at);
            pty.Send({bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at + n)});
            at += n;
        }
    });
    const std::vector<uint8_t> got = ReceiveAtLeast(port, window, bytes.size(), 60000);
    device.join();
    EXPECT_EQ(got.size(), bytes.size());
    EXPECT_TRUE(got == bytes);
    EXPECT_EQ(port.BytesRead(), bytes.size());
}

TEST(SerialPortReceive, WithoutTheQueueTheWindowReadsTheDeviceItself) {
    Pty pty;
    CSerialPort port(PortMonitorThread | PortOverlapped);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> first = RandomBytes(25, 10), second = RandomBytes(25, 11);
    pty.Send(first);
    ASSERT_TRUE(WaitForMessage(window, WM_PORT_RECEIVE));
    EXPECT_EQ(port.RxQueue().Size(), 0u);
    ASSERT_TRUE(WaitUntil([&] { return port.InputCount() == first.size(); }));
    EXPECT_EQ(DrainPort(port), first);
    pty.Send(second);
    EXPECT_EQ(ReceiveAtLeast(port, window, second.size()), second);
}

// ---- writing ------------------------------------------------------------------

TEST(SerialPortWrite, WrittenBytesArriveExactlyAndAreCounted) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    // More than the terminal buffers hold, so the write has to wait for room.
    const std::vector<uint8_t> bytes = RandomBytes(64 * 1024, 12);
    std::vector<uint8_t> got;
    std::thread device([&] { got = pty.Receive(bytes.size()); });
    EXPECT_EQ(port.Write(bytes.data(), static_cast<uint32_t>(bytes.size())), bytes.size());
    device.join();
    EXPECT_TRUE(got == bytes);
    EXPECT_EQ(port.BytesWritten(), bytes.size());
}

TEST(SerialPortWrite, CloseRightAfterAWriteStillDeliversIt) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> frame = RandomBytes(90, 5);
    ASSERT_EQ(port.Write(frame.data(), 90), 90u);
    port.Close(500);
    EXPECT_EQ(pty.Receive(frame.size()), frame);
}

TEST(SerialPortWrite, EmptiedOutputIsReported) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 6, pty.slave()));
    const uint8_t frame[3] = {0x7E, 0x0E, 0x01};
    ASSERT_EQ(port.Write(frame, 3), 3u);
    const auto n = WaitForMessage(window, WM_PORT_TXEMPTY);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->wParam, 6);
    EXPECT_EQ(pty.Receive(3), (std::vector<uint8_t>{0x7E, 0x0E, 0x01}));
}

// ---- modes --------------------------------------------------------------------

struct ModeCase {
    const char* name;
    uint32_t flags;

    friend void PrintTo(const ModeCase& mode, std::ostream* os) { *os << mode.name; }
};

class SerialPortModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(SerialPortModes, BytesTravelBothWays) {
    Pty pty;
    CSerialPort port(GetParam().flags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 2, pty.slave()));
    const std::vector<uint8_t> in = RandomBytes(3000, 13), out = RandomBytes(3000, 14);
    std::thread device([&] { pty.Send(in); });
    EXPECT_EQ(ReceiveAtLeast(port, window, in.size()), in);
    device.join();
    std::vector<uint8_t> got;
    std::thread reader([&] { got = pty.Receive(out.size()); });
    const uint32_t written = port.Write(out.data(), static_cast<uint32_t>(out.size()));
    EXPECT_EQ(written, (port.Flags() & PortTxQueue) ? 0u : out.size());
    reader.join();
    EXPECT_TRUE(got == out);
    EXPECT_TRUE(WaitUntil([&] { return port.BytesWritten() == out.size(); }));
    EXPECT_EQ(port.TxQueue().Size(), 0u);
}

TEST_P(SerialPortModes, HangUpEndsEveryWorkerAndIsReportedOnce) {
    Pty pty;
    CSerialPort port(GetParam().flags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 9, pty.slave()));
    ASSERT_GE(LinkThreads(), 1);
    pty.CloseMaster();
    const auto n = WaitForMessage(window, WM_PORT_ERROR);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->wParam, 9);
    EXPECT_EQ(n->lParam, kPortErrorGone);
    EXPECT_TRUE(port.Gone());
    // The workers end by themselves: no thread is left polling a dead descriptor.
    EXPECT_TRUE(WaitUntil([] { return LinkThreads() == 0; }));
    EXPECT_EQ(port.LastFailure().error, LinkError::Gone);
    port.Close(500);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastFailure().error, LinkError::Gone);
    EXPECT_EQ(DescribeLinkFailure(pty.slave(), port.LastFailure()), pty.slave() + ": the adapter was unplugged");
    while (auto more = window.Wait(0)) EXPECT_NE(more->message, static_cast<uint32_t>(WM_PORT_ERROR));
}

INSTANTIATE_TEST_SUITE_P(
    Flags,
    SerialPortModes,
    ::testing::Values(ModeCase{"Watch", kProgramFlags},
                      ModeCase{"Poll", PortMonitorThread | PortRxQueue},
                      ModeCase{"WatchTxQueue", kProgramFlags | PortTxQueue},
                      ModeCase{"PollTxQueue", PortMonitorThread | PortRxQueue | PortTxQueue},
                      ModeCase{"Reader", PortMonitorThread | PortOverlapped | PortRxQueue | PortReaderThread},
                      ModeCase{"ReaderOnly", PortReaderThread | PortRxQueue},
                      ModeCase{"Writer", kProgramFlags | PortTxQueue | PortWriterThread},
                      ModeCase{"AllThreads", kProgramFlags | PortTxQueue | PortReaderThread | PortWriterThread |
                                                 PortHighPriority | PortDrainOnClose}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

// ---- hang-up in the program's own mode, with the bytes that came before ----------

TEST(SerialPortHangUp, BytesReadBeforeTheHangUpStayReadable) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    const std::vector<uint8_t> bytes = RandomBytes(90, 15);
    pty.Send(bytes);
    ASSERT_TRUE(WaitUntil([&] { return port.RxQueue().Size() == bytes.size(); }));
    pty.CloseMaster();
    ASSERT_TRUE(WaitForMessage(window, WM_PORT_ERROR));
    port.Close(500);
    EXPECT_EQ(DrainPort(port), bytes);
}

TEST(SerialPortHangUp, WriteAfterTheHangUpFailsAndSaysSo) {
    Pty pty;
    CSerialPort port(kProgramFlags);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, 1, pty.slave()));
    pty.CloseMaster();
    ASSERT_TRUE(WaitForMessage(window, WM_PORT_ERROR));
    const uint8_t frame[4] = {1, 2, 3, 4};
    EXPECT_EQ(port.Write(frame, 4), 0u);
    EXPECT_EQ(port.LastFailure().op, LinkOp::Write);
    EXPECT_EQ(port.LastFailure().error, LinkError::Gone);
}

// ---- errors -------------------------------------------------------------------

TEST(LinkErrors, EveryErrnoMapsToItsLinkError) {
    const std::pair<int, LinkError> table[] = {
        {0, LinkError::None},           {EIO, LinkError::Gone},          {ENXIO, LinkError::Gone},
        {ENODEV, LinkError::Gone},      {EACCES, LinkError::Permission}, {EPERM, LinkError::Permission},
        {EBUSY, LinkError::Busy},       {EWOULDBLOCK, LinkError::Busy},  {ENOENT, LinkError::NotFound},
        {ENOTTY, LinkError::NotSerial}, {EINVAL, LinkError::NotSerial},  {ENOMEM, LinkError::Other},
        {ETIMEDOUT, LinkError::Other},
    };
    for (const auto& [err, expected] : table) EXPECT_EQ(MapErrno(err), expected) << err;
}

TEST(LinkErrors, DescriptionIsOneLineNamingTheDevice) {
    const std::string dev = "/dev/ttyUSB0";
    const std::pair<LinkFailure, std::string> table[] = {
        {{LinkError::Permission, LinkOp::Open, EACCES}, "/dev/ttyUSB0: permission denied"},
        {{LinkError::Busy, LinkOp::Open, EBUSY}, "/dev/ttyUSB0: in use by another program"},
        {{LinkError::NotFound, LinkOp::Open, ENOENT}, "/dev/ttyUSB0: no such device"},
        {{LinkError::NotSerial, LinkOp::Configure, ENOTTY}, "/dev/ttyUSB0: not a serial port"},
        {{LinkError::Gone, LinkOp::Read, EIO}, "/dev/ttyUSB0: the adapter was unplugged"},
    };
    for (const auto& [failure, text] : table) EXPECT_EQ(DescribeLinkFailure(dev, failure), text);
    const std::string other = DescribeLinkFailure(dev, {LinkError::Other, LinkOp::Write, ETIMEDOUT});
    EXPECT_EQ(other.rfind(dev + ": writing failed (", 0), 0u) << other;
    EXPECT_EQ(other.find('\n'), std::string::npos);
}

TEST(LinkErrors, GroupAdviceOnlyForADeviceTheGroupCouldOpen) {
    // /dev/tty: a character device its group may read and write.
    struct stat st {};
    ASSERT_EQ(stat("/dev/tty", &st), 0);
    const group* g = getgrgid(st.st_gid);
    ASSERT_NE(g, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(getgroups(0, nullptr)) + 1);
    groups.resize(static_cast<size_t>(getgroups(static_cast<int>(groups.size()), groups.data())));
    if (getegid() == st.st_gid || std::count(groups.begin(), groups.end(), st.st_gid))
        GTEST_SKIP() << "the user is in the group of /dev/tty";
    const LinkFailure denied{LinkError::Permission, LinkOp::Open, EACCES};
    // Nobody is told to join root's group, even where it owns the device (some containers).
    EXPECT_EQ(DescribeLinkFailure("/dev/tty", denied),
              st.st_gid == 0
                  ? std::string("/dev/tty: permission denied")
                  : "/dev/tty: permission denied \u2014 add your user to the " + std::string(g->gr_name) + " group");
    char path[] = "/tmp/quillon-not-a-port-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    EXPECT_EQ(DescribeLinkFailure(path, denied), std::string(path) + ": permission denied");
    unlink(path);
}

// ---- notify windows -------------------------------------------------------------

TEST(NotifyWindows, HandlesAreNeverReusedAndGoneWindowsGetNothing) {
    NotifyHandle old;
    {
        QueueNotifyWindow window;
        old = window.handle();
        EXPECT_TRUE(NotifyRegistry::IsWindow(old));
        EXPECT_TRUE(NotifyRegistry::Post(old, {WM_PORT_RECEIVE, 1, 0}));
        EXPECT_EQ(window.Pending(), 1u);
    }
    EXPECT_FALSE(NotifyRegistry::IsWindow(old));
    EXPECT_FALSE(NotifyRegistry::Post(old, {WM_PORT_RECEIVE, 1, 0}));
    QueueNotifyWindow next;
    EXPECT_NE(next.handle(), old);
    EXPECT_NE(next.handle(), 0u);
    EXPECT_FALSE(NotifyRegistry::Post(0, {WM_PORT_RECEIVE, 1, 0}));
    EXPECT_FALSE(next.Wait(0));
}

TEST(NotifyWindows, MessagesKeepTheirOrderAndValues) {
    QueueNotifyWindow window;
    for (uint32_t m = WM_PORT_RECEIVE; m <= WM_PORT_RXFLAG; ++m)
        NotifyRegistry::Post(window.handle(), {m, 3, static_cast<intptr_t>(m * 2)});
    for (uint32_t m = WM_PORT_RECEIVE; m <= WM_PORT_RXFLAG; ++m) {
        const auto n = window.Wait(0);
        ASSERT_TRUE(n);
        EXPECT_EQ(n->message, m);
        EXPECT_EQ(n->wParam, 3);
        EXPECT_EQ(n->lParam, static_cast<intptr_t>(m * 2));
    }
}

namespace {
// Counts posts; a post after its registration was removed counts as late.
class CountingWindow : public NotifyWindow {
public:
    CountingWindow(std::atomic<int>& delivered, std::atomic<int>& late) : delivered_(delivered), late_(late) {}
    void PostPortMessage(const PortNotification&) override { ++(unregistered ? late_ : delivered_); }
    bool unregistered = false;  // set after Unregister returns

private:
    std::atomic<int>& delivered_;
    std::atomic<int>& late_;
};
}  // namespace

TEST(NotifyWindows, PostRacingWithUnregisterIsDeliveredBeforeOrDropped) {
    std::atomic<NotifyHandle> current{0};
    std::atomic<bool> done{false};
    std::atomic<int> delivered{0}, late{0};
    std::thread poster([&] {
        while (!done) NotifyRegistry::Post(current.load(), {WM_PORT_RECEIVE, 1, 0});
    });
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    for (int i = 0; i < 2000 || (delivered < 100 && Clock::now() < deadline); ++i) {
        CountingWindow window(delivered, late);
        const NotifyHandle handle = NotifyRegistry::Register(&window);
        current = handle;
        NotifyRegistry::Unregister(handle);
        window.unregistered = true;
    }
    done = true;
    poster.join();
    EXPECT_GT(delivered.load(), 0);
    EXPECT_EQ(late.load(), 0);
}
