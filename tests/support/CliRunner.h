#pragma once
// Runs quillon-cli as a user does, for the command-line tests: its exit status
// and what it printed.

#include <csignal>
#include <functional>
#include <string>
#include <vector>

struct CliResult {
    int status = -1;  // exit code; -1 if it could not start or ended by a signal
    std::string out;  // standard output and error, interleaved as printed
};

// Runs "quillon-cli <args>" through the shell (so args may hold quoted words),
// optionally with its own XDG_RUNTIME_DIR and behind a command such as
// "runuser -u nobody -- ", and waits for it to end.
CliResult RunCli(const std::string& args, const std::string& runtimeDir = {}, const std::string& runner = {});

struct InterruptedCli {
    int waitStatus = -1;  // as waitpid() gives it, so a death by signal shows
    std::string out;      // standard output up to the interrupt
};

// Runs quillon-cli with argv (no shell), reading its standard output until
// interruptWhen(output so far) holds or timeoutMs passes (which fails the
// test), then sends signal (SIGINT: as Ctrl+C does) and waits for it to end.
InterruptedCli RunCliUntilInterrupted(const std::vector<std::string>& argv,
                                      const std::function<bool(const std::string&)>& interruptWhen,
                                      int timeoutMs,
                                      int signal = SIGINT);
