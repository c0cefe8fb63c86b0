#include "widgets/AppLog.h"

Q_LOGGING_CATEGORY(lcAppUi, "quillon.ui", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAppLink, "quillon.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAppConfig, "quillon.config", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAppSkin, "quillon.skin", QtWarningMsg)
