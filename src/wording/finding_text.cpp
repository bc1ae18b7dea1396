#include "finding_text.h"

#include "wording/wording.h"

#include <QCoreApplication>
#include <QStringList>

namespace korvane {

namespace {

struct FindingText {
    Q_DECLARE_TR_FUNCTIONS(FindingText)
};

} // namespace

QString findingText(const RuleDoctor::Finding& finding, const QString& systemName) {
    using Finding = RuleDoctor::Finding;
    switch (finding.kind) {
    case Finding::MatchesNothing:
        return FindingText::tr("matches nothing: it has no extensions and no type group.");
    case Finding::ChooseApp:
        return FindingText::tr("choose an app for this rule.");
    case Finding::NeverApplies: {
        QStringList takers;
        for (const RuleDoctor::Taken& taken : finding.taken) {
            takers << FindingText::tr("%1 by rule %2", "an extension or group, a rule's number")
                          .arg(taken.group ? Wording::groupName(*taken.group)
                                           : Wording::extension(taken.extension))
                          .arg(taken.rule + 1);
        }
        return FindingText::tr("never applies: earlier rules take all its files (%1).")
            .arg(Wording::listed(takers));
    }
    case Finding::Overlap:
        return FindingText::tr("%1 is also in rule %2, which wins for it.", "%1: an extension")
            .arg(Wording::extension(finding.extension))
            .arg(finding.otherRule + 1);
    case Finding::NamesKorvane:
        return Wording::korvaneOpensNothingSentence();
    case Finding::MissingApp:
        return FindingText::tr("%1 wasn't found.")
            .arg(Wording::isolated(Wording::appName(finding.appName)));
    case Finding::OneFileAtATime:
        return FindingText::tr("%1 takes one file at a time: a drop of several files starts it "
                               "once for each, never once for all.")
            .arg(Wording::isolated(finding.appName));
    case Finding::NoFileName:
        return FindingText::tr("%1 can't end any file name.", "%1: an extension")
            .arg(Wording::extension(finding.extension));
    case Finding::ShadowedInFolder:
        return FindingText::tr("inside %1, rule %2 takes its %3 files first.",
                               "%1: a folder, %3: an extension")
            .arg(Wording::isolated(finding.folder))
            .arg(finding.otherRule + 1)
            .arg(Wording::extension(finding.extension));
    case Finding::MissingFolder:
        return FindingText::tr("the folder %1 doesn't exist.")
            .arg(Wording::isolated(finding.folder));
    case Finding::LinkCantMatch:
        return (finding.link.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)
                    ? FindingText::tr("%1 can't match any link: a file: link opens as a file.",
                                      "%1: a rule's link condition")
                    : FindingText::tr("%1 can't match any link: a link starts with its scheme, "
                                      "as https://.",
                                      "%1: a rule's link condition"))
            .arg(Wording::isolated(finding.link));
    case Finding::LinkWrittenAsLink:
        return FindingText::tr("%1 matches no link as written; write the site alone, as %2, "
                               "and it matches over http and https.",
                               "%1: a web link, %2: its host")
            .arg(Wording::isolated(finding.link), Wording::isolated(finding.site));
    case Finding::LinkShadowed:
        return FindingText::tr("rule %1 takes its %2 links first.", "%2: a rule's link condition")
            .arg(finding.otherRule + 1)
            .arg(Wording::isolated(finding.link));
    case Finding::UnknownExtension:
        return FindingText::tr("%1 has no registered type for %2, so \"Make default\" can't "
                               "work for it; routing still does.",
                               "%1: the desktop, %2: an extension")
            .arg(Wording::capitalised(systemName), Wording::extension(finding.extension));
    }
    return QString();
}

} // namespace korvane
