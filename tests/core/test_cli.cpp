// quillon-cli as a user runs it, against the simulated Orvex.
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {
struct CliRun {
    int status = -1;
    std::string out;
};

CliRun Cli(const std::string& args, const std::string& runtimeDir = {}) {
    std::string cmd;
    if (!runtimeDir.empty()) cmd = "XDG_RUNTIME_DIR='" + runtimeDir + "' ";
    cmd += std::string(QUILLON_CLI_PATH) + " " + args + " 2>&1";
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}
}  // namespace

TEST(Cli, InfoByRegisteredNamePrintsVersionAndImage) {
    SimProcess sim({.args = {"--baud", "0", "--name", "bench-orvex"}});
    const CliRun r = Cli("info bench-orvex", sim.runtimeDir());
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("V1.05"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("SwashPlateType   = 2"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("RPMTotalGain     = 30"), std::string::npos) << r.out;
}

TEST(Cli, PortsListsTheSimulatedPort) {
    SimProcess sim({.args = {"--baud", "0", "--name", "listed-orvex"}});
    const CliRun r = Cli("ports", sim.runtimeDir());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("listed-orvex"), std::string::npos) << r.out;
}

TEST(Cli, MissingPortFailsClearly) {
    const CliRun r = Cli("info /dev/quillon-no-such-port");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("no such device"), std::string::npos) << r.out;
}

TEST(Cli, SilentDeviceTimesOut) {
    SimProcess sim({.args = {"--baud", "0", "--no-status"}});
    const CliRun r = Cli("info " + sim.portPath());
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("did not answer"), std::string::npos) << r.out;
}

TEST(Cli, UsageOnBadArguments) {
    EXPECT_EQ(Cli("").status, 2);
    EXPECT_EQ(Cli("info").status, 2);
    EXPECT_EQ(Cli("frobnicate x").status, 2);
}
