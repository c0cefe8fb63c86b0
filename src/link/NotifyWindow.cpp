#include "link/NotifyWindow.h"

#include <chrono>
#include <unordered_map>

namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<NotifyHandle, NotifyWindow*> windows;
    NotifyHandle next = 1;
};

// Never destroyed: the static serial port may still post from its worker
// while other statics are being torn down at exit.
Registry& TheRegistry() {
    static Registry* registry = new Registry;
    return *registry;
}

}  // namespace

namespace NotifyRegistry {

NotifyHandle Register(NotifyWindow* window) {
    if (!window) return 0;
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.mutex);
    // Handles only grow, so a handle kept by the worker can never come to
    // name a newer window.
    while (r.next == 0 || r.windows.count(r.next)) ++r.next;
    const NotifyHandle handle = r.next++;
    r.windows.emplace(handle, window);
    return handle;
}

void Unregister(NotifyHandle handle) {
    if (handle == 0) return;
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.mutex);
    r.windows.erase(handle);
}

bool IsWindow(NotifyHandle handle) {
    if (handle == 0) return false;
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.mutex);
    return r.windows.count(handle) != 0;
}

bool Post(NotifyHandle handle, const PortNotification& n) {
    if (handle == 0) return false;
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.mutex);
    const auto it = r.windows.find(handle);
    if (it == r.windows.end()) return false;
    it->second->PostPortMessage(n);
    return true;
}

}  // namespace NotifyRegistry

void QueueNotifyWindow::PostPortMessage(const PortNotification& n) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        queue_.push_back(n);
    }
    cv_.notify_all();
}

std::optional<PortNotification> QueueNotifyWindow::Wait(int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto ready = [this] { return !queue_.empty(); };
    if (timeoutMs < 0)
        cv_.wait(lock, ready);
    else if (!cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return std::nullopt;
    PortNotification n = queue_.front();
    queue_.pop_front();
    return n;
}

size_t QueueNotifyWindow::Pending() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return queue_.size();
}
