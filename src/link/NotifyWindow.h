#pragma once
// Notification targets of the serial link ("notify windows").
//
// The serial worker thread never holds a pointer to a window. It holds a
// NotifyHandle, a number issued by the registry below, and posts through the
// registry. A window registers when it is created and unregisters before it
// is destroyed; Post() and Unregister() take the same mutex, so a post that
// races with the window's destruction is either delivered before the window
// goes or dropped, never delivered to freed memory.
//
// Thread-safety: every function here may be called from any thread.
// PostPortMessage() implementations are called with the registry mutex held
// and must only queue the message (never call back into the registry).

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

// Messages the link posts, wParam = the port number in use.
enum PortMessage : uint32_t {
    WM_PORT_RECEIVE = 0x66A,
    WM_PORT_CTS = 0x66B,
    WM_PORT_DSR = 0x66C,
    WM_PORT_RING = 0x66D,
    WM_PORT_RLSD = 0x66E,
    WM_PORT_BREAK = 0x66F,
    WM_PORT_TXEMPTY = 0x670,
    WM_PORT_ERROR = 0x671,
    WM_PORT_RXFLAG = 0x672,
};

// lParam of WM_PORT_ERROR when the worker ended because the adapter is gone
// (hang-up, EIO, ENXIO, ENODEV or end of file on the port).
constexpr intptr_t kPortErrorGone = 0x10000;

using NotifyHandle = uint32_t;  // 0 = no window

struct PortNotification {
    uint32_t message = 0;
    int32_t wParam = 0;
    intptr_t lParam = 0;
};

class NotifyWindow {
public:
    virtual ~NotifyWindow() = default;
    virtual void PostPortMessage(const PortNotification& n) = 0;
};

namespace NotifyRegistry {
NotifyHandle Register(NotifyWindow* window);
void Unregister(NotifyHandle handle);
bool IsWindow(NotifyHandle handle);
// Posts to the window if it still exists; false when it does not.
bool Post(NotifyHandle handle, const PortNotification& n);
}  // namespace NotifyRegistry

// Registers on construction, unregisters on destruction. Make it the last
// member of the owning window so that it goes first.
class NotifyRegistration {
public:
    explicit NotifyRegistration(NotifyWindow* window) : handle_(NotifyRegistry::Register(window)) {}
    ~NotifyRegistration() { NotifyRegistry::Unregister(handle_); }
    NotifyRegistration(const NotifyRegistration&) = delete;
    NotifyRegistration& operator=(const NotifyRegistration&) = delete;
    NotifyHandle handle() const { return handle_; }

private:
    NotifyHandle handle_;
};

// A plain queue-based notify window for tools and tests.
class QueueNotifyWindow : public NotifyWindow {
public:
    QueueNotifyWindow() : registration_(this) {}
    NotifyHandle handle() const { return registration_.handle(); }
    void PostPortMessage(const PortNotification& n) override;
    // Waits up to timeoutMs for the next notification.
    std::optional<PortNotification> Wait(int timeoutMs);
    size_t Pending() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<PortNotification> queue_;
    NotifyRegistration registration_;
};
