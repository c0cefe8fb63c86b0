// quillon-cli flash as a user runs it: against orvex-sim acting as the boot
// loader (with its faults), and against lrzsz's rx, an XMODEM receiver that
// shares nothing with this project, behind a pty made by socat.

#include "CliRunner.h"
#include "FileBytes.h"
#include "SimProcess.h"
#include "TempDir.h"
#include "firmware/FirmwareImage.h"
#include "firmware/XmodemSender.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr size_t kBlock = 128;
constexpr int kWaitMs = 20000;  // generous: the machine may be loaded

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string WriteFirmware(const TempDir& dir, const std::vector<uint8_t>& bytes, const std::string& name = "fw.bin") {
    const std::string path = dir.file(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = dirs.find(':', start);
        const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

// socat making a pty at <dir>/ttyRX with `rx -c out.bin` on its other side,
// run in dir (rx wants a relative output path).
class RxBehindPty {
public:
    explicit RxBehindPty(const TempDir& dir) : dir_(dir) {
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(dir.path().c_str()) != 0) _exit(127);
            const int log = open("socat.log", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (log >= 0) {
                dup2(log, STDOUT_FILENO);
                dup2(log, STDERR_FILENO);
            }
            const std::string pty = "pty,raw,echo=0,link=" + ptyPath();
            execlp("socat", "socat", pty.c_str(), "EXEC:rx -c out.bin", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RxBehindPty() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    std::string ptyPath() const { return dir_.file("ttyRX"); }
    std::string outPath() const { return dir_.file("out.bin"); }
    std::string log() const {
        std::ifstream in(dir_.file("socat.log"));
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // rx announces itself just before its first "C" (which opening the port
    // discards); the wake-up byte then reaches it as a stray byte, answered
    // with a fresh "C". A wake-up byte written before rx runs waits behind its
    // first "C", so the first block lands while rx is discarding the stray byte.
    bool WaitForReceiver() {
        return WaitUntil([&] { return Contains(log(), "ready to receive"); });
    }
    // rx ends once it has acknowledged the end of the transfer, and socat with it.
    bool WaitForExit() {
        return WaitUntil([&] {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) exited_ = true;
            return exited_;
        });
    }

private:
    template <typename Cond>
    static bool WaitUntil(Cond cond) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
        while (!cond()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    const TempDir& dir_;
    pid_t pid_ = -1;
    bool exited_ = false;
};

}  // namespace

// ---- against the simulated boot loader -------------------------------------

TEST(FlashCli, SendsTheImageToTheLoaderWithProgress) {
    TempDir dir("quillon-flash");
    const std::vector<uint8_t> firmware = FirmwarePattern(1000, 1);
    const std::string file = WriteFirmware(dir, firmware);
    SimProcess sim({.args = {"--bootloader", "--baud", "0", "--firmware-out", dir.file("loader.bin")}});

    const CliResult r = RunCli("--trace " + dir.file("flash.log") + " flash " + sim.portPath() + " " + Quoted(file));
    EXPECT_EQ(r.status, 0) << r.out;
    // The support log holds the transfer too, not only the open and close.
    const std::vector<uint8_t> log = ReadFileBytes(dir.file("flash.log"));
    const std::string trace(log.begin(), log.end());
    for (const char* entry : {"loader wake-up", "loader ready (C)", "XMODEM block 8", "loader ACK", "(EOT)"})
        EXPECT_TRUE(Contains(trace, entry)) << entry << "\n" << trace;
    EXPECT_TRUE(Contains(r.out, "Firmware Update: transfered packets:1/total packets:8")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Firmware Update: transfered packets:8/total packets:8  100%")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Firmware update complete!")) << r.out;
    ASSERT_TRUE(sim.waitForLog("BOOT complete blocks=8", kWaitMs)) << sim.logText();
    EXPECT_EQ(ReadFileBytes(dir.file("loader.bin")), PaddedToBlocks(firmware));
}

struct CliFault {
    const char* name;
    std::vector<std::string> args;
    XmodemOutcome outcome;
    const char* message;

    friend void PrintTo(const CliFault& fault, std::ostream* os) { *os << fault.name; }
};

class FlashCliFaults : public ::testing::TestWithParam<CliFault> {};

TEST_P(FlashCliFaults, EndWithTheMessageAndAFailureStatus) {
    const CliFault& fault = GetParam();
    TempDir dir("quillon-flash");
    const std::string file = WriteFirmware(dir, FirmwarePattern(6 * kBlock, 2));
    std::vector<std::string> args = {"--bootloader", "--baud", "0"};
    args.insert(args.end(), fault.args.begin(), fault.args.end());
    SimProcess sim({.args = args});

    const CliResult r = RunCli("flash " + sim.portPath() + " " + Quoted(file));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(std::string(fault.message), XmodemOutcomeMessage(fault.outcome));
    EXPECT_TRUE(Contains(r.out, fault.message)) << r.out;
    EXPECT_FALSE(Contains(r.out, "Firmware update complete!")) << r.out;
}

// A silent loader is left to the GUI and state-machine tests: here it would
// cost the full ten-second answer limit.
INSTANTIATE_TEST_SUITE_P(
    Loader,
    FlashCliFaults,
    ::testing::Values(
        CliFault{"Nak", {"--nak-block", "2"}, XmodemOutcome::ReceiveError, "Receive error! Please try again!"},
        CliFault{"Cancel", {"--cancel-block", "4"}, XmodemOutcome::Cancelled, "Update cancel!"},
        CliFault{"BadHandshake",
                 {"--bad-handshake"},
                 XmodemOutcome::HandshakeFailed,
                 "Hand shake failed! Please try again!"},
        CliFault{"HangUp",
                 {"--hangup-block", "3"},
                 XmodemOutcome::LinkLost,
                 "Update failed: the Orvex adapter was unplugged!"}),
    [](const ::testing::TestParamInfo<CliFault>& info) { return std::string(info.param.name); });

TEST(FlashCli, UnreadableOrOversizedFileSendsNothing) {
    TempDir dir("quillon-flash");
    SimProcess sim({.args = {"--bootloader", "--baud", "0"}});

    CliResult r = RunCli("flash " + sim.portPath() + " " + Quoted(dir.file("missing.bin")));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Contains(r.out, "No such file or directory")) << r.out;

    // A failed download: nothing to flash, and the loader is never woken.
    r = RunCli("flash " + sim.portPath() + " " + Quoted(WriteFirmware(dir, {}, "empty.bin")));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Contains(r.out, "is empty")) << r.out;

    const std::string huge = WriteFirmware(dir, std::vector<uint8_t>(kMaxFirmwareBytes + 1, 0x5A), "huge.bin");
    r = RunCli("flash " + sim.portPath() + " " + Quoted(huge));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Contains(r.out, XmodemOutcomeMessage(XmodemOutcome::TooLarge))) << r.out;

    EXPECT_FALSE(Contains(sim.logText(), "BOOT")) << sim.logText();
}

TEST(FlashCli, MissingPortFailsClearly) {
    TempDir dir("quillon-flash");
    const std::string file = WriteFirmware(dir, FirmwarePattern(10, 3));
    const CliResult r = RunCli("flash /dev/quillon-no-such-port " + Quoted(file));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Contains(r.out, "no such device")) << r.out;
}

TEST(FlashCli, NeedsPortAndFile) {
    EXPECT_EQ(RunCli("flash").status, 2);
    EXPECT_EQ(RunCli("flash /dev/null").status, 2);
}

// ---- against lrzsz's rx ---------------------------------------------------------

class FlashToRx : public ::testing::TestWithParam<size_t> {
protected:
    void SetUp() override {
        if (!OnPath("socat") || !OnPath("rx"))
            GTEST_SKIP() << "socat or rx (lrzsz) missing; scripts/setup.sh installs them";
    }
};

TEST_P(FlashToRx, ReceivesTheFileUpToItsPadding) {
    const size_t size = GetParam();
    TempDir dir("quillon-rx");
    const std::vector<uint8_t> firmware = FirmwarePattern(size, static_cast<unsigned>(size));
    const std::string file = WriteFirmware(dir, firmware);
    RxBehindPty rx(dir);
    ASSERT_TRUE(rx.WaitForReceiver()) << rx.log();

    const CliResult r = RunCli("flash " + Quoted(rx.ptyPath()) + " " + Quoted(file));
    EXPECT_EQ(r.status, 0) << r.out << rx.log();
    EXPECT_TRUE(Contains(r.out, "Firmware update complete!")) << r.out;
    ASSERT_TRUE(rx.WaitForExit()) << rx.log();

    // rx keeps the 0xFF fill (it strips trailing 0x1A only), so the file
    // arrives as whole blocks: the firmware, then 0xFF up to the block end.
    const std::vector<uint8_t> got = ReadFileBytes(rx.outPath());
    ASSERT_EQ(got.size(), PaddedToBlocks(firmware).size()) << rx.log();
    EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), got.begin()));
    for (size_t i = firmware.size(); i < got.size(); ++i) EXPECT_EQ(got[i], 0xFF) << "byte " << i;
}

// Part of a block; whole blocks; more than 255 blocks, so the numbers wrap.
INSTANTIATE_TEST_SUITE_P(Sizes,
                         FlashToRx,
                         ::testing::Values(size_t{1000}, size_t{10 * kBlock}, size_t{300 * kBlock}),
                         ::testing::PrintToStringParamName());
