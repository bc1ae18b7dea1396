#include "rule_words.h"

#include "wording.h"

#include <QCoreApplication>

namespace korvane {

namespace {

struct RuleText {
    Q_DECLARE_TR_FUNCTIONS(RuleText)
};

} // namespace

QStringList ruleWords(const Rule& rule) {
    QStringList words;
    if (!rule.extensions.isEmpty()) {
        words << rule.extensions.join(QStringLiteral(", "));
    }
    if (rule.group) {
        words << RuleText::tr("group: %1").arg(Wording::groupName(*rule.group));
    }
    if (!rule.links.isEmpty()) {
        words << RuleText::tr("links: %1").arg(Wording::listed(rule.links));
    }
    if (!rule.folders.isEmpty()) {
        words << RuleText::tr("only in %1").arg(Wording::listed(rule.folders));
    }
    return words;
}

} // namespace korvane
