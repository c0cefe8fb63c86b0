#pragma once
// The simulator's event loop: one thread, ppoll on the line and a signal
// pipe, woken exactly at the next due time of the line or the device.

#include "LineHandler.h"
#include "PacedLine.h"
#include "SimClock.h"
#include "SimLog.h"

namespace orvexsim {

class SimRunner {
public:
    SimRunner(PacedLine& line, LineHandler& handler, SimLog& log, Nanos hangupAt);
    ~SimRunner();
    SimRunner(const SimRunner&) = delete;
    SimRunner& operator=(const SimRunner&) = delete;
    // Runs until SIGINT/SIGTERM/SIGHUP, or until the line is to be hung up.
    // Returns the exit status.
    int run();

    // Installs the signal handlers that end run(); false with errno on failure.
    static bool InstallSignalHandlers();

private:
    PacedLine& line_;
    LineHandler& handler_;
    SimLog& log_;
    Nanos hangupAt_;
};

}  // namespace orvexsim
