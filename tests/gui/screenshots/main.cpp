// Not a test: renders every window of the list the GUI tests check, skinned
// as the program shows it and connected to a simulated Orvex, into PNG files.
//
//   quillon-screenshots <output folder> [window name, e.g. main] [--screen WxH] [--dark]
//
// Besides the windows it pictures Qt's own file dialog ("file-dialog").
// --screen gives the offscreen screen that size (1920x1200 without it);
// --dark gives the application a dark desktop palette before the skin starts.
// QT_SCALE_FACTOR=2 in the environment pictures a scaled screen.

#include "../DarkDesktopPalette.h"
#include "../OffscreenScreen.h"
#include "../WindowFactory.h"
#include "SimProcess.h"
#include "app/CMainFrame.h"
#include "app/CUARTView.h"
#include "app/LanguageChoice.h"
#include "app/PortComboBox.h"
#include "params/Orvex.h"
#include "widgets/ApplicationFilters.h"
#include "widgets/Dialogs.h"
#include "widgets/QtLinkAdapter.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kConnect = 1000;
constexpr int kWaitMs = 10000;

struct Options {
    QString out, only, lang;  // lang: a language code of LanguageChoice ("zh_CN"), "" for English
    QSize screen{1920, 1200};
    bool dark = false;
};

// Qt's own file dialog, as the program's file dialogs show where the desktop
// offers none of its own: it takes its colours from the application.
std::unique_ptr<QWidget> OpenFileDialog() {
    static const QTemporaryDir folder;  // a folder of a few configuration files, the same on every machine
    for (const char* name : {"450-sport.ini", "450-trainer.ini", "550-3d.ini"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        static_cast<void>(file.open(QIODevice::WriteOnly));
    }
    auto dialog = std::make_unique<QFileDialog>(nullptr, QStringLiteral("Open conifg file"), folder.path(),
                                                Dialogs::QtFilter(QStringLiteral("conif file (*.ini)|*.ini||")));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    static_cast<void>(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
}

bool ParseOptions(int argc, char** argv, Options& o) {
    QStringList positional;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QStringLiteral("--dark")) {
            o.dark = true;
        } else if (arg == QStringLiteral("--lang") && i + 1 < argc) {
            o.lang = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QStringLiteral("--screen") && i + 1 < argc) {
            const QStringList wh = QString::fromLocal8Bit(argv[++i]).split(QLatin1Char('x'));
            o.screen = wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
            if (o.screen.isEmpty()) return false;
        } else {
            positional << arg;
        }
    }
    if (positional.isEmpty() || positional.size() > 2) return false;
    o.out = positional[0];
    o.only = positional.value(1);
    return true;
}

// Picks the simulator in the COM list and presses Connect, as a user does.
bool ConnectMainWindow(CMainFrame& frame, const std::string& path) {
    PortComboBox* ports = frame.view()->portList();
    ports->showPopup();  // fills the list afresh
    ports->hidePopup();
    const int row = ports->findData(QString::fromStdString(path));
    if (row < 0) return false;
    ports->setCurrentIndex(row);
    emit ports->activated(row);
    QTest::mouseClick(frame.view()->findChild<QPushButton*>(QStringLiteral("id%1").arg(kConnect)), Qt::LeftButton);
    return QTest::qWaitFor([&] { return frame.statusText() == QStringLiteral("Orvex Connected!"); }, kWaitMs);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s <output folder> [window name] [--screen WxH] [--dark] [--lang CODE]\n",
                     argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    UseOffscreenScreen(options.screen);
    QApplication app(argc, argv);
    const QDir out(options.out);
    const QString only = options.only;
    QDir().mkpath(out.path());
    Dialogs::SetTestMode(true);  // a message box would wait for a user
    InstallApplicationFilters();
    const QtLinkAdapter link(TheOrvex().session);
    if (options.dark) QApplication::setPalette(DarkDesktopPalette());
    Skin::Start("IDR_MYTYPE1", 1, 6, 0, "MYTYPE");
    for (const LanguageChoice::LanguageDef& d : LanguageChoice::kLanguages)
        if (options.lang == QLatin1String(d.code)) LanguageChoice::Apply(d.language);
    SimProcess sim({.args = {"--baud", "0"}});
    setenv("XDG_RUNTIME_DIR", sim.runtimeDir().c_str(), 1);  // where the COM list finds the simulator

    int failed = 0, written = 0;
    std::vector<WindowFactory> windows = EveryWindow();
    windows.push_back({QStringLiteral("file-dialog"), [] { return OpenedWindow{OpenFileDialog(), nullptr}; }});
    for (const WindowFactory& factory : windows) {
        if (!only.isEmpty() && factory.name != only) continue;
        ResetOrvex();
        const bool mainWindow = factory.name == QStringLiteral("main");
        if (!mainWindow) {
            TheOrvex().LinkPort.AddFlags(PortRxQueue);
            OpenLinkPort(TheOrvex().LinkPort, 1, sim.portPath());
        }
        OpenedWindow opened = factory.open();
        if (mainWindow && !ConnectMainWindow(static_cast<CMainFrame&>(*opened.window), sim.linkPath()))
            std::fprintf(stderr, "main: not connected to the simulator\n");
        QTest::qWait(500);  // live values arrive, refreshes and the repaint run
        const QString path = out.filePath(factory.name + QStringLiteral(".png"));
        if (opened.window->grab().save(path)) {
            ++written;
        } else {
            ++failed;
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        }
        opened.window.reset();
    }
    ResetOrvex();
    Skin::Stop();
    std::printf("wrote %d pictures to %s\n", written, qPrintable(out.absolutePath()));
    return failed || written == 0 ? 1 : 0;
}
