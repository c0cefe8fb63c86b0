#pragma once
// Every window of the program, each opened on its own: the main window, each
// wizard page, the Advance Menu, the quadrotor and airplane dialog and the
// About box. What must hold for every window is checked over this one list,
// and the screenshot tool pictures it.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

struct OpenedWindow {
    std::unique_ptr<QWidget> window;
    QWidget* shown = nullptr;  // the window, or the wizard page on show in it
};

struct WindowFactory {
    QString name;  // also the screenshot's file name
    // Shows the window, with the device values that give its longest captions.
    std::function<OpenedWindow()> open;
};

const std::vector<WindowFactory>& EveryWindow();
