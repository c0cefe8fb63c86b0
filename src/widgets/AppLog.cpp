#include "widgets/AppLog.h"

#include <cstring>

namespace {
// The one default of every category; a shipped program says nothing on stderr until something goes wrong.
constexpr QtMsgType kDefaultLevel = QtWarningMsg;

// Qt's rules switch one level at a time, so "quillon.*.debug=true" alone would leave the info
// messages between debug and the warning default silent. An area whose debug messages are on
// shows its info messages too; everything else is Qt's own filter, rules included.
QLoggingCategory::CategoryFilter qtFilter = nullptr;

void DebugShowsInfo(QLoggingCategory* category) {
    if (!qtFilter) return;  // called once while installing, before Qt's filter is known
    qtFilter(category);
    if (std::strncmp(category->categoryName(), "quillon.", 8) == 0 && category->isDebugEnabled())
        category->setEnabled(QtInfoMsg, true);
}

// Installed before main, so no program or test can start without it; Qt applies it to every
// category as it is made and again once QCoreApplication has read QT_LOGGING_RULES.
const bool kFilterInstalled = (qtFilter = QLoggingCategory::installFilter(DebugShowsInfo)) != nullptr;
}  // namespace

Q_LOGGING_CATEGORY(lcAppUi, "quillon.ui", kDefaultLevel)
Q_LOGGING_CATEGORY(lcAppLink, "quillon.link", kDefaultLevel)
Q_LOGGING_CATEGORY(lcAppConfig, "quillon.config", kDefaultLevel)
Q_LOGGING_CATEGORY(lcAppSkin, "quillon.skin", kDefaultLevel)
Q_LOGGING_CATEGORY(lcWidgets, "quillon.widgets", kDefaultLevel)
Q_LOGGING_CATEGORY(lcWizard, "quillon.wizard", kDefaultLevel)
Q_LOGGING_CATEGORY(lcFirmware, "quillon.firmware", kDefaultLevel)
Q_LOGGING_CATEGORY(lcAdvanceMenu, "quillon.advance", kDefaultLevel)
Q_LOGGING_CATEGORY(lcAirframe, "quillon.airframe", kDefaultLevel)
