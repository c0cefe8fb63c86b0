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
    // Qt would abort with advice to reinstall; the real reason is simpler.
    const auto unset = [](const char* name) { return qEnvironmentVariableIsEmpty(name); };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "quillon: no display (neither DISPLAY nor WAYLAND_DISPLAY is set). Run it on a desktop, "
                     "or use quillon-cli.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    // Qt has taken its own options (-platform, -style ...); anything left is a mistake.
    if (const QStringList rest = QApplication::arguments().mid(1); !rest.isEmpty()) {
        std::fprintf(stderr, "quillon: unknown option '%s'\nusage: quillon [--version | --help]\n",
                     qPrintable(rest.front()));
        return 2;
    }
    InstallApplicationFilters();
    const StopSignalWatcher stopSignals;
    CUARTApp app;
    if (!app.InitInstance()) return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    // Ended by a signal: the status a shell expects of it.
    return stopSignals.caught() != 0 ? 128 + stopSignals.caught() : result;
}
