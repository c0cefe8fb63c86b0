#pragma once
// Who holds a port: the process with the device open, found through
// /proc/<pid>/fd. Only processes whose fd folder we may read can be found
// (all of them for root, our own otherwise).

#include <optional>
#include <string>

struct PortHolder {
    int pid = 0;
    std::string name;  // /proc/<pid>/comm
};

// Another process (never this one) that has the device open.
std::optional<PortHolder> FindPortHolder(const std::string& device, const std::string& procRoot = "/proc");
