#pragma once

#include "core/drop_report.h"

#include <QString>

namespace korvane {

// The words a drop's summary takes from the front end and the desktop.
struct DropWords {
    QString systemName;      // "your desktop"
    QString fileManagerName; // "Files"
    QString missingAppHint;  // what to do about a missing app: "Fix the rule below."
};

// A drop's summary in one line ("Opened 5 files in 4 apps · 1 missing"); empty when there is
// nothing to say.
QString dropSummary(const DropReport& report, const DropWords& words);

} // namespace korvane
