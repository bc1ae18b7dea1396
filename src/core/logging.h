#pragma once

#include <QLoggingCategory>

// What a maintainer can ask Korvane to tell (QT_LOGGING_RULES="korvane.*.debug=true"); quiet but
// for warnings by default.
Q_DECLARE_LOGGING_CATEGORY(lcStore)    // korvane.store: the rules file, its saving and locks
Q_DECLARE_LOGGING_CATEGORY(lcDefaults) // korvane.defaults: making and restoring default apps
Q_DECLARE_LOGGING_CATEGORY(lcDrop)     // korvane.drop: drops, their launches and reveals
