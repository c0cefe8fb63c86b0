// quillon-cli as a user runs it, against the simulated Orvex.
#include "CliRunner.h"
#include "SimProcess.h"
#include "TempDir.h"
#include "cli/Json.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
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
    EXPECT_NE(r.out.find("listed-orvex (simulated Orvex)\n"), std::string::npos) << r.out;
    const Json json = Json::parse(RunCli("ports --json", sim.runtimeDir()).out);
    EXPECT_TRUE(std::any_of(json.at("ports").begin(), json.at("ports").end(), [&](const Json& port) {
        return port.at("path") == sim.linkPath() && port.at("label") == "listed-orvex (simulated Orvex)";
    })) << json.dump(2);
}

// A second quillon-cli holds the port: the one refused names it, and doctor
// reports it as blocking, but takes its exit status from the port named, and
// without one from any port that opens.
TEST(Cli, BusyPortNamesItsHolder) {
    SimProcess sim({.args = {"--baud", "0", "--name", "held-orvex"}});
    SimProcess other({.args = {"--baud", "0"}});
    CliResult info, doctor, doctorOther;
    RunCliUntilInterrupted(
        {"monitor", sim.portPath()},
        [&](const std::string& out) {
            if (out.find("Aileron") == std::string::npos) return false;
            info = RunCli("info held-orvex", sim.runtimeDir());
            doctor = RunCli("doctor held-orvex", sim.runtimeDir());
            doctorOther = RunCli("doctor " + other.portPath(), sim.runtimeDir());
            return true;
        },
        10000);
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.out.find(sim.linkPath() + " is in use by quillon-cli (pid "), std::string::npos) << info.out;
    EXPECT_EQ(doctor.status, 1) << doctor.out;
    EXPECT_NE(doctor.out.find("port held-orvex (simulated Orvex) is in use by quillon-cli (pid "), std::string::npos)
        << doctor.out;
    EXPECT_EQ(doctorOther.status, 0) << doctorOther.out;
    EXPECT_NE(doctorOther.out.find("held-orvex (simulated Orvex) is in use"), std::string::npos) << doctorOther.out;
    EXPECT_NE(doctorOther.out.find("doctor: the port named, " + other.portPath() + ", can be opened\n"),
              std::string::npos)
        << doctorOther.out;

    const CliResult free = RunCli("doctor", sim.runtimeDir());
    EXPECT_EQ(free.status, 0) << free.out;
    EXPECT_NE(free.out.find("port held-orvex (simulated Orvex) can be opened"), std::string::npos) << free.out;
}

// A node only root may open: no group to join (least of all root), only the
// owner to ask. Made by root and looked at as nobody.
TEST(Cli, DoctorGivesNoGroupAdviceForARootOnlyNode) {
    const std::string asNobody = "runuser -u nobody -- ";
    if (geteuid() != 0 || std::system((asNobody + "test -x " QUILLON_CLI_PATH).c_str()) != 0)
        GTEST_SKIP() << "only root can make a node only root may open, and nobody must reach quillon-cli";
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_EQ(chown(sim.portPath().c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(sim.portPath().c_str(), 0600), 0);
    const CliResult r = RunCli("doctor " + sim.portPath(), {}, asNobody);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("nobody may not open it (crw------- root root)\n      fix: only root can open it"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("usermod -aG root"), std::string::npos) << r.out;
}

TEST(Cli, MissingPortFailsClearly) {
    const CliResult r = RunCli("info /dev/quillon-no-such-port");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("no such device"), std::string::npos) << r.out;
}

TEST(Cli, SilentDeviceTimesOutAndALoaderIsNamed) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--baud", "0", "--no-status"}, "did not answer"},
        {{"--baud", "0", "--bootloader", "--unprompted-c"}, "is in its boot loader"},
    };
    for (const auto& [args, said] : cases) {
        SimProcess sim({.args = args});
        const CliResult r = RunCli("info " + sim.portPath());
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.out.find(said), std::string::npos) << r.out;
    }
}

// Each bad line is named on one line and ends with status 2; help goes to
// standard output with status 0 and opens nothing.
TEST(Cli, UsageOnBadArguments) {
    struct Row {
        std::string args;
        int status;
        const char* said;
    };
    const Row rows[] = {
        {"", 2, "quillon-cli: no command given\nTry 'quillon-cli --help'"},
        {"info", 2, "quillon-cli info: PORT is required"},
        {"frobnicate x", 2, "unknown command 'frobnicate'"},
        {"--bogus", 2, "quillon-cli: unknown option '--bogus'"},
        {"monitor x --json", 2, "unknown option '--json'"},
        {"info a b", 2, "unexpected argument 'b'"},
        // A value out of range is refused before the port is opened (it would say "no such device").
        {"set /dev/quillon-no-such-port 'pitch GAIN=200'", 2, "PitchGain = 200 (range 10 to 125)"},
        {"info --help", 0, "Usage: quillon-cli info [OPTIONS] PORT"},
        {"help diff", 0, "Usage: quillon-cli diff [OPTIONS] PORT FILE"},
        {"-h", 0, "quillon-cli doctor [PORT]"},
        // --, --opt=value and a global option after the command.
        {"info --trace=/dev/null -- --help", 1, "/dev/--help: no such device"},
        // Standard output on a full disk; the message still reaches the test.
        {"help 2>&1 >/dev/full; exit $?", 1, "the output could not be written: No space left on device"},
    };
    struct stat st {};
    const bool devFull = stat("/dev/full", &st) == 0 && S_ISCHR(st.st_mode);
    for (const Row& row : rows) {
        if (!devFull && row.args.find("/dev/full") != std::string::npos) continue;
        const CliResult r = RunCli(row.args);
        EXPECT_EQ(r.status, row.status) << row.args << "\n" << r.out;
        EXPECT_NE(r.out.find(row.said), std::string::npos) << row.args << "\n" << r.out;
    }
    EXPECT_EQ(Json::parse(RunCli("history --json").out).at("format"), 1);
}

TEST(Cli, EverySessionDeliversItsLastFrameAndLogsTheLink) {
    SimProcess sim({.args = {"--baud", "9600"}});
    const TempDir dir("cli-trace");
    const std::string trace = dir.file("link.log");
    // Twice: the first session must leave the port free for the next.
    for (int session = 1; session <= 2; ++session) {
        const CliResult r = RunCli("--trace " + trace + " info " + sim.portPath());
        ASSERT_EQ(r.status, 0) << r.out;
    }
    // The Acknowledge that ends each session reached the device.
    ASSERT_TRUE(sim.waitForFrames(8, 5000)) << sim.logText();
    const std::vector<SimFrame> frames = sim.frames();
    EXPECT_EQ(frames[3].seq, 4);
    EXPECT_EQ(frames[3].req, 0);
    EXPECT_EQ(frames[7].req, 0);
    std::ifstream in(trace);
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* line : {" open ", "> ", "seq   1 query, wants parameters | 7f 2f", "< ", "parameter reply",
                             "seq   4 query, wants acknowledgement", " close "})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}

TEST(Cli, ATraceThatCannotBeWrittenIsToldAndFailsTheCommand) {
    SimProcess sim({.args = {"--baud", "0"}});
    const TempDir dir("cli-trace-fail");
    const std::string fifo = dir.file("nobody-reads");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, const char*> cases[] = {
        {"/dev/full", "the trace could not be written: No space left on device"},
        {fifo, "no program is reading that FIFO"},
    };
    for (const auto& [trace, said] : cases) {
        struct stat st {};
        // Some containers give /dev/full as a plain file.
        if (trace == "/dev/full" && (stat(trace.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))) continue;
        const CliResult r = RunCli("--trace " + trace + " info " + sim.portPath());
        EXPECT_NE(r.status, 0) << trace;
        EXPECT_NE(r.out.find(said), std::string::npos) << r.out;
    }
}
