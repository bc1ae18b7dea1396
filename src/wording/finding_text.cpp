#include "finding_text.h"

#include "wording/wording.h"

#include <QStringList>

namespace korvane {

QString findingText(const RuleDoctor::Finding& finding, const QString& systemName) {
    using Finding = RuleDoctor::Finding;
    switch (finding.kind) {
    case Finding::MatchesNothing:
        return QStringLiteral("matches nothing: it has no extensions and no type group.");
    case Finding::ChooseApp:
        return QStringLiteral("choose an app for this rule.");
    case Finding::NeverApplies: {
        QStringList takers;
        for (const RuleDoctor::Taken& taken : finding.taken) {
            takers << QStringLiteral("%1 by rule %2")
                          .arg(taken.group ? taken.group->label() : u'.' + taken.extension)
                          .arg(taken.rule + 1);
        }
        return QStringLiteral("never applies: earlier rules take all its files (%1).")
            .arg(takers.join(QStringLiteral(", ")));
    }
    case Finding::Overlap:
        return QStringLiteral(".%1 is also in rule %2, which wins for it.")
            .arg(finding.extension)
            .arg(finding.otherRule + 1);
    case Finding::NamesKorvane:
        return Wording::korvaneOpensNothing() + u'.';
    case Finding::MissingApp:
        return QStringLiteral("%1 wasn't found.").arg(Wording::appName(finding.appName));
    case Finding::OneFileAtATime:
        return QStringLiteral("%1 takes one file at a time: a drop of several files starts it "
                              "once for each, never once for all.")
            .arg(finding.appName);
    case Finding::NoFileName:
        return QStringLiteral(".%1 can't end any file name.").arg(finding.extension);
    case Finding::UnknownExtension:
        return QStringLiteral("%1 has no registered type for .%2, so \"Make default\" can't work "
                              "for it; routing still does.")
            .arg(Wording::capitalised(systemName), finding.extension);
    }
    return QString();
}

} // namespace korvane
