#pragma once
// SIGTERM (logout), SIGINT and SIGHUP end the program as File > Exit does:
// the handler only writes the signal's number into a pipe; a socket notifier
// reads it on the GUI thread, rejects the open modal dialogs (the wizard
// and the Monitor page send their stop frame as their Cancel does), then
// closes every window, so the main view closes the port and clears its
// exclusive flag. One per program, made where it starts.

#include <QObject>

class QSocketNotifier;

class StopSignalWatcher : public QObject {
public:
    StopSignalWatcher();
    ~StopSignalWatcher() override;

    // The signal that ended the program, 0 while none came.
    int caught() const { return caught_; }

private:
    void OnSignal();

    QSocketNotifier* notifier_ = nullptr;
    int caught_ = 0;
};
