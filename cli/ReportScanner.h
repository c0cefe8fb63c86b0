#pragma once
// The command-line monitor's reading of the status stream: every valid status
// report, whatever else shares a read with it, and the bytes that belong to no
// valid frame. A frame travels padded with zeros to 90 bytes; the padding
// belongs to its frame. (The Monitor page keeps its own first-frame rule.)

#include "protocol/FrameParser.h"
#include "protocol/StatusReport.h"

#include <cstdint>
#include <functional>

class ReportScanner {
public:
    explicit ReportScanner(std::function<void(const StatusReport&)> onReport);
    void Feed(const uint8_t* data, size_t length);
    // Bytes in no valid frame so far, counting those still waiting for one.
    uint64_t noiseBytes() const { return noise_ + pending_; }

private:
    void OnFrame(const uint8_t* body, uint8_t length);

    std::function<void(const StatusReport&)> onReport_;
    FrameParser parser_;
    uint64_t noise_ = 0;
    uint64_t pending_ = 0;    // bytes since the last valid frame ended
    size_t paddingLeft_ = 0;  // zeros after a valid frame that still belong to it
};
