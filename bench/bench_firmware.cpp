// Firmware upgrade of a 16 KiB image against orvex-sim's boot loader paced at
// 9600 baud (its unprompted-'C' mode, as a standard XMODEM receiver behaves).
//
// Ours: the core's XmodemSender driven by the core's event loop (the port's
// worker thread, its notifications and a deadline wait), the same driver as
// `quillon-cli flash`. Theirs: lrzsz's `sx` sending the same image to the same
// loader, its tty relayed to the loader's pty by this program.
//
// Both are timed the same way: from the loader's 'C' that starts the transfer
// to the loader's answer to the end of transfer. The line's limit for that
// span is 133 bytes out and one byte back per block plus EOT and its answer,
// at 10 bits a byte.
#include "FileBytes.h"
#include "SimProcess.h"
#include "TempDir.h"
#include "cli/Flash.h"
#include "firmware/FirmwareImage.h"
#include "firmware/XmodemSender.h"
#include "link/CSerialPort.h"
#include "link/NotifyWindow.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kBaud = 9600;
constexpr double kByteMs = 10 * 1000 / kBaud;
constexpr size_t kImageBytes = 16 * 1024;
constexpr int kBlocks = static_cast<int>(kImageBytes / kXmodemBlockData);
constexpr double kLineMs = (kBlocks * (kXmodemBlockSize + 1) + 2) * kByteMs;
// sx is given this long to start before the loader's bytes reach it, so its
// start-up is not counted against it.
constexpr int kSxStartMs = 300;
constexpr int kTransferLimitMs = 120000;

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

std::vector<uint8_t> Image() {
    std::vector<uint8_t> bytes(kImageBytes);
    uint32_t x = 12345;
    for (uint8_t& b : bytes) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return bytes;
}

struct Result {
    bool ok = false;
    double transferMs = 0;  // loader's 'C' to the answer to EOT
    double cpuMs = 0;       // this process, over the same span
};

Result Ours(const std::string& port, const std::vector<uint8_t>& image) {
    Result r;
    CSerialPort link(PortMonitorThread | PortOverlapped | PortRxQueue);
    QueueNotifyWindow window;
    link.SetNotifyWindow(window.handle());
    if (!OpenLinkPort(link, 1, port)) return r;
    Clock::time_point started;
    double cpuStarted = 0;
    // The first status text appears when the loader's 'C' has sent block 1 on its way.
    const auto observe = [&](const XmodemSender& s) {
        if (cpuStarted == 0 && !s.StatusText().empty()) {
            started = Clock::now();
            cpuStarted = CpuMs();
        }
    };
    const XmodemOutcome outcome = RunFirmwareTransfer(link, window, image, XmodemTimings{}, observe);
    const auto ended = Clock::now();
    r.cpuMs = CpuMs() - cpuStarted;
    r.transferMs = MsBetween(started, ended);
    r.ok = outcome == XmodemOutcome::Complete && cpuStarted != 0;
    if (!r.ok) std::fprintf(stderr, "ours: %s\n", XmodemOutcomeMessage(outcome));
    link.Close(500);
    return r;
}

bool MakeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

bool WriteAll(int fd, const uint8_t* p, ssize_t n) {
    while (n > 0) {
        const ssize_t w = write(fd, p, static_cast<size_t>(n));
        if (w < 0 && errno == EINTR) continue;
        if (w < 0) {
            pollfd pfd{fd, POLLOUT, 0};
            if (errno != EAGAIN || poll(&pfd, 1, 1000) < 0) return false;
            continue;
        }
        p += w;
        n -= w;
    }
    return true;
}

// sx on a pty of its own; this program copies between that pty and the
// loader's, noting when the loader's bytes pass.
Result Theirs(const std::string& port, const std::string& file) {
    Result r;
    const int loader = open(port.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (loader < 0 || master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || !MakeRaw(loader)) {
        std::fprintf(stderr, "theirs: cannot set up the ptys\n");
        return r;
    }
    const std::string slavePath = ptsname(master);
    tcflush(loader, TCIOFLUSH);
    const auto forked = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setsid();
        const int slave = open(slavePath.c_str(), O_RDWR);
        const int quiet = open("/dev/null", O_WRONLY);
        if (slave < 0 || !MakeRaw(slave)) _exit(127);
        dup2(slave, STDIN_FILENO);
        dup2(slave, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execlp("sx", "sx", file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    fcntl(master, F_SETFL, O_NONBLOCK);
    Clock::time_point first, last;
    bool seen = false;
    int status = -1;
    uint8_t buf[512];
    while (true) {
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        if (MsBetween(forked, Clock::now()) > kTransferLimitMs) {
            kill(pid, SIGTERM);
            waitpid(pid, &status, 0);
            break;
        }
        const bool forward = MsBetween(forked, Clock::now()) >= kSxStartMs;
        pollfd fds[2] = {{loader, POLLIN, 0}, {master, POLLIN, 0}};
        if (poll(fds, 2, 20) < 0 && errno != EINTR) break;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = read(loader, buf, sizeof buf);
            if (n > 0 && forward) {
                const auto now = Clock::now();
                if (!seen) first = now, seen = true;
                last = now;
                WriteAll(master, buf, n);
            }
        }
        if (fds[1].revents & POLLIN) {
            const ssize_t n = read(master, buf, sizeof buf);
            if (n > 0) WriteAll(loader, buf, n);
        }
    }
    close(master);
    close(loader);
    r.ok = seen && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    r.transferMs = MsBetween(first, last);
    if (!r.ok) std::fprintf(stderr, "theirs: sx failed (status %d)\n", status);
    return r;
}

bool LoaderGot(SimProcess& sim, const std::string& out, const std::vector<uint8_t>& image, int completions) {
    const std::string line = "BOOT complete blocks=" + std::to_string(kBlocks);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        const std::string log = sim.logText();
        int count = 0;
        for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1)) ++count;
        if (count >= completions) return ReadFileBytes(out) == image;
        usleep(20000);
    }
    return false;
}

}  // namespace

int main() {
    TempDir dir("quillon-bench-fw");
    const std::vector<uint8_t> image = Image();
    const std::string file = dir.file("orvex.bin");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    const std::string out = dir.file("loader.bin");
    SimProcess sim({.args = {"--bootloader", "--unprompted-c", "--baud", "9600", "--firmware-out", out}});

    std::printf("firmware upgrade, %zu bytes = %d blocks, orvex-sim boot loader paced at 9600 baud\n", kImageBytes,
                kBlocks);
    std::printf(
        "ours: the core's XmodemSender on the core's event loop (CSerialPort worker, notifications,\n"
        "      deadline waits) - the driver of `quillon-cli flash`; theirs: lrzsz sx through a pty relay\n");
    const Result ours = Ours(sim.portPath(), image);
    if (!ours.ok || !LoaderGot(sim, out, image, 1)) {
        std::fprintf(stderr, "our transfer failed or the loader received something else\n%s", sim.logText().c_str());
        return 1;
    }
    const Result theirs = Theirs(sim.portPath(), file);
    const bool theirsArrived = theirs.ok && LoaderGot(sim, out, image, 2);

    std::printf("line limit ('C' to EOT answer): %.0f ms (%d x 134 + 2 bytes at %.4f ms)\n", kLineMs, kBlocks, kByteMs);
    std::printf("ours:   %.0f ms = %.3f x line limit (target <= 1.05)\n", ours.transferMs, ours.transferMs / kLineMs);
    std::printf("ours:   CPU %.1f ms = %.2f %% of wall (target < 5 %%)\n", ours.cpuMs,
                100 * ours.cpuMs / ours.transferMs);
    if (theirsArrived) {
        std::printf("sx:     %.0f ms = %.3f x line limit\n", theirs.transferMs, theirs.transferMs / kLineMs);
        std::printf("ours / sx: %.3f (target <= 1.00)\n", ours.transferMs / theirs.transferMs);
    } else {
        std::printf("sx:     no result (is lrzsz installed?)\n");
    }
    return 0;
}
