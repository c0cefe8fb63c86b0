#pragma once
// The simulated serial line: a pseudo terminal whose master side the
// simulator keeps for its whole life, with both directions paced at the
// configured baud rate (10 bits per byte).
//
// Receive: each byte counts as arrived when its wire time has passed, i.e.
// max(read time, previous byte's time) + one byte time.
// Transmit: bytes queue behind each other on the line and are handed to the
// pty each at the moment its wire time has passed.
//
// The program may close and reopen the slave as often as it likes. While no
// one holds the slave, the master reports a hangup; the line then stops
// watching the master and waits for the slave to be opened again (inotify on
// the slave's path), so that the closed state neither busy-loops nor ends the
// simulator.

#include "SimClock.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct pollfd;

namespace orvexsim {

struct TimedByte {
    uint8_t value;
    Nanos due;  // when the byte has fully arrived on the wire
};

class PacedLine {
public:
    // Opens the pty; throws std::runtime_error with a message on failure.
    explicit PacedLine(long baud);
    ~PacedLine();
    PacedLine(const PacedLine&) = delete;
    PacedLine& operator=(const PacedLine&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    Nanos byteTime() const { return byteTime_; }
    bool open() const { return master_ >= 0; }

    // Adds the descriptors this line wants watched; remembers where.
    void preparePoll(std::vector<pollfd>& fds);
    // Handles the poll results; appends newly read bytes to received.
    void afterPoll(const std::vector<pollfd>& fds, Nanos now, std::vector<TimedByte>& received);

    // Puts bytes on the transmit line behind whatever is queued.
    // False when the line is closed or hopelessly backed up (bytes dropped).
    bool send(const std::vector<uint8_t>& bytes, Nanos now);
    // Leaves the transmit line idle for gap after what is queued so far.
    void idle(Nanos gap, Nanos now);
    // Writes every byte whose wire time has passed.
    void transmitDue(Nanos now);
    // The next moment the line needs attention (kNever if none).
    Nanos nextDue() const;

    // Closes the master: whoever holds the slave sees the line hang up.
    void hangUp();

private:
    void readMaster(Nanos now, std::vector<TimedByte>& received);
    void drainInotify();

    long baud_;
    Nanos byteTime_;
    int master_ = -1;
    int inotify_ = -1;
    std::string slavePath_;
    bool slaveClosed_ = false;  // master reports hangup: no one holds the slave
    Nanos recheckAt_ = kNever;  // fallback when inotify is not available
    int masterIndex_ = -1;
    int inotifyIndex_ = -1;

    Nanos rxClock_ = 0;
    Nanos txClock_ = 0;
    std::deque<TimedByte> txQueue_;
    bool writeBlocked_ = false;  // the pty buffer is full; wait for POLLOUT
};

}  // namespace orvexsim
