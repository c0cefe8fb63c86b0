#include "link/LinkTrace.h"

namespace {
std::recursive_mutex g_handlerMutex;  // a handler may itself send a frame
TraceHandler g_handler;
}  // namespace

namespace tracedetail {
std::atomic<bool> on{false};

void Record(TraceKind kind, const std::string& text, const uint8_t* bytes, size_t n) {
    TraceEntry entry{std::chrono::system_clock::now(), kind, text, {}};
    if (bytes) entry.bytes.assign(bytes, bytes + n);
    std::lock_guard<std::recursive_mutex> guard(g_handlerMutex);
    if (g_handler) g_handler(entry);
}
}  // namespace tracedetail

void SetTraceHandler(TraceHandler handler) {
    std::lock_guard<std::recursive_mutex> guard(g_handlerMutex);
    g_handler = std::move(handler);
    tracedetail::on = static_cast<bool>(g_handler);
}

void TraceRing::Add(const TraceEntry& entry) {
    std::lock_guard<std::mutex> guard(mutex_);
    if (entries_.size() >= capacity_) entries_.pop_front();
    entries_.push_back(entry);
}

std::vector<TraceEntry> TraceRing::Entries() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return {entries_.begin(), entries_.end()};
}
