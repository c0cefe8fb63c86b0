#pragma once
// Tells when a serial port may have come or gone, without polling: udev
// events for the tty subsystem where udev runs (built with libudev), and
// inotify on the device folder, on the simulators' port folder and on the
// terminals their links name (a killed simulator leaves its link, its
// terminal goes). All of it behind one file descriptor to wait on.

#include <set>
#include <string>

class PortWatcher {
public:
    // The simulators' folder is made when missing, so it can be watched.
    PortWatcher(std::string devDir, std::string simDir);
    PortWatcher();  // /dev and SimPortsDir()
    ~PortWatcher();
    PortWatcher(const PortWatcher&) = delete;
    PortWatcher& operator=(const PortWatcher&) = delete;

    // False when nothing at all could be watched.
    bool Start();
    // Readable when something may have changed; -1 before Start.
    int Fd() const { return epoll_; }
    // Reads every waiting event without blocking; true when one of them
    // concerns a port.
    bool TakeChanges();
    bool UsesUdev() const { return udevMonitor_ != nullptr; }

private:
    bool TakeInotify();
    bool TakeUdev();
    bool Add(int fd);
    void WatchSimTerminals();

    std::string devDir_, simDir_;
    int epoll_ = -1, inotify_ = -1;
    int devWatch_ = -1, simWatch_ = -1;
    std::set<int> terminalWatches_;
    void* udev_ = nullptr;
    void* udevMonitor_ = nullptr;
};
