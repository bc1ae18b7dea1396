#pragma once

#include "cli_text.h"
#include "core/rule.h"
#include "wording/wording.h"

#include <QStringList>

namespace korvane {

// What a rule matches, as the command line lists it: its extensions, its group, its folders;
// each only when it has one.
inline QStringList ruleWords(const Rule& rule) {
    QStringList parts;
    if (!rule.extensions.isEmpty()) {
        parts << rule.extensions.join(QStringLiteral(", "));
    }
    if (rule.group) {
        parts << CliText::tr("group: %1").arg(Wording::groupName(*rule.group));
    }
    if (!rule.folders.isEmpty()) {
        parts << CliText::tr("only in %1").arg(Wording::listed(rule.folders));
    }
    return parts;
}

} // namespace korvane
