#include "SimRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <vector>

namespace orvexsim {

namespace {

int gSignalPipe[2] = {-1, -1};
volatile sig_atomic_t gSignal = 0;

void OnSignal(int signal) {
    gSignal = signal;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(gSignalPipe[1], &byte, 1);
    errno = saved;
}

const char* SignalName(int signal) {
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        case SIGHUP:
            return "SIGHUP";
        default:
            return "signal";
    }
}

}  // namespace

bool SimRunner::InstallSignalHandlers() {
    if (pipe2(gSignalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        if (sigaction(signal, &action, nullptr) != 0) return false;
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

SimRunner::SimRunner(PacedLine& line, LineHandler& handler, SimLog& log, Nanos hangupAt)
    : line_(line), handler_(handler), log_(log), hangupAt_(hangupAt) {
    line_.setSessionListener([this](Nanos now, bool opened, std::vector<TimedByte>& earlier) {
        if (!opened) {
            if (!earlier.empty()) handler_.received(earlier, now);
            handler_.endOfSession(now);
        }
        log_.event(opened ? "port opened" : "port closed");
    });
}

SimRunner::~SimRunner() { line_.setSessionListener(nullptr); }

int SimRunner::run() {
    std::vector<pollfd> fds;
    std::vector<TimedByte> received;
    for (;;) {
        Nanos now = Now();
        handler_.run(now);
        line_.transmitDue(now);
        if (handler_.hangupRequested() || now >= hangupAt_) {
            log_.event("hangup");
            line_.hangUp();
            return 0;
        }

        fds.clear();
        fds.push_back({gSignalPipe[0], POLLIN, 0});
        line_.preparePoll(fds);
        const Nanos wake = std::min({line_.nextDue(), handler_.nextDue(), hangupAt_});
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (wake != kNever) {
            const Nanos wait = std::max<Nanos>(0, wake - Now());
            timeout.tv_sec = static_cast<time_t>(wait / kSecond);
            timeout.tv_nsec = static_cast<long>(wait % kSecond);
            timeoutPtr = &timeout;
        }
        if (ppoll(fds.data(), fds.size(), timeoutPtr, nullptr) < 0 && errno != EINTR) {
            log_.event("poll failed");
            return 1;
        }
        if (gSignal != 0) {
            log_.event(std::string("exit on ") + SignalName(gSignal));
            return 0;
        }
        received.clear();
        now = Now();
        line_.afterPoll(fds, now, received);
        if (!received.empty()) handler_.received(received, now);
    }
}

}  // namespace orvexsim
