#pragma once

#include "platform/content_type.h"
#include "route_result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

// Why a file goes where it goes: the endings and the type considered, and each rule's part.
struct RouteExplanation {
    struct Verdict {
        enum Kind { ByExtension, ByGroup, ByFolders, Off, NoApp, Outside, NoMatch, ByLink };
        Kind kind = NoMatch;
        QString extension; // ByExtension: the ending the rule names; ByLink: its condition
        int beatenBy = -1; // a rule that applies, but an earlier one takes the file first
    };
    bool link = false;               // a link's: by the rules' links, its type its scheme's
    QString endings;                 // the routing key ("tar.gz"); empty when the name has none
    std::optional<ContentType> type; // of the last ending
    QList<Verdict> verdicts;         // one for each rule, in order
    int winner = -1;                 // the rule that takes the file
    RouteResult result;

    // What the desktop says about the file (DesktopOpener::explain fills them in).
    QStringList typeParents{};
    QStringList typeAliases{};
    QString command{};                       // what the winner's app would run; empty: unknown
    std::optional<QString> desktopApp{};     // the desktop's own choice for the type
    QString desktopOrigin{};                 // the file that says so; empty: unknown
    bool throughKorvane = false;             // the desktop's choice is Korvane, its opener:
    std::optional<QString> withoutKorvane{}; // then what opened these files before it
    QString withoutKorvaneOrigin{};          // the file that named that app; empty: unknown
};

} // namespace korvane
