#pragma once
// The link log: every frame sent and received and every open, close, hang-up
// and time-out of the link goes through one handler, so a pilot can send a
// record of what went over the wire. Without a handler a call costs one
// atomic load. The handler may be called from any thread that uses a port.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

enum class TraceKind { Open, OpenFailed, Close, HangUp, Sent, Received, Timeout };

struct TraceEntry {
    std::chrono::system_clock::time_point time;
    TraceKind kind = TraceKind::Open;
    std::string text;            // the device path, or what timed out
    std::vector<uint8_t> bytes;  // the raw frame of Sent and Received
};

using TraceHandler = std::function<void(const TraceEntry&)>;
// An empty handler turns the log off.
void SetTraceHandler(TraceHandler handler);

namespace tracedetail {
extern std::atomic<bool> on;
void Record(TraceKind kind, const std::string& text, const uint8_t* bytes, size_t n);
}  // namespace tracedetail

inline void Trace(TraceKind kind, const std::string& text, const uint8_t* bytes = nullptr, size_t n = 0) {
    if (tracedetail::on.load(std::memory_order_relaxed)) tracedetail::Record(kind, text, bytes, n);
}

// The last entries, for saving on request.
class TraceRing {
public:
    explicit TraceRing(size_t capacity) : capacity_(capacity) {}
    void Add(const TraceEntry& entry);
    std::vector<TraceEntry> Entries() const;

private:
    size_t capacity_;
    mutable std::mutex mutex_;
    std::deque<TraceEntry> entries_;
};
