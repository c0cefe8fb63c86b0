#include "link/PortList.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>

namespace {

constexpr int kPortUnknown = 0;  // PORT_UNKNOWN: the driver found no UART at this address

std::vector<std::string> DirectoryNames(const std::string& dir) {
    std::vector<std::string> names;
    DIR* d = opendir(dir.c_str());
    if (!d) return names;
    while (const dirent* e = readdir(d)) {
        // Hidden names are skipped too: a simulator builds its link under one first.
        if (e->d_name[0] != '.') names.emplace_back(e->d_name);
    }
    closedir(d);
    return names;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

bool IsSymlink(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// The UART type from sysfs, or from TIOCGSERIAL when sysfs does not say.
// -1 when neither can tell.
int UartType(const std::string& sysEntry, const std::string& devPath, bool mayOpen) {
    std::ifstream typeFile(sysEntry + "/type");
    int type = -1;
    if (typeFile >> type) return type;
    if (!mayOpen) return -1;
    const int fd = open(devPath.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    serial_struct info{};
    if (ioctl(fd, TIOCGSERIAL, &info) == 0) type = info.type;
    close(fd);
    return type;
}

bool IsRealSerialPort(const std::string& sysClassTty, const std::string& devDir, const std::string& name) {
    const std::string entry = sysClassTty + "/" + name;
    const std::string dev = devDir + "/" + name;
    // Consoles and pseudo-terminals have no device behind them.
    if (!Exists(entry + "/device") || !Exists(dev)) return false;
    // Every 8250 driver announces a fixed set of ttyS ports, most of them
    // without hardware; only those ask to be opened.
    const bool legacyUart = name.rfind("ttyS", 0) == 0;
    return UartType(entry, dev, legacyUart) != kPortUnknown;
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

std::string ReadAttribute(const std::string& dir, const char* name) {
    std::ifstream file(dir + "/" + name);
    std::string value;
    std::getline(file, value);
    while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back()))) value.pop_back();
    return value;
}

// The USB device is the tty's interface's parent: one level up for ACM ports,
// two for usb-serial ports (the port sits below the interface).
void ReadUsbDescription(const std::string& sysEntry, PortEntry& entry) {
    std::string dir = RealPath(sysEntry + "/device");
    for (int level = 0; level < 4 && dir.size() > 1; ++level) {
        if (Exists(dir + "/idVendor")) {
            entry.product = ReadAttribute(dir, "product");
            entry.maker = ReadAttribute(dir, "manufacturer");
            entry.serial = ReadAttribute(dir, "serial");
            entry.usbId = ReadAttribute(dir, "idVendor") + ":" + ReadAttribute(dir, "idProduct");
            return;
        }
        dir.erase(dir.find_last_of('/'));
    }
}

// Device node (resolved) -> its /dev/serial/by-id link.
std::map<std::string, std::string> StableNames(const std::string& devDir) {
    std::map<std::string, std::string> names;
    const std::string byId = devDir + "/serial/by-id";
    for (const std::string& name : DirectoryNames(byId)) {
        const std::string link = byId + "/" + name;
        if (std::string target = RealPath(link); !target.empty()) names.emplace(target, link);
    }
    return names;
}

std::string ReadLink(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

// Whether pid runs (and is not a dead, unreaped process): /proc/<pid>/stat
// reads "<pid> (<name>) <state> ...".
bool Runs(const std::string& pid) {
    std::ifstream file("/proc/" + pid + "/stat");
    std::string stat;
    std::getline(file, stat);
    const size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

// Whether pid holds the master of /dev/pts/<n>, as far as the kernel tells
// (the master's fdinfo has "tty-index: <n>"); true when it does not tell.
bool HoldsPty(const std::string& pid, const std::string& ptsPath) {
    const std::string prefix = "/dev/pts/";
    if (ptsPath.rfind(prefix, 0) != 0) return true;
    const std::string index = ptsPath.substr(prefix.size());
    const std::string dir = "/proc/" + pid + "/fdinfo";
    bool told = false;
    for (const std::string& fd : DirectoryNames(dir)) {
        std::ifstream info(dir + "/" + fd);
        for (std::string line; std::getline(info, line);) {
            if (line.rfind("tty-index:", 0) != 0) continue;
            std::string value = line.substr(10);
            value.erase(0, value.find_first_not_of(" \t"));
            if (value == index) return true;
            told = true;
        }
    }
    return !told;
}

// orvex-sim leaves .<name>.pid -> its pid beside its link <name>. A link whose
// simulator was killed is removed (unless another simulator took the name
// over meanwhile): its pty number may belong to another terminal by now.
bool LeftByAKilledSimulator(const std::string& dir, const std::string& name) {
    const std::string link = dir + "/" + name;
    const std::string pidLink = dir + "/." + name + ".pid";
    const std::string target = ReadLink(link);
    const std::string pid = ReadLink(pidLink);
    if (pid.empty()) return false;  // registered before simulators told their pid
    if (pid.find_first_not_of("0123456789") == std::string::npos && Runs(pid) && HoldsPty(pid, target)) return false;
    if (ReadLink(pidLink) == pid && ReadLink(link) == target) {
        ::unlink(link.c_str());
        ::unlink(pidLink.c_str());
    }
    return true;
}

std::string UserName() {
    const uid_t uid = getuid();
    passwd pw{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &pw, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name && *found->pw_name)
        return found->pw_name;
    return std::to_string(uid);
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = std::isdigit(static_cast<unsigned char>(a[i]));
        const bool db = std::isdigit(static_cast<unsigned char>(b[j]));
        if (da && db) {
            size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            // Compare the digit runs by value: leading zeros aside, the longer run is larger.
            size_t si = i, sj = j;
            while (si + 1 < ei && a[si] == '0') ++si;
            while (sj + 1 < ej && b[sj] == '0') ++sj;
            if (ei - si != ej - sj) return ei - si < ej - sj;
            const int cmp = a.compare(si, ei - si, b, sj, ej - sj);
            if (cmp != 0) return cmp < 0;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
    return a < b;  // equal by value ("ttyS01" and "ttyS1"): any fixed order
}

std::string RuntimeDir() {
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir) return dir;
    return "/tmp/runtime-" + UserName();
}

std::string SimPortsDir() { return RuntimeDir() + "/orvex/ports"; }

std::string PortLabel(const PortEntry& entry) {
    if (entry.simulated) return entry.path.substr(entry.path.find_last_of('/') + 1) + " (simulated Orvex)";
    std::string text = entry.product;
    const std::string& maker = entry.maker.empty() ? entry.usbId : entry.maker;
    if (!maker.empty()) text += (text.empty() ? "" : " \u2014 ") + maker;
    if (!entry.serial.empty()) text += " (" + entry.serial + ")";
    return text.empty() ? entry.path : text + " \u00B7 " + entry.path;
}

std::vector<PortEntry> ListRealPorts(const std::string& sysClassTty, const std::string& devDir) {
    std::vector<std::string> names = DirectoryNames(sysClassTty);
    std::sort(names.begin(), names.end(), NaturalLess);
    const std::map<std::string, std::string> stable = StableNames(devDir);
    std::vector<PortEntry> ports;
    for (const std::string& name : names) {
        if (!IsRealSerialPort(sysClassTty, devDir, name)) continue;
        PortEntry entry;
        entry.path = devDir + "/" + name;
        const auto byId = stable.find(RealPath(entry.path));
        entry.stableName = byId != stable.end() ? byId->second : entry.path;
        ReadUsbDescription(sysClassTty + "/" + name, entry);
        entry.label = PortLabel(entry);
        ports.push_back(std::move(entry));
    }
    return ports;
}

std::vector<PortEntry> ListSimulatedPorts() {
    const std::string dir = SimPortsDir();
    std::vector<std::string> names = DirectoryNames(dir);
    std::sort(names.begin(), names.end(), NaturalLess);
    std::vector<PortEntry> ports;
    for (const std::string& name : names) {
        const std::string path = dir + "/" + name;
        // A link whose simulator has gone points nowhere, or its pid is gone.
        if (!IsSymlink(path) || !Exists(path) || LeftByAKilledSimulator(dir, name)) continue;
        PortEntry entry;
        entry.path = path;
        entry.simulated = true;
        entry.stableName = path;
        entry.label = PortLabel(entry);
        ports.push_back(std::move(entry));
    }
    return ports;
}

std::vector<PortEntry> ListPorts() {
    std::vector<PortEntry> ports = ListRealPorts();
    std::vector<PortEntry> simulated = ListSimulatedPorts();
    ports.insert(ports.end(), simulated.begin(), simulated.end());
    return ports;
}

int PortNumbers::NumberFor(const std::string& path) {
    std::lock_guard<std::mutex> guard(mutex_);
    if (const auto it = numbers_.find(path); it != numbers_.end()) return it->second;
    if (next_ > kLast) return 0;
    numbers_.emplace(path, next_);
    return next_++;
}

void PortNumbers::Reset() {
    std::lock_guard<std::mutex> guard(mutex_);
    numbers_.clear();
    next_ = kFirst;
}

PortNumbers& ThePortNumbers() {
    static PortNumbers numbers;
    return numbers;
}
