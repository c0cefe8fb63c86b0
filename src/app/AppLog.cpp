#include "AppLog.h"

Q_LOGGING_CATEGORY(lcAppUi, "quillon.ui")
Q_LOGGING_CATEGORY(lcAppLink, "quillon.link")
Q_LOGGING_CATEGORY(lcAppConfig, "quillon.config")
Q_LOGGING_CATEGORY(lcAppSkin, "quillon.skin")
