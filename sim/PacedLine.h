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
// The program may close and reopen the slave as often as it likes. Every
// holder of the slave gets a session of its own, as on a real port: nothing
// the device said to an earlier holder (bytes still queued, bytes the kernel
// kept in the slave's input, replies to frames that were still on the wire)
// reaches a later one, and the receive clock starts afresh. Who holds the
// slave is counted from inotify open/close events on its path; without
// inotify, the master's hangup ends a session and the next byte read starts
// one. While no one holds the slave, the master reports a hangup; the line
// then stops watching the master until the slave is opened again (or, without
// inotify, rechecks every few milliseconds), so that the closed state neither
// busy-loops nor ends the simulator.

#include "SimClock.h"

#include <cstdint>
#include <deque>
#include <functional>
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
    // Someone holds the slave: what is sent now reaches them.
    bool listening() const { return master_ >= 0 && sessionOpen_; }

    // Told when the first holder opens the slave (opened, earlier empty) and
    // when the last one has gone (closed). On a close the line has stopped
    // listening: whatever that holder sent is to be decided then (answers go
    // nowhere), beginning with earlier, its last bytes read in this wake-up
    // and not yet handed out. Bytes read later belong to the next holder.
    using SessionListener = std::function<void(Nanos now, bool opened, std::vector<TimedByte>& earlier)>;
    void setSessionListener(SessionListener listener) { sessionListener_ = std::move(listener); }

    // Adds the descriptors this line wants watched; remembers where.
    void preparePoll(std::vector<pollfd>& fds);
    // Handles the poll results; appends newly read bytes to received.
    void afterPoll(const std::vector<pollfd>& fds, Nanos now, std::vector<TimedByte>& received);

    // Puts bytes on the transmit line behind whatever is queued.
    // False when no one listens or the line is hopelessly backed up (bytes
    // dropped).
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
    void readInotify(Nanos now);
    void masterHungUp(Nanos now);
    bool masterReportsHangup() const;
    bool inotifyPending() const;
    void beginSession(Nanos now);
    // takeRest: read what still waits on the master first, as the holder's
    // last words (only when no one can have opened the slave since).
    void endSession(Nanos now, bool takeRest);
    // Reads everything waiting on the master; true when it stopped at a
    // hangup (EIO or end of file: nobody holds the slave right now).
    bool drainMaster(Nanos now, std::vector<TimedByte>& received);
    void forgetOutput();

    long baud_;
    Nanos byteTime_;
    int master_ = -1;
    int inotify_ = -1;
    std::string slavePath_;
    bool hungUp_ = false;       // master reports hangup: stop watching it for now
    Nanos recheckAt_ = kNever;  // fallback when inotify is not available
    int holders_ = 0;           // open descriptions of the slave (inotify)
    bool sessionOpen_ = false;
    SessionListener sessionListener_;
    std::vector<TimedByte>* received_ = nullptr;  // afterPoll's output while it runs
    std::vector<TimedByte> noBytes_;
    int masterIndex_ = -1;
    int inotifyIndex_ = -1;

    Nanos rxClock_ = 0;
    Nanos txClock_ = 0;
    std::deque<TimedByte> txQueue_;
    bool writeBlocked_ = false;  // the pty buffer is full; wait for POLLOUT
};

}  // namespace orvexsim
