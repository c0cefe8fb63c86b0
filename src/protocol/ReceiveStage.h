#pragma once
// The first stage of every receiving window: drain LinkPort's receive queue
// into the window's own queue and hand out chunks once 90 bytes have gathered.
// A window's procedure takes the first frame of a chunk; the rest of the
// chunk, and a frame cut by its end, are not its concern. A receiver that
// drains with onArrival also has every byte pass, in order and once, through
// the stage's own parser, so what the unit answered is known whatever the chunks.

#include "link/CByteQueue.h"
#include "link/CSerialPort.h"
#include "protocol/FrameParser.h"
#include "protocol/LinkFrame.h"

#include <cstdint>
#include <vector>

class ReceiveStage {
public:
    static constexpr uint32_t kWorkBufferSize = 1024;

    explicit ReceiveStage(uint32_t minNodeSize = 1024) : queue_(minNodeSize) {}

    // Moves everything waiting in the port's receive queue into ours; with
    // onArrival, every frame completed by these bytes is handed to it too.
    void Drain(CSerialPort& port, const FrameParser::Handler& onArrival = {});
    // False while fewer than a frame's 90 bytes wait. Otherwise takes up
    // to 1024 bytes (the work buffer); a longer queue is handed out in further
    // calls, so nothing overruns and nothing is lost.
    bool NextChunk(std::vector<uint8_t>& chunk);
    // Takes whatever waits, up to the work buffer's size, for a receiver that
    // keeps its state between chunks; false when nothing waits.
    bool TakeAny(std::vector<uint8_t>& chunk);

    CByteQueue& Queue() { return queue_; }
    void Clear() { queue_.Clear(); }

private:
    CByteQueue queue_;
    FrameParser arrivals_;
};
