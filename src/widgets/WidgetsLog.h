#pragma once
// Logging category of the reusable widgets ("quillon.widgets").

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
