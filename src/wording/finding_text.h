#pragma once

#include "core/rule_doctor.h"

#include <QString>

namespace korvane {

// What the rule check found, as the front ends say it: one sentence that goes after "Rule 3: "
// on the command line and stands alone, capitalised, under the row in the window. Rules are
// named by number from 1; `systemName` is the desktop's ("your desktop").
QString findingText(const RuleDoctor::Finding& finding, const QString& systemName);

} // namespace korvane
