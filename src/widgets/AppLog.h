#pragma once
// Logging categories of the application shell, one per area:
//   quillon.ui     windows, controls and user actions of the main window
//   quillon.link   connecting, port list, hang-ups as the main window sees them
//   quillon.config configuration files opened, saved and transmitted
//   quillon.skin   the skin library

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcAppUi)
Q_DECLARE_LOGGING_CATEGORY(lcAppLink)
Q_DECLARE_LOGGING_CATEGORY(lcAppConfig)
Q_DECLARE_LOGGING_CATEGORY(lcAppSkin)
