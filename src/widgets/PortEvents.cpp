#include "widgets/PortEvents.h"

#include <QCoreApplication>

QEvent::Type PortEvent::Type() {
    static const int type = QEvent::registerEventType();
    return static_cast<QEvent::Type>(type);
}

void QtNotifyWindow::PostPortMessage(const PortNotification& n) {
    QCoreApplication::postEvent(target_, new PortEvent(n));
}
