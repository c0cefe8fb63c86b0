// quillon: the Orvex configuration program.

#include "app/CUARTApp.h"
#include "widgets/WheelGuard.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    WheelGuard::Install();
    CUARTApp app;
    if (!app.InitInstance()) return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
