// quillon-cli monitor against the simulated Orvex: the live channel line, the
// report count, and the device told to stop reporting however it ends.

#include "SimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kWaitMs = 10000;

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun Cli(const std::string& args) {
    CliRun r;
    FILE* p = popen((std::string(QUILLON_CLI_PATH) + " " + args + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

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
    const CliRun r = Cli("monitor " + sim.portPath() + " --count 5");
    ASSERT_EQ(r.status, 0) << r.out;
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

TEST(CliMonitor, AnInterruptEndsItAndTheDeviceStopsReporting) {
    SimProcess sim({.args = {"--baud", "0"}});
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(QUILLON_CLI_PATH, QUILLON_CLI_PATH, "monitor", sim.portPath().c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // Read until two report lines have shown, then interrupt as Ctrl+C does.
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    fcntl(out[0], F_SETFL, O_NONBLOCK);
    while (ReportLines(text).size() < 2 && std::chrono::steady_clock::now() < deadline) {
        char buf[1024];
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n > 0) text.append(buf, static_cast<size_t>(n));
        else std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_GE(ReportLines(text).size(), 2u) << text;
    kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    close(out[0]);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(sim.waitForLog("status-stream off", kWaitMs)) << sim.logText();
    EXPECT_EQ(QueryRequests(sim).back(), 0);
}

TEST(CliMonitor, ABadCountIsRefusedBeforeConnecting) {
    SimProcess sim({.args = {"--baud", "0"}});
    for (const char* count : {"0", "-3", "many", ""}) {
        const CliRun r = Cli("monitor " + sim.portPath() + " --count '" + count + "'");
        EXPECT_EQ(r.status, 2) << count;
        EXPECT_NE(r.out.find("--count needs a number"), std::string::npos) << r.out;
    }
    EXPECT_TRUE(sim.frames().empty());
}
