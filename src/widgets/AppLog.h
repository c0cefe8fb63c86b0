#pragma once
// Every logging category of the program, one per area, all defined in
// AppLog.cpp with one default: warnings and worse only. QT_LOGGING_RULES
// (e.g. "quillon.*.debug=true") turns on more; its rules override the default.
//   quillon.ui       windows, controls and user actions of the main window
//   quillon.link     connecting, port list, hang-ups as the main window sees them
//   quillon.config   configuration files opened, saved and transmitted; backups
//   quillon.skin     the skin library
//   quillon.widgets  the reusable widgets: pictures, dialogs, visual style, screen fit
//   quillon.wizard   the setup wizard and its pages
//   quillon.firmware the firmware upgrade
//   quillon.advance  the Advance Menu
//   quillon.airframe the quadrotor and airplane dialog

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcAppUi)
Q_DECLARE_LOGGING_CATEGORY(lcAppLink)
Q_DECLARE_LOGGING_CATEGORY(lcAppConfig)
Q_DECLARE_LOGGING_CATEGORY(lcAppSkin)
Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
Q_DECLARE_LOGGING_CATEGORY(lcWizard)
Q_DECLARE_LOGGING_CATEGORY(lcFirmware)
Q_DECLARE_LOGGING_CATEGORY(lcAdvanceMenu)
Q_DECLARE_LOGGING_CATEGORY(lcAirframe)
