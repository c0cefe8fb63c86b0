#pragma once
// The one Qt adapter of the link session: the port's notifications arrive
// here on the GUI thread (QtNotifyWindow posts them) and go to the session's
// Dispatch; a single-shot timer keeps the session's deadlines (the answer
// watchdog and the commands' answer waits). The program makes one where it
// starts, for the whole run; the GUI tests make one in their main.

#include "widgets/PortEvents.h"

#include <QObject>
#include <QTimer>

class LinkSession;

class QtLinkAdapter : public QObject {
    Q_OBJECT
public:
    explicit QtLinkAdapter(LinkSession& session, QObject* parent = nullptr);
    ~QtLinkAdapter() override;

protected:
    bool event(QEvent* event) override;

private:
    void ArmClock();

    LinkSession& session_;
    QTimer clock_;
    // Last member: unregisters first, so no notification reaches an adapter being destroyed.
    QtNotifyWindow notify_{this};
};
