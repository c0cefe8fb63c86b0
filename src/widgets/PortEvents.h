#pragma once
// Delivers the serial link's notifications to a QObject on the GUI thread.
//
// The worker thread calls PostPortMessage through NotifyRegistry; it only
// queues a PortEvent with QCoreApplication::postEvent. The registration is
// dropped in the destructor, before the target object goes, so a late
// notification is dropped rather than delivered to freed memory; events
// already posted are discarded by Qt together with their receiver.

#include "link/NotifyWindow.h"

#include <QEvent>
#include <QObject>

class PortEvent : public QEvent {
public:
    explicit PortEvent(const PortNotification& n) : QEvent(Type()), notification(n) {}
    static QEvent::Type Type();
    PortNotification notification;
};

class QtNotifyWindow : public NotifyWindow {
public:
    explicit QtNotifyWindow(QObject* target) : target_(target), registration_(this) {}
    NotifyHandle handle() const { return registration_.handle(); }
    void PostPortMessage(const PortNotification& n) override;

private:
    QObject* target_;
    NotifyRegistration registration_;
};
