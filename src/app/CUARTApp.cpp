#include "app/CUARTApp.h"

#include "app/CAboutBox.h"
#include "app/CMainFrame.h"
#include "app/LanguageChoice.h"
#include "params/Orvex.h"
#include "widgets/AppLog.h"
#include "widgets/QtLinkAdapter.h"
#include "widgets/Skin.h"

#include <QApplication>

CUARTApp::CUARTApp() = default;

CUARTApp::~CUARTApp() = default;

bool CUARTApp::InitInstance() {
    QApplication::setApplicationName(QStringLiteral("Quillon2.0"));
    // Docks and Wayland shells match the window to its menu entry by this name
    // (the app id) and by the window class, which is the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillon.Quillon"));
    // Before the first window, so every window starts in the pilot's language.
    LanguageChoice::Apply(LanguageChoice::Preferred());
    Skin::Start("IDR_MYTYPE1", 1, 6, 0, "MYTYPE");
    link_ = std::make_unique<QtLinkAdapter>(TheOrvex().session);
    frame_ = std::make_unique<CMainFrame>(TheOrvex());
    QObject::connect(frame_.get(), &CMainFrame::aboutRequested, [this] { OnAppAbout(); });
    frame_->show();
    qCInfo(lcAppUi) << "main window shown";
    return true;
}

int CUARTApp::ExitInstance() {
    frame_.reset();
    link_.reset();
    return 0;
}

void CUARTApp::OnAppAbout() {
    CAboutBox about(frame_.get());
    about.exec();
}
