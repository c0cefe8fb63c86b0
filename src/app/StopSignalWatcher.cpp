#include "app/StopSignalWatcher.h"

#include "widgets/AppLog.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace {
constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_pipe[2] = {-1, -1};

extern "C" void OnStopSignal(int signal) {
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = savedErrno;
}
}  // namespace

StopSignalWatcher::StopSignalWatcher() {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcAppUi) << "no pipe for the stop signals:" << strerror(errno);
        return;
    }
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignalWatcher::OnSignal);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kStopSignals) sigaction(signal, &action, nullptr);
}

StopSignalWatcher::~StopSignalWatcher() {
    if (!notifier_) return;
    for (int signal : kStopSignals) std::signal(signal, SIG_DFL);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void StopSignalWatcher::OnSignal() {
    char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1) caught_ = number;
    qCInfo(lcAppUi) << "signal" << caught_ << ": closing as File > Exit does";
    // The dialogs first, top one first, while the port is still open.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->close()) break;
    }
    QApplication::closeAllWindows();
    // Before the main window exists, or when nothing was open, the loop ends here.
    QApplication::quit();
}
