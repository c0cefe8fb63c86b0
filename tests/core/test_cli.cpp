// quillon-cli as a user runs it, against the simulated Orvex.
#include "CliRunner.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <string>

TEST(Cli, InfoByRegisteredNamePrintsVersionAndImage) {
    SimProcess sim({.args = {"--baud", "0", "--name", "bench-orvex"}});
    const CliResult r = RunCli("info bench-orvex", sim.runtimeDir());
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("V1.05"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("SwashPlateType   = 2"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("RPMTotalGain     = 30"), std::string::npos) << r.out;
}

TEST(Cli, PortsListsTheSimulatedPort) {
    SimProcess sim({.args = {"--baud", "0", "--name", "listed-orvex"}});
    const CliResult r = RunCli("ports", sim.runtimeDir());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("listed-orvex"), std::string::npos) << r.out;
}

TEST(Cli, MissingPortFailsClearly) {
    const CliResult r = RunCli("info /dev/quillon-no-such-port");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("no such device"), std::string::npos) << r.out;
}

TEST(Cli, SilentDeviceTimesOut) {
    SimProcess sim({.args = {"--baud", "0", "--no-status"}});
    const CliResult r = RunCli("info " + sim.portPath());
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("did not answer"), std::string::npos) << r.out;
}

TEST(Cli, UsageOnBadArguments) {
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("info").status, 2);
    EXPECT_EQ(RunCli("frobnicate x").status, 2);
}
