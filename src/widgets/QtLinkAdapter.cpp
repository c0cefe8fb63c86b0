#include "widgets/QtLinkAdapter.h"

#include "params/LinkSession.h"

#include <algorithm>

QtLinkAdapter::QtLinkAdapter(LinkSession& session, QObject* parent) : QObject(parent), session_(session) {
    clock_.setSingleShot(true);
    connect(&clock_, &QTimer::timeout, this, [this] {
        session_.CheckDeadlines();
        ArmClock();
    });
    session_.SetDriver({
        .deadlineChanged = [this] { ArmClock(); },
        // Read from the event loop, never from inside the window that is closing.
        .receivePending =
            [this] {
                QMetaObject::invokeMethod(
                    this, [this] { session_.DispatchWaiting(); }, Qt::QueuedConnection);
            },
    });
    session_.Attach(notify_.handle());
}

QtLinkAdapter::~QtLinkAdapter() {
    session_.SetDriver({});
    session_.Attach(0);
}

bool QtLinkAdapter::event(QEvent* event) {
    if (event->type() != PortEvent::Type()) return QObject::event(event);
    session_.Dispatch(static_cast<PortEvent*>(event)->notification);
    return true;
}

void QtLinkAdapter::ArmClock() {
    const int64_t deadline = session_.nextDeadline();
    if (deadline == LinkSession::kNoDeadline) {
        clock_.stop();
        return;
    }
    const int64_t wait = std::clamp<int64_t>(deadline - LinkSession::NowMs(), 0, 24 * 3600 * 1000);
    clock_.start(static_cast<int>(wait));
}
