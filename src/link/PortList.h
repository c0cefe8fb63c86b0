#pragma once
// The serial ports the user can pick: real serial devices of the system, then
// the ports that a simulator has registered for this user.
//
// A simulator registers a port as a symbolic link <runtime>/orvex/ports/<name>
// that points at its pseudo-terminal, where <runtime> is $XDG_RUNTIME_DIR, or
// /tmp/runtime-<user name> when that is not set. Opening the link path opens
// the terminal it points to.

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct PortEntry {
    std::string path;   // what to open
    std::string label;  // what the list shows, e.g. "FT232R USB UART — FTDI (A50285BI) · /dev/ttyUSB0"
    bool simulated = false;
    // The /dev/serial/by-id name of a USB adapter (the same across replugs and
    // port renumbering), else the path: what the program remembers.
    std::string stableName;
    // From the adapter's USB device; empty when it has none or does not say.
    std::string product, maker, serial, usbId;  // usbId: "idVendor:idProduct"
};

// Real ports (sorted naturally by name), then simulated ports (sorted by name).
std::vector<PortEntry> ListPorts();

// The two halves of ListPorts; the roots can be pointed at a prepared tree.
std::vector<PortEntry> ListRealPorts(const std::string& sysClassTty = "/sys/class/tty",
                                     const std::string& devDir = "/dev");
std::vector<PortEntry> ListSimulatedPorts();

// The list text of an entry from its USB description (the path alone when
// there is none); a simulated port reads "<name> (simulated Orvex)".
std::string PortLabel(const PortEntry& entry);

std::string RuntimeDir();
std::string SimPortsDir();

// "ttyS2" before "ttyS10": runs of digits compare as numbers, the rest as text.
bool NaturalLess(const std::string& a, const std::string& b);

// Gives every port path a number in 1..1024 that stays with the path for the
// whole run; the number is the wParam of the port's notifications.
class PortNumbers {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 1024;

    // 0 when all numbers are taken.
    int NumberFor(const std::string& path);
    void Reset();

private:
    std::mutex mutex_;
    std::map<std::string, int> numbers_;
    int next_ = kFirst;
};

PortNumbers& ThePortNumbers();
