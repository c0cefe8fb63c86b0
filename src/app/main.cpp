// quillon: the Orvex configuration program.

#include "app/CUARTApp.h"
#include "app/StopSignalWatcher.h"
#include "widgets/ApplicationFilters.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any display is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return std::printf("quillon %s\n", QUILLON_VERSION) < 0;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return std::printf("usage: quillon [--version | --help]\nThe Orvex configuration program.\n") < 0;
    QApplication application(argc, argv);
    InstallApplicationFilters();
    const StopSignalWatcher stopSignals;
    CUARTApp app;
    if (!app.InitInstance()) return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    // Ended by a signal: the status a shell expects of it.
    return stopSignals.caught() != 0 ? 128 + stopSignals.caught() : result;
}
