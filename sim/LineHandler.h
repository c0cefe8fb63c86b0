#pragma once
// What runs behind the line: the flight controller or its boot loader.

#include "PacedLine.h"
#include "SimClock.h"

#include <vector>

namespace orvexsim {

class LineHandler {
public:
    virtual ~LineHandler() = default;
    // Bytes just read from the line, each with the time it has fully arrived.
    virtual void received(const std::vector<TimedByte>& bytes, Nanos now) = 0;
    // Does whatever has become due by now.
    virtual void run(Nanos now) = 0;
    // The next moment run() has something to do (kNever if nothing).
    virtual Nanos nextDue() const = 0;
    // The holder of the port has gone: everything received so far is decided
    // now, however much of its wire time is left. The line is not listening,
    // so answers to it go nowhere.
    virtual void endOfSession(Nanos now) = 0;
    // Set when the device wants the line closed and the simulator ended.
    bool hangupRequested() const { return hangupRequested_; }

protected:
    bool hangupRequested_ = false;
};

}  // namespace orvexsim
