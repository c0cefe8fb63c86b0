#include "cli/Doctor.h"

#include "cli/CliSession.h"
#include "link/LinkError.h"
#include "link/PortHolder.h"
#include "link/PortList.h"
#include "link/SerialPosix.h"

#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

enum class Level { Ok, Warn, Fail };

struct Finding {
    Level level;
    std::string what, fix;
};

const char* const kUaccessRule = "70-quillon-uaccess.rules";
const char* const kRuleFolders[] = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d",
                                    "/usr/local/lib/udev/rules.d"};
// The adapters ("idVendor:idProduct", space-separated) the uaccess rule
// covers, read from the rule itself when building.
const char* const kUaccessIds = QUILLON_UACCESS_IDS;

bool FileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::string UserName(uid_t uid = getuid()) {
    const passwd* pw = getpwuid(uid);
    return pw && pw->pw_name ? pw->pw_name : std::to_string(uid);
}

std::string GroupName(gid_t gid) {
    const group* g = getgrgid(gid);
    return g ? g->gr_name : std::to_string(gid);
}

bool UaccessRuleInstalled() {
    for (const char* folder : kRuleFolders)
        if (FileExists(std::string(folder) + "/" + kUaccessRule)) return true;
    return false;
}

bool CoveredByUaccessRule(const std::string& usbId) {
    std::istringstream ids(kUaccessIds);
    for (std::string id; ids >> id;)
        if (id == usbId) return true;
    return false;
}

bool ProcessRunning(const std::string& name) {
    DIR* proc = opendir("/proc");
    if (!proc) return false;
    bool found = false;
    while (const dirent* e = found ? nullptr : readdir(proc)) {
        std::string comm;
        std::ifstream(std::string("/proc/") + e->d_name + "/comm") >> comm;
        found = comm == name;
    }
    closedir(proc);
    return found;
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? resolved : path;
}

// "crw------- root root", as ls shows it.
std::string ModeText(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return "cannot be looked at";
    std::string text = S_ISCHR(st.st_mode) ? "c" : "-";
    for (int bit = 0; bit < 9; ++bit) text += (st.st_mode & (0400 >> bit)) ? "rwx"[bit % 3] : '-';
    return text + " " + UserName(st.st_uid) + " " + GroupName(st.st_gid);
}

std::string JoinGroupFix(const std::string& group) {
    return "sudo usermod -aG " + group + " " + UserName() + ", then log out and in again";
}

std::string UaccessFix() {
    if (UaccessRuleInstalled())
        return std::string(
            "the uaccess rule is installed but gave no access: replug the adapter (or sudo udevadm "
            "trigger); it serves the user logged in at the seat, not a login over ssh");
    return std::string("install the uaccess rule ") + kUaccessRule +
           " for access while you are logged in at the seat (the package installs it; from the source: sudo cp "
           "packaging/" +
           kUaccessRule + " /etc/udev/rules.d/ && sudo udevadm trigger)";
}

// A udev rule line that tells ModemManager to leave the port alone.
std::string ModemManagerFix(const PortEntry& port) {
    const size_t colon = port.usbId.find(':');
    const std::string node = RealPath(port.path);
    const std::string match = colon == std::string::npos
                                  ? "KERNEL==\"" + node.substr(node.find_last_of('/') + 1) + "\""
                                  : "ATTRS{idVendor}==\"" + port.usbId.substr(0, colon) + "\", ATTRS{idProduct}==\"" +
                                        port.usbId.substr(colon + 1) + "\"";
    return "tell ModemManager to leave it alone: put " + match +
           ", ENV{ID_MM_DEVICE_IGNORE}=\"1\" in /etc/udev/rules.d/70-quillon-mm-ignore.rules and replug it (or sudo "
           "udevadm trigger); or stop it: sudo systemctl stop ModemManager";
}

std::string HolderFix(const PortEntry& port, const std::string& name, int pid) {
    if (name == "ModemManager") return ModemManagerFix(port);
    if (name == "brltty") return "brltty takes it for a Braille display: sudo apt-get remove brltty";
    return "close " + name + (pid ? " (kill " + std::to_string(pid) + ")" : "");
}

// The port is held, but /proc/<pid>/fd of the holder may not be read: a
// process of another user, most often one of these two running as root.
Finding UnnamedHolderFinding(const PortEntry& port) {
    std::string fix = "sudo fuser -v " + port.path + " names it";
    for (const char* suspect : {"ModemManager", "brltty"})
        if (ProcessRunning(suspect)) fix = suspect + std::string(" runs: ") + HolderFix(port, suspect, 0);
    return {Level::Fail, "port " + port.label + " is held by a process of another user", fix};
}

Finding PermissionFinding(const PortEntry& port) {
    const std::string group = GroupThatWouldHelp(port.path);
    const bool covered = CoveredByUaccessRule(port.usbId);
    std::string fix = group.empty() ? "" : JoinGroupFix(group);
    if (covered) fix += (fix.empty() ? "" : "; or ") + UaccessFix();
    if (fix.empty()) {
        struct stat st {};
        stat(port.path.c_str(), &st);
        fix = "only " + UserName(st.st_uid) +
              " can open it: ask the administrator, or use an adapter covered by the uaccess rule (USB ids " +
              kUaccessIds + (UaccessRuleInstalled() ? ")" : ") with the rule installed");
    }
    return {Level::Fail, "port " + port.label + ": " + UserName() + " may not open it (" + ModeText(port.path) + ")",
            fix};
}

// Opens the port as a connect does (exclusive, locked), lets go at once and
// says what kept it shut; true when it opened and nobody else holds it.
bool CheckPort(const PortEntry& port, std::vector<Finding>& out) {
    int err = 0;
    const int fd = serialposix::OpenExclusive(port.path.c_str(), err);
    serialposix::CloseExclusive(fd);
    const LinkError error = fd < 0 ? MapErrno(err) : LinkError::None;
    if (const auto holder = FindPortHolder(port.path)) {
        out.push_back(
            {Level::Fail,
             "port " + port.label + " is in use by " + holder->name + " (pid " + std::to_string(holder->pid) + ")",
             HolderFix(port, holder->name, holder->pid)});
    } else if (error == LinkError::None) {
        out.push_back({Level::Ok, "port " + port.label + " can be opened", {}});
        return true;
    } else if (error == LinkError::Busy) {
        out.push_back(UnnamedHolderFinding(port));
    } else if (error == LinkError::Permission) {
        out.push_back(PermissionFinding(port));
    } else {
        out.push_back(
            {Level::Fail,
             "port " + port.label + " cannot be opened: " + DescribeLinkFailure(port.path, {error, LinkOp::Open, err}),
             {}});
    }
    return false;
}

// The listed ports; the one named, listed or not, comes last.
std::vector<PortEntry> PortsToCheck(const std::string& named) {
    std::vector<PortEntry> ports = ListPorts();
    if (named.empty()) return ports;
    PortEntry entry;
    entry.path = CliSession::ResolvePort(named);
    entry.label = PortLabel(entry);
    const auto same = [&](const PortEntry& p) { return RealPath(p.path) == RealPath(entry.path); };
    if (const auto listed = std::find_if(ports.begin(), ports.end(), same); listed != ports.end()) {
        entry = *listed;
        ports.erase(listed);
    }
    ports.push_back(entry);
    return ports;
}

// Without an adapter plugged in, whether the next one will open: adapters
// belong to dialout on Debian, and the uaccess rule covers only a few.
void CheckGroup(std::vector<Finding>& out) {
    const group* dialout = getgrnam("dialout");
    if (!dialout || getuid() == 0 || InGroup(dialout->gr_gid)) return;
    if (UaccessRuleInstalled())
        out.push_back({Level::Warn,
                       UserName() +
                           " is not in the dialout group: adapters other than those the uaccess rule covers "
                           "(USB ids " +
                           kUaccessIds + ") will not open",
                       JoinGroupFix("dialout")});
    else
        out.push_back({Level::Warn, UserName() + " is not in the dialout group that USB serial adapters belong to",
                       JoinGroupFix("dialout") + "; or, for the adapters it covers (USB ids " + kUaccessIds + "), " +
                           UaccessFix()});
}

void CheckGrabbers(std::vector<Finding>& out) {
    if (ProcessRunning("ModemManager"))
        out.push_back({Level::Warn, "ModemManager is running: it probes new serial adapters and holds them meanwhile",
                       "for the adapter, a udev rule with ENV{ID_MM_DEVICE_IGNORE}=\"1\"; or sudo systemctl disable "
                       "--now ModemManager"});
    if (FileExists("/usr/bin/brltty") || FileExists("/bin/brltty") || ProcessRunning("brltty"))
        out.push_back({Level::Warn, "brltty is installed: it takes CH340 and other adapters for Braille displays",
                       "sudo apt-get remove brltty"});
}

void CheckRuntime(std::vector<Finding>& out) {
    const std::string dir = RuntimeDir();
    const std::string parent = dir.substr(0, dir.find_last_of('/'));
    const bool usable = FileExists(dir) ? access(dir.c_str(), W_OK | X_OK) == 0 : access(parent.c_str(), W_OK) == 0;
    if (usable)
        out.push_back({Level::Ok, "simulated ports register under " + SimPortsDir(), {}});
    else
        out.push_back({Level::Warn, "simulated ports cannot register: " + dir + " is not writable",
                       "set XDG_RUNTIME_DIR to a folder of your own"});
}

// The last line: which port the exit status comes from.
std::string Verdict(const std::vector<PortEntry>& ports, const std::vector<bool>& opens, bool named) {
    if (named)
        return "the port named, " + ports.back().label + (opens.back() ? ", can be opened" : ", cannot be opened");
    std::string open;
    for (size_t i = 0; i < ports.size(); ++i)
        if (opens[i]) open += (open.empty() ? "" : ", ") + ports[i].label;
    return open.empty() ? "none of the ports seen can be opened" : "of the ports seen, " + open + " can be opened";
}

}  // namespace

int Doctor(const std::vector<std::string>& args) {
    const std::string named = args.empty() ? "" : args[0];
    const std::vector<PortEntry> ports = PortsToCheck(named);
    std::vector<Finding> findings;
    std::vector<bool> opens;
    if (ports.empty())
        findings.push_back({Level::Fail, "no serial ports seen",
                            "plug the adapter in (it appears as /dev/ttyUSB* or /dev/ttyACM*), or start orvex-sim"});
    for (const PortEntry& port : ports) opens.push_back(CheckPort(port, findings));
    CheckGroup(findings);
    CheckGrabbers(findings);
    CheckRuntime(findings);
    for (const Finding& f : findings) {
        static const char* const kTags[] = {"ok  ", "warn", "FAIL"};
        std::printf("%s  %s\n", kTags[static_cast<int>(f.level)], f.what.c_str());
        if (!f.fix.empty()) std::printf("      fix: %s\n", f.fix.c_str());
    }
    std::printf("doctor: %s\n", Verdict(ports, opens, !named.empty()).c_str());
    const bool ok = named.empty() ? std::find(opens.begin(), opens.end(), true) != opens.end() : opens.back();
    return ok ? 0 : 1;
}
