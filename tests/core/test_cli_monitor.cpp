// quillon-cli monitor against the simulated Orvex: the live channel line, the
// report count, and the device told to stop reporting however it ends.

#include "CliRunner.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr int kWaitMs = 10000;

// The report lines: each starts after a carriage return.
std::vector<std::string> ReportLines(const std::string& out) {
    std::vector<std::string> lines;
    std::stringstream s(out);
    std::string line;
    while (std::getline(s, line, '\r'))
        if (line.find("Aileron") != std::string::npos) lines.push_back(line);
    return lines;
}

// The six numbers of a report line, in report order.
std::vector<int> Channels(const std::string& line) {
    const char* names[6] = {"Aileron ", "Elevator ", "Rudder ", "Collective pitch ", "Tail Gain ", "Throttle "};
    std::vector<int> v;
    for (const char* name : names) {
        const size_t at = line.find(name);
        if (at == std::string::npos) return {};
        v.push_back(std::stoi(line.substr(at + std::string(name).size())));
    }
    return v;
}

// The request byte of the QueryFrames the device received, in order.
std::vector<int> QueryRequests(const SimProcess& sim) {
    std::vector<int> req;
    for (const SimFrame& f : sim.frames())
        if (f.code == 10) req.push_back(f.req);
    return req;
}
}  // namespace

TEST(CliMonitor, ShowsTheRequestedNumberOfReportsAndStopsTheDevice) {
    SimProcess sim({.args = {"--baud", "0"}});
    const CliResult r = RunCli("monitor " + sim.portPath() + " --count 5");
    ASSERT_EQ(r.status, 0) << r.out;
    // A clean line: every byte belongs to a valid frame.
    EXPECT_EQ(r.out.find("were dropped"), std::string::npos) << r.out;
    const auto lines = ReportLines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    bool moved = false;
    for (const std::string& line : lines) {
        const auto v = Channels(line);
        ASSERT_EQ(v.size(), 6u) << line;
        for (int x : v) {
            EXPECT_GE(x, -100) << line;
            EXPECT_LE(x, 100) << line;
        }
        moved = moved || v != Channels(lines.front());
    }
    EXPECT_TRUE(moved) << "the sticks of the simulator sweep, the numbers should follow";
    ASSERT_TRUE(sim.waitForLog("status-stream off", kWaitMs)) << sim.logText();
    const auto req = QueryRequests(sim);
    ASSERT_GE(req.size(), 2u);
    EXPECT_EQ(req[req.size() - 2], 40);
    EXPECT_EQ(req.back(), 0);
}

// Ctrl+C, or the session's end: the monitor ends as at its count, the device is
// told to stop, the port is free for the next opener at once, and the exit
// status is the one a shell expects of a program ended by that signal.
class CliMonitorSignal : public testing::TestWithParam<int> {};

TEST_P(CliMonitorSignal, EndsItTheDeviceStopsReportingAndThePortIsFree) {
    const int signal = GetParam();
    SimProcess sim({.args = {"--baud", "0"}});
    // Read until two report lines have shown, then send the signal.
    const InterruptedCli r = RunCliUntilInterrupted(
        {"monitor", sim.portPath()}, [](const std::string& text) { return ReportLines(text).size() >= 2; }, kWaitMs,
        signal);
    const std::string& text = r.out;
    const int status = r.waitStatus;
    EXPECT_GE(ReportLines(text).size(), 2u) << text;
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    ASSERT_TRUE(sim.waitForLog("status-stream off", kWaitMs)) << sim.logText();
    EXPECT_EQ(QueryRequests(sim).back(), 0);
    // The exclusive flag is gone (root ignores it, so it is asked for), the lock too.
    const int fd = open(sim.portPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    int exclusive = -1;
    EXPECT_EQ(ioctl(fd, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    close(fd);
    const CliResult info = RunCli("info " + sim.portPath());
    EXPECT_EQ(info.status, 0) << info.out;
}

INSTANTIATE_TEST_SUITE_P(Signals, CliMonitorSignal, testing::Values(SIGINT, SIGTERM), [](const auto& info) {
    return std::string(info.param == SIGINT ? "SIGINT" : "SIGTERM");
});

TEST(CliMonitor, ABadCountIsRefusedBeforeConnecting) {
    SimProcess sim({.args = {"--baud", "0"}});
    for (const char* count : {"0", "-3", "many", ""}) {
        const CliResult r = RunCli("monitor " + sim.portPath() + " --count '" + count + "'");
        EXPECT_EQ(r.status, 2) << count;
        EXPECT_NE(r.out.find("--count needs a number"), std::string::npos) << r.out;
    }
    EXPECT_TRUE(sim.frames().empty());
}
