#include "widgets/WidgetsLog.h"

Q_LOGGING_CATEGORY(lcWidgets, "quillon.widgets")
