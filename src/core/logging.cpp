#include "logging.h"

Q_LOGGING_CATEGORY(lcStore, "korvane.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDefaults, "korvane.defaults", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDrop, "korvane.drop", QtWarningMsg)
