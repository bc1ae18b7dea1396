#pragma once

#include "platform/content_type.h"
#include "route_result.h"

#include <QList>
#include <QString>
#include <optional>

namespace korvane {

// Why a file goes where it goes: the endings and the type considered, and each rule's part.
struct RouteExplanation {
    struct Verdict {
        enum Kind { ByExtension, ByGroup, ByFolders, Off, NoApp, Outside, NoMatch };
        Kind kind = NoMatch;
        QString extension; // ByExtension: the ending the rule names
        int beatenBy = -1; // a rule that applies, but an earlier one takes the file first
    };
    QString endings;                 // the routing key ("tar.gz"); empty when the name has none
    std::optional<ContentType> type; // of the last ending
    QList<Verdict> verdicts;         // one for each rule, in order
    int winner = -1;                 // the rule that takes the file
    RouteResult result;
};

} // namespace korvane
