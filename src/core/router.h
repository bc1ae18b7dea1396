#pragma once

#include "route_explanation.h"
#include "route_result.h"

#include <QList>
#include <QString>

namespace korvane {

class Platform;

// Which rule claims a file, and which application opens it.
class Router {
public:
    // Extension matches beat group matches; a rule extension with a dot ("tar.gz") matches names
    // ending in it, and a longer ending beats a shorter one. Otherwise the earlier rule wins. Only
    // enabled rules with an application take part. A matched rule whose application is missing
    // ends the search. A rule with folders applies only to files inside them; one with folders
    // alone claims every file there, at the same step as a group.
    static RouteResult route(const QString& file, const QList<Rule>& rules,
                             const Platform& platform);
    // A link goes by the rules' link conditions only: the first enabled rule with an app that
    // names it takes it.
    static RouteResult routeLink(const QString& link, const QList<Rule>& rules,
                                 const Platform& platform);
    // Why a link goes where it goes: each rule's part, by its links.
    static RouteExplanation explainLink(const QString& link, const QList<Rule>& rules,
                                        const Platform& platform);
    // The same decision for many files at once. The decision depends only on a file's key, so
    // each distinct key is routed once.
    static QList<RouteResult> routeAll(const QStringList& files, const QList<Rule>& rules,
                                       const Platform& platform);
    // The same decision with its reasons: each rule's part, in order.
    static RouteExplanation explain(const QString& file, const QList<Rule>& rules,
                                    const Platform& platform);
    // The routing key of a file: the text after the last dot of its name, fully lower-cased.
    // Empty for names without a dot, names ending in a dot and dot-files (".bashrc"). With
    // `parts` above 1, up to that many endings ("tar.gz"), as long as a name is left before them.
    static QString extensionKey(const QString& file, int parts = 1);
    // The ending a rule made for this file should name: the two-part one ("tar.gz") where the
    // desktop has a type of its own for it, else the last ("gz" would claim every .gz file).
    static QString ruleKey(const QString& file, const Platform& platform);

private:
    // How many endings the rules' longest extension spans ("tar.gz": 2).
    static int endingParts(const QList<Rule>& rules);
    // `applies` tells, for each rule, whether the file is inside its folders.
    static RouteResult routeKey(const QString& endings, const QList<Rule>& rules,
                                const Platform& platform, const QList<bool>& applies);
};

} // namespace korvane
