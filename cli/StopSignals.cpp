#include "cli/StopSignals.h"

#include <atomic>
#include <csignal>

namespace {
// Written by the handler, read by the waits: lock-free, so async-signal-safe.
std::atomic<int> g_stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopSignal(int signal) { g_stopSignal.store(signal, std::memory_order_relaxed); }
}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

int StopSignal() { return g_stopSignal.load(std::memory_order_relaxed); }
