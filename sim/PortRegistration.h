#pragma once
// Makes the simulated port discoverable: a symbolic link
// <runtime>/orvex/ports/<name> -> the pty slave, and beside it
// .<name>.pid -> the simulator's pid, both removed again at exit.

#include <string>

namespace orvexsim {

// $XDG_RUNTIME_DIR, or /tmp/runtime-<user name> when it is not set.
std::string RuntimeDir();

class PortRegistration {
public:
    PortRegistration() = default;
    ~PortRegistration() { remove(); }
    PortRegistration(const PortRegistration&) = delete;
    PortRegistration& operator=(const PortRegistration&) = delete;

    // Creates the directories (0700) and the link; on failure returns false
    // and sets error.
    bool add(const std::string& name, const std::string& target, std::string& error);
    // Removes the links that are still ours. Async-signal-safe enough for an
    // exit path: only readlink and unlink.
    void remove();
    const std::string& linkPath() const { return linkPath_; }

private:
    std::string linkPath_;
    std::string pidPath_;
    std::string pid_;
    std::string target_;
};

}  // namespace orvexsim
