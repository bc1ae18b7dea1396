#pragma once

#include <QLoggingCategory>

// korvane.platform: launches, reveals, edits of mimeapps.list and the app database's changes.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
