// The port list: real serial devices from sysfs, simulated ports registered
// as links under the runtime directory, natural order, and port numbers.
#include "link/CSerialPort.h"
#include "link/PortList.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path MakeTempDir() {
    std::string templ = (fs::temp_directory_path() / "quillon-ports-XXXXXX").string();
    if (!mkdtemp(templ.data())) ADD_FAILURE() << "mkdtemp failed";
    return templ;
}

void Touch(const fs::path& p, const std::string& text = "") {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
}

std::vector<std::string> Paths(const std::vector<PortEntry>& entries) {
    std::vector<std::string> paths;
    for (const PortEntry& e : entries) paths.push_back(e.path);
    return paths;
}

// The pid of a child that was killed with SIGKILL and reaped.
pid_t KilledProcess() {
    const pid_t pid = fork();
    if (pid == 0) {
        pause();
        _exit(0);
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return pid;
}

// Points XDG_RUNTIME_DIR somewhere for one test and puts it back afterwards.
class RuntimeDirOverride {
public:
    explicit RuntimeDirOverride(const std::optional<std::string>& value) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved_ = old;
        if (value)
            setenv("XDG_RUNTIME_DIR", value->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }
    ~RuntimeDirOverride() {
        if (saved_)
            setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<std::string> saved_;
};

class SimulatedPorts : public ::testing::Test {
protected:
    void SetUp() override { runtime_ = MakeTempDir(); }
    void TearDown() override { fs::remove_all(runtime_); }
    fs::path PortsDir() const { return runtime_ / "orvex" / "ports"; }
    void Register(const std::string& name, const fs::path& target) {
        fs::create_directories(PortsDir());
        fs::create_symlink(target, PortsDir() / name);
    }
    // As orvex-sim registers: its pid in .<name>.pid beside the link.
    void Register(const std::string& name, const fs::path& target, pid_t owner) {
        Register(name, target);
        Register("." + name + ".pid", std::to_string(owner));
    }

    fs::path runtime_;
};

}  // namespace

TEST(PortOrder, NumbersInNamesCompareByValue) {
    const std::vector<std::string> expected = {"ttyACM0", "ttyACM1", "ttyS0",    "ttyS2",
                                               "ttyS10",  "ttyUSB2", "ttyUSB10", "ttyUSB100"};
    std::vector<std::string> names = expected;
    std::mt19937 rng(3);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(names.begin(), names.end(), rng);
        std::sort(names.begin(), names.end(), NaturalLess);
        EXPECT_EQ(names, expected);
    }
    EXPECT_TRUE(NaturalLess("ttyS", "ttyS0"));
    EXPECT_FALSE(NaturalLess("ttyS0", "ttyS"));
    EXPECT_FALSE(NaturalLess("ttyS7", "ttyS7"));
    EXPECT_TRUE(NaturalLess("sim2", "sim10b"));
}

TEST(RealPorts, OnlyDevicesWithHardwareAreListedInNaturalOrder) {
    const fs::path root = MakeTempDir();
    const fs::path sys = root / "sys", dev = root / "dev", hw = root / "hw";
    fs::create_directories(hw);
    struct Entry {
        const char* name;
        bool device;       // has a device behind it
        const char* type;  // UART type in sysfs, nullptr when the driver has none
        bool node;         // /dev node present
    };
    const Entry entries[] = {
        {"ttyS10", true, "4", true},       {"ttyS1", true, "0", true},       {"ttyS2", true, "4", true},
        {"tty1", false, nullptr, true},    {"ttyUSB0", true, nullptr, true}, {"ttyACM0", true, nullptr, true},
        {"ttyUSB3", true, nullptr, false}, {"ttyS7", true, nullptr, true},   {"ttyS0", true, "4", true},
        {"console", false, nullptr, true},
    };
    for (const Entry& e : entries) {
        fs::create_directories(sys / e.name);
        if (e.device) fs::create_directory_symlink(hw, sys / e.name / "device");
        if (e.type) Touch(sys / e.name / "type", std::string(e.type) + "\n");
        if (e.node) Touch(dev / e.name);
    }
    const std::vector<PortEntry> ports = ListRealPorts(sys.string(), dev.string());
    // ttyS7 has no type in sysfs and is no terminal to ask, so it is kept rather than hidden.
    std::vector<std::string> expected;
    for (const char* name : {"ttyACM0", "ttyS0", "ttyS2", "ttyS7", "ttyS10", "ttyUSB0"})
        expected.push_back((dev / name).string());
    EXPECT_EQ(Paths(ports), expected);
    for (const PortEntry& p : ports) {
        EXPECT_EQ(p.label, p.path);
        EXPECT_FALSE(p.simulated);
    }
    fs::remove_all(root);
}

TEST(RealPorts, UsbAdaptersAreNamedFromTheirUsbDevice) {
    const fs::path root = MakeTempDir();
    const fs::path sys = root / "sys", dev = root / "dev";
    struct Adapter {
        const char* name;
        int depth;  // levels from the tty's device up to the USB device; 0: no USB device
        const char* type;
        std::vector<std::pair<const char*, const char*>> attributes;  // of the USB device
        const char* byId;                                             // /dev/serial/by-id link, or nullptr
        const char* label;  // expected, "" when the port is not listed; "@" stands for the path
    };
    const Adapter adapters[] = {
        {"ttyUSB0",
         2,
         nullptr,
         {{"idVendor", "0403"},
          {"idProduct", "6001"},
          {"manufacturer", "FTDI"},
          {"product", "FT232R USB UART"},
          {"serial", "A50285BI"}},
         "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
         "FT232R USB UART \u2014 FTDI (A50285BI) \u00B7 @"},
        {"ttyUSB1",
         2,
         nullptr,
         {{"idVendor", "10c4"},
          {"idProduct", "ea60"},
          {"manufacturer", "Silicon Labs"},
          {"product", "CP2102 USB to UART Bridge Controller"},
          {"serial", "0001"}},
         "usb-Silicon_Labs_CP2102_USB_to_UART_Bridge_Controller_0001-if00-port0",
         "CP2102 USB to UART Bridge Controller \u2014 Silicon Labs (0001) \u00B7 @"},
        // CH340: no maker and no serial number; the USB ids stand in for the maker.
        {"ttyUSB2",
         2,
         nullptr,
         {{"idVendor", "1a86"}, {"idProduct", "7523"}, {"product", "USB2.0-Serial"}},
         "usb-1a86_USB2.0-Serial-if00-port0",
         "USB2.0-Serial \u2014 1a86:7523 \u00B7 @"},
        {"ttyACM0",
         1,
         nullptr,
         {{"idVendor", "0483"},
          {"idProduct", "5740"},
          {"manufacturer", "STMicroelectronics"},
          {"product", "STM32 Virtual ComPort"}},
         nullptr,
         "STM32 Virtual ComPort \u2014 STMicroelectronics \u00B7 @"},
        {"ttyS0", 0, "0", {}, nullptr, ""},   // the driver found no UART
        {"ttyS1", 0, "4", {}, nullptr, "@"},  // a real UART, nothing to name it by
    };
    for (const Adapter& a : adapters) {
        fs::path device = root / "devices" / a.name;
        if (a.depth > 0) {
            const fs::path usb = root / "devices" / "usb1" / (std::string("1-") + a.name);
            for (const auto& [key, value] : a.attributes) Touch(usb / key, std::string(value) + "\n");
            device = a.depth == 1 ? usb / "1-1:1.0" : usb / "1-1:1.0" / a.name;
        }
        fs::create_directories(device);
        fs::create_directories(sys / a.name);
        fs::create_directory_symlink(device, sys / a.name / "device");
        if (a.type) Touch(sys / a.name / "type", std::string(a.type) + "\n");
        Touch(dev / a.name);
        if (a.byId) {
            fs::create_directories(dev / "serial" / "by-id");
            fs::create_symlink(fs::path("../..") / a.name, dev / "serial" / "by-id" / a.byId);
        }
    }
    const std::vector<PortEntry> ports = ListRealPorts(sys.string(), dev.string());
    for (const Adapter& a : adapters) {
        const std::string path = (dev / a.name).string();
        const auto entry = std::find_if(ports.begin(), ports.end(), [&](const PortEntry& p) { return p.path == path; });
        std::string label = a.label;
        if (const size_t at = label.find('@'); at != std::string::npos) label.replace(at, 1, path);
        if (label.empty()) {
            EXPECT_EQ(entry, ports.end()) << a.name;
            continue;
        }
        ASSERT_NE(entry, ports.end()) << a.name;
        EXPECT_EQ(entry->label, label);
        EXPECT_EQ(entry->stableName, a.byId ? (dev / "serial" / "by-id" / a.byId).string() : path) << a.name;
    }
    fs::remove_all(root);
}

TEST(RealPorts, SystemListHoldsExistingDevicesInNaturalOrder) {
    const std::vector<PortEntry> ports = ListRealPorts();
    for (const PortEntry& p : ports) {
        EXPECT_EQ(p.path.rfind("/dev/tty", 0), 0u) << p.path;
        EXPECT_TRUE(fs::exists(p.path)) << p.path;
        EXPECT_TRUE(fs::exists("/sys/class/tty/" + fs::path(p.path).filename().string() + "/device")) << p.path;
        EXPECT_FALSE(p.simulated);
    }
    for (size_t i = 1; i < ports.size(); ++i) EXPECT_TRUE(NaturalLess(ports[i - 1].path, ports[i].path));
}

TEST_F(SimulatedPorts, RegisteredLinksFollowTheRealPortsSortedByName) {
    const RuntimeDirOverride env(runtime_.string());
    const fs::path target = runtime_ / "pty-standing-in";
    Touch(target);
    Register("orvex10", target);
    Register("orvex2", target, getpid());
    Register("left-behind", runtime_ / "no-such-pty");
    Register("killed", target, KilledProcess());  // its pty number taken by another since
    Register(".orvex3.new.42", target);           // a registration still being made
    Touch(PortsDir() / "not-a-link");
    EXPECT_EQ(SimPortsDir(), (runtime_ / "orvex" / "ports").string());

    const std::vector<PortEntry> sims = ListSimulatedPorts();
    const std::vector<std::string> expected = {(PortsDir() / "orvex2").string(), (PortsDir() / "orvex10").string()};
    EXPECT_EQ(Paths(sims), expected);
    EXPECT_FALSE(fs::exists(fs::symlink_status(PortsDir() / "killed")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(PortsDir() / ".killed.pid")));
    for (const PortEntry& p : sims) {
        EXPECT_TRUE(p.simulated);
        EXPECT_EQ(p.label, fs::path(p.path).filename().string() + " (simulated Orvex)");
        EXPECT_EQ(p.stableName, p.path);
    }
    const std::vector<PortEntry> all = ListPorts();
    ASSERT_EQ(all.size(), ListRealPorts().size() + 2);
    EXPECT_EQ(Paths({all.end() - 2, all.end()}), expected);
    EXPECT_TRUE(std::none_of(all.begin(), all.end() - 2, [](const PortEntry& p) { return p.simulated; }));
}

TEST_F(SimulatedPorts, NoRegistrationsMeansNoSimulatedPorts) {
    const RuntimeDirOverride env(runtime_.string());
    EXPECT_TRUE(ListSimulatedPorts().empty());
    fs::create_directories(PortsDir());
    EXPECT_TRUE(ListSimulatedPorts().empty());
}

TEST_F(SimulatedPorts, RegisteredPortOpensThroughItsLink) {
    const RuntimeDirOverride env(runtime_.string());
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    Register("orvex", ptsname(master));
    const std::vector<PortEntry> sims = ListSimulatedPorts();
    ASSERT_EQ(sims.size(), 1u);
    CSerialPort port(PortMonitorThread | PortOverlapped | PortRxQueue);
    QueueNotifyWindow window;
    port.SetNotifyWindow(window.handle());
    ASSERT_TRUE(OpenLinkPort(port, ThePortNumbers().NumberFor(sims[0].path), sims[0].path));
    ASSERT_EQ(write(master, "\x7F\x2F", 2), 2);
    std::optional<PortNotification> n;
    while ((n = window.Wait(10000)) && n->message != WM_PORT_RECEIVE) {}
    ASSERT_TRUE(n);
    EXPECT_EQ(n->wParam, ThePortNumbers().NumberFor(sims[0].path));
    port.Close(500);
    close(master);
}

TEST(RuntimeLocation, FallsBackToTmpRuntimeOfTheUser) {
    const passwd* pw = getpwuid(getuid());
    const std::string user = pw ? pw->pw_name : std::to_string(getuid());
    {
        const RuntimeDirOverride env(std::nullopt);
        EXPECT_EQ(RuntimeDir(), "/tmp/runtime-" + user);
        EXPECT_EQ(SimPortsDir(), "/tmp/runtime-" + user + "/orvex/ports");
    }
    {
        const RuntimeDirOverride env{std::string()};
        EXPECT_EQ(RuntimeDir(), "/tmp/runtime-" + user);
    }
    {
        const RuntimeDirOverride env(std::string("/run/user/4242"));
        EXPECT_EQ(RuntimeDir(), "/run/user/4242");
    }
}

TEST(PortNumbering, EachPathKeepsItsNumberForTheRun) {
    PortNumbers numbers;
    const int a = numbers.NumberFor("/dev/ttyUSB0");
    const int b = numbers.NumberFor("/tmp/runtime-x/orvex/ports/sim");
    EXPECT_NE(a, b);
    for (int n : {a, b}) {
        EXPECT_GE(n, PortNumbers::kFirst);
        EXPECT_LE(n, PortNumbers::kLast);
    }
    EXPECT_EQ(numbers.NumberFor("/dev/ttyUSB0"), a);
    EXPECT_EQ(numbers.NumberFor("/tmp/runtime-x/orvex/ports/sim"), b);
    EXPECT_EQ(&ThePortNumbers(), &ThePortNumbers());
}

TEST(PortNumbering, NumbersRunOutAfter1024PathsAndResetStartsAgain) {
    PortNumbers numbers;
    std::set<int> seen;
    for (int i = 0; i < 1024; ++i) {
        const int n = numbers.NumberFor("/dev/port" + std::to_string(i));
        EXPECT_TRUE(n >= 1 && n <= 1024) << n;
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 1024u);
    EXPECT_EQ(numbers.NumberFor("/dev/one-too-many"), 0);
    EXPECT_EQ(numbers.NumberFor("/dev/port5"), numbers.NumberFor("/dev/port5"));
    numbers.Reset();
    EXPECT_NE(numbers.NumberFor("/dev/one-too-many"), 0);
}
