#pragma once

#include "rule.h"

#include <QList>
#include <QString>

namespace korvane {

class Platform;

// What is wrong with a rule list on this desktop: rules that can never apply, apps that are
// missing or take one file at a time, extensions the desktop has no type for or no file name can
// have, rules that match nothing, and extensions that two rules name.
class RuleDoctor {
public:
    struct Finding {
        enum Kind {
            NeverApplies,
            MissingApp,
            OneFileAtATime,
            UnknownExtension,
            MatchesNothing,
            Overlap,
            NoFileName,
            NamesKorvane
        };
        int rule; // its index in the list
        Kind kind;
        QString text; // one sentence, naming rules by number from 1
    };

    // The findings in rule order; safe off the main thread.
    static QList<Finding> check(const QList<Rule>& rules, const Platform& platform);
};

} // namespace korvane
