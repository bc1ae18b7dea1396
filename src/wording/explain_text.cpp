#include "explain_text.h"

#include "core/app_resolver.h"
#include "platform/platform.h"
#include "rule_words.h"
#include "wording.h"

#include <QCoreApplication>

namespace korvane {

namespace {

struct ExplainText {
    Q_DECLARE_TR_FUNCTIONS(ExplainText)
};

QString parts(const QStringList& words) {
    return words.join(ExplainText::tr("; ", "between a rule's parts"));
}

// What a rule is about, in the words the rule list uses.
QString about(const Rule& rule) {
    const QStringList words = ruleWords(rule);
    return words.isEmpty() ? ExplainText::tr("(no extensions)") : parts(words);
}

QString verdictText(const RouteExplanation::Verdict& verdict) {
    using Verdict = RouteExplanation::Verdict;
    if (verdict.beatenBy >= 0) {
        return ExplainText::tr("also applies, but rule %1 takes the file first")
            .arg(verdict.beatenBy + 1);
    }
    switch (verdict.kind) {
    case Verdict::ByExtension:
        return ExplainText::tr("applies: it names %1").arg(Wording::extension(verdict.extension));
    case Verdict::ByGroup:
        return ExplainText::tr("applies: the type is in its group");
    case Verdict::ByFolders:
        return ExplainText::tr("applies: the file is in its folders");
    case Verdict::Off:
        return ExplainText::tr("switched off");
    case Verdict::NoApp:
        return ExplainText::tr("no app");
    case Verdict::Outside:
        return ExplainText::tr("the file is outside its folders");
    case Verdict::ByLink:
        return ExplainText::tr("applies: its links name it (%1)").arg(verdict.extension);
    case Verdict::NoMatch:
        break;
    }
    return ExplainText::tr("doesn't apply");
}

} // namespace

QStringList explanationLines(const RouteExplanation& why, const QList<Rule>& rules,
                             const Platform& platform) {
    QStringList lines;
    if (!why.link) {
        lines << (why.endings.isEmpty() ? ExplainText::tr("endings: none")
                                        : ExplainText::tr("endings: %1").arg(why.endings));
    }
    if (why.type) {
        QStringList type{ExplainText::tr("type: %1").arg(why.type->identifier)};
        if (!why.typeParents.isEmpty()) {
            type << ExplainText::tr("parents: %1").arg(Wording::listed(why.typeParents));
        }
        if (!why.typeAliases.isEmpty()) {
            type << ExplainText::tr("also called: %1").arg(Wording::listed(why.typeAliases));
        }
        lines << parts(type);
    } else {
        lines << ExplainText::tr("type: unknown");
    }
    for (qsizetype i = 0; i < rules.size() && i < why.verdicts.size(); ++i) {
        lines << ExplainText::tr("rule %1 (%2): %3")
                     .arg(i + 1)
                     .arg(about(rules[i]), verdictText(why.verdicts[i]));
    }
    if (!why.command.isEmpty()) {
        lines << ExplainText::tr("runs: %1").arg(why.command);
    }
    std::optional<QString> app = why.desktopApp;
    QString origin = why.desktopOrigin;
    if (why.throughKorvane) {
        lines << (origin.isEmpty()
                      ? ExplainText::tr("the desktop: opens it through Korvane")
                      : ExplainText::tr("the desktop: opens it through Korvane, as %1 says")
                            .arg(origin));
        app = why.withoutKorvane;
        origin = why.withoutKorvaneOrigin;
    }
    if (!app) {
        lines << ExplainText::tr("without Korvane: no app");
    } else if (origin.isEmpty()) {
        lines
            << ExplainText::tr("without Korvane: %1").arg(AppResolver::displayName(*app, platform));
    } else {
        lines << ExplainText::tr("without Korvane: %1, as %2 says")
                     .arg(AppResolver::displayName(*app, platform), origin);
    }
    return lines;
}

} // namespace korvane
