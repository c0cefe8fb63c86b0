#pragma once
// Runs orvex-sim (the simulated Orvex) as a child process for a test: starts
// it, learns its pty path from the "PORT <path>" line, and reads the frames it
// logged. Qt-free, used by the core and the GUI tests.

#include "TempDir.h"

#include <sys/types.h>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One "FRAME ..." line of the simulator's log: a frame the device received.
struct SimFrame {
    int code = 0, seq = 0, req = 0, len = 0;
    std::vector<uint8_t> payload;  // frame bytes 2..n-8
    std::vector<uint8_t> raw;      // all n frame bytes
};

class SimProcess {
public:
    struct Options {
        std::vector<std::string> args;  // orvex-sim options; --log is added unless given
        // Give the child a private XDG_RUNTIME_DIR, so its port link does not
        // show up in the user's real port list.
        bool registerInTempRuntime = true;
    };

    // Starts the simulator and waits (up to 10 s) for its PORT line; throws
    // std::runtime_error with the simulator's error output if it does not come.
    explicit SimProcess(Options options);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& portPath() const { return portPath_; }
    // <runtime>/orvex/ports/<name>: where the simulator registers its port.
    const std::string& linkPath() const { return linkPath_; }
    std::string runtimeDir() const { return runtimeDir_; }
    const std::string& logPath() const { return logPath_; }
    pid_t pid() const { return pid_; }

    std::vector<SimFrame> frames() const;
    // Waits until the log holds at least count frames.
    bool waitForFrames(size_t count, int timeoutMs);
    // Waits until the log contains the text.
    bool waitForLog(const std::string& text, int timeoutMs);
    std::string logText() const;
    std::string stderrText() const;

    // SIGTERM, then SIGKILL if it has not ended within 5 s.
    void terminate();
    bool running();
    // Waits for the process to end by itself.
    bool waitForExit(int timeoutMs);
    // The wait status once the process has ended (-1 before).
    int exitStatus() const { return status_; }

    // Parses the FRAME lines of a log text.
    static std::vector<SimFrame> ParseFrames(const std::string& logText);

private:
    void start(const std::vector<std::string>& args);
    void readPortLine(int fd);
    bool reap(bool block);

    TempDir files_{"orvex-sim"};
    std::unique_ptr<TempDir> runtime_;
    std::string runtimeDir_;
    std::string logPath_;
    std::string stderrPath_;
    std::string portPath_;
    std::string linkPath_;
    pid_t pid_ = -1;
    int status_ = -1;
};
