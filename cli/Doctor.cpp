#include "cli/Doctor.h"

#include "link/PortHolder.h"
#include "link/PortList.h"

#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <fstream>

namespace {

enum class Level { Ok, Warn, Fail };

struct Finding {
    Level level;
    std::string what, fix;
};

const char* const kUaccessRule = "70-quillon-uaccess.rules";
const char* const kRuleFolders[] = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d",
                                    "/usr/local/lib/udev/rules.d"};

bool FileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::string UserName() {
    const passwd* pw = getpwuid(getuid());
    return pw && pw->pw_name ? pw->pw_name : std::to_string(getuid());
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

std::string PermissionFix(const std::string& group) {
    return "sudo usermod -aG " + group + " " + UserName() +
           ", then log out and in again; or install the uaccess rule (" + kUaccessRule +
           ", in the package) for access while you are logged in";
}

void CheckPort(const PortEntry& port, std::vector<Finding>& out) {
    struct stat st {};
    stat(port.path.c_str(), &st);
    const std::string group = GroupName(st.st_gid);
    if (!port.simulated && access(port.path.c_str(), R_OK | W_OK) != 0)
        out.push_back({Level::Fail, port.path + ": " + UserName() + " may not open it (group " + group + ")",
                       PermissionFix(group)});
    if (const auto holder = FindPortHolder(port.path))
        out.push_back(
            {Level::Fail, port.path + " is in use by " + holder->name + " (pid " + std::to_string(holder->pid) + ")",
             holder->name == "ModemManager" ? "sudo systemctl disable --now ModemManager"
                                            : "close " + holder->name + " (kill " + std::to_string(holder->pid) + ")"});
}

void CheckPorts(std::vector<Finding>& out) {
    const std::vector<PortEntry> ports = ListPorts();
    if (ports.empty())
        out.push_back({Level::Fail, "no serial ports seen",
                       "plug the adapter in (it appears as /dev/ttyUSB* or /dev/ttyACM*), or start orvex-sim"});
    for (const PortEntry& port : ports) {
        out.push_back({Level::Ok, "port " + port.label, {}});
        CheckPort(port, out);
    }
}

// Without an adapter plugged in, whether the next one will open: adapters
// belong to dialout on Debian.
void CheckGroup(std::vector<Finding>& out) {
    const group* dialout = getgrnam("dialout");
    if (!dialout || getuid() == 0 || UaccessRuleInstalled()) return;
    std::vector<gid_t> groups(static_cast<size_t>(getgroups(0, nullptr)));
    groups.resize(static_cast<size_t>(getgroups(static_cast<int>(groups.size()), groups.data())));
    for (const gid_t g : groups)
        if (g == dialout->gr_gid) return;
    out.push_back({Level::Warn, UserName() + " is not in the dialout group that USB serial adapters belong to",
                   PermissionFix("dialout")});
}

void CheckGrabbers(std::vector<Finding>& out) {
    if (ProcessRunning("ModemManager"))
        out.push_back({Level::Warn, "ModemManager is running: it probes new serial adapters and holds them meanwhile",
                       "sudo systemctl disable --now ModemManager"});
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

}  // namespace

int Doctor(const std::vector<std::string>&) {
    std::vector<Finding> findings;
    CheckPorts(findings);
    CheckGroup(findings);
    CheckGrabbers(findings);
    CheckRuntime(findings);
    int blocking = 0;
    for (const Finding& f : findings) {
        static const char* const kTags[] = {"ok  ", "warn", "FAIL"};
        std::printf("%s  %s\n", kTags[static_cast<int>(f.level)], f.what.c_str());
        if (!f.fix.empty()) std::printf("      fix: %s\n", f.fix.c_str());
        blocking += f.level == Level::Fail;
    }
    if (blocking)
        std::printf("doctor: %d problem%s a connect\n", blocking, blocking == 1 ? " blocks" : "s block");
    else
        std::printf("doctor: nothing blocks a connect\n");
    return blocking ? 1 : 0;
}
