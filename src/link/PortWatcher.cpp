#include "link/PortWatcher.h"

#include "link/PortList.h"

#include <dirent.h>
#include <sys/epoll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

#ifdef QUILLON_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace {

constexpr uint32_t kComeOrGo = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

void MakeDirs(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        mkdir(path.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) break;
    }
}

bool StartsWith(const char* name, const char* prefix) {
    return std::string_view(name).substr(0, std::string_view(prefix).size()) == prefix;
}

}  // namespace

PortWatcher::PortWatcher(std::string devDir, std::string simDir)
    : devDir_(std::move(devDir)), simDir_(std::move(simDir)) {}

PortWatcher::PortWatcher() : PortWatcher("/dev", SimPortsDir()) {}

PortWatcher::~PortWatcher() {
#ifdef QUILLON_HAVE_LIBUDEV
    if (udevMonitor_) udev_monitor_unref(static_cast<udev_monitor*>(udevMonitor_));
    if (udev_) udev_unref(static_cast<udev*>(udev_));
#endif
    if (inotify_ >= 0) close(inotify_);
    if (epoll_ >= 0) close(epoll_);
}

bool PortWatcher::Add(int fd) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    return epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &event) == 0;
}

bool PortWatcher::Start() {
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    if (epoll_ < 0) return false;
    bool watching = false;
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ >= 0) {
        MakeDirs(simDir_);
        // IN_ATTRIB: udev sets a new node's group and access after creating it.
        devWatch_ = inotify_add_watch(inotify_, devDir_.c_str(), kComeOrGo | IN_ATTRIB);
        simWatch_ = inotify_add_watch(inotify_, simDir_.c_str(), kComeOrGo);
        WatchSimTerminals();
        watching = (devWatch_ >= 0 || simWatch_ >= 0) && Add(inotify_);
    }
#ifdef QUILLON_HAVE_LIBUDEV
    udev* u = udev_new();
    udev_monitor* monitor = u ? udev_monitor_new_from_netlink(u, "udev") : nullptr;
    if (monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) >= 0 &&
        udev_monitor_enable_receiving(monitor) >= 0 && Add(udev_monitor_get_fd(monitor))) {
        udev_ = u;
        udevMonitor_ = monitor;
        watching = true;
    } else {
        if (monitor) udev_monitor_unref(monitor);
        if (u) udev_unref(u);
    }
#endif
    return watching;
}

bool PortWatcher::TakeChanges() {
    // Both are drained every time, whatever the first one says.
    const bool inotify = TakeInotify();
    const bool udev = TakeUdev();
    return inotify || udev;
}

bool PortWatcher::TakeInotify() {
    if (inotify_ < 0) return false;
    bool changed = false, simsChanged = false;
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    ssize_t n;
    while ((n = read(inotify_, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            const char* name = e->len ? e->name : "";
            // Only terminals in /dev; a simulator's hidden name is its link being made.
            if (e->mask & IN_IGNORED) terminalWatches_.erase(e->wd);
            simsChanged |= e->wd == simWatch_ && name[0] != '.';
            if ((e->wd == devWatch_ && StartsWith(name, "tty")) || simsChanged || terminalWatches_.count(e->wd))
                changed = true;
        }
    }
    if (simsChanged) WatchSimTerminals();
    return changed;
}

// A simulator that was killed leaves its link behind; its terminal goes.
void PortWatcher::WatchSimTerminals() {
    DIR* d = opendir(simDir_.c_str());
    if (!d) return;
    char target[PATH_MAX];
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.' || !realpath((simDir_ + "/" + e->d_name).c_str(), target)) continue;
        if (const int wd = inotify_add_watch(inotify_, target, IN_DELETE_SELF); wd >= 0) terminalWatches_.insert(wd);
    }
    closedir(d);
}

bool PortWatcher::TakeUdev() {
    bool changed = false;
#ifdef QUILLON_HAVE_LIBUDEV
    if (!udevMonitor_) return false;
    while (udev_device* device = udev_monitor_receive_device(static_cast<udev_monitor*>(udevMonitor_))) {
        changed = true;
        udev_device_unref(device);
    }
#endif
    return changed;
}
