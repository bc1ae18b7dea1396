#pragma once

#include "rule.h"

#include <QList>
#include <QString>
#include <optional>

namespace korvane {

class Platform;

// What is wrong with a rule list on this desktop: rules that can never apply, apps that are
// missing or take one file at a time, extensions the desktop has no type for or no file name can
// have, rules that match nothing, extensions that two rules name, folders that aren't there, and
// extensions an earlier rule takes inside its folders; link conditions that match nothing or
// that an earlier rule's take first.
class RuleDoctor {
public:
    // An extension or a type group, and the earlier rule that takes its files.
    struct Taken {
        QString extension; // empty for the group
        std::optional<TypeGroup> group;
        int rule = -1;
    };
    struct Finding {
        enum Kind {
            NeverApplies,     // `taken`: earlier rules take all its files
            MissingApp,       // `appName`: the app the rule names
            OneFileAtATime,   // `appName`: the installed app's name
            UnknownExtension, // `extension` has no type of its own on this desktop
            MatchesNothing,   // no extensions and no type group
            ChooseApp,        // enabled, with no app
            Overlap,          // `extension` is also in `otherRule`, which wins for it
            NoFileName,       // `extension` can't end a file name
            NamesKorvane,
            MissingFolder,     // `folder`, one of its folders, is no folder here
            ShadowedInFolder,  // inside `folder`, `otherRule` takes its `extension` files first
            LinkCantMatch,     // its `link` condition matches no link
            LinkWrittenAsLink, // its `link` is a web link, which as a condition matches nothing;
                               // `site` alone would
            LinkShadowed       // `otherRule` takes every link its `link` condition names first
        };
        int rule = -1; // its index in the list
        Kind kind = MatchesNothing;
        QString extension;
        int otherRule = -1;
        QList<Taken> taken;
        QString appName;
        QString folder;
        QString link;
        QString site;
    };

    // The findings in rule order; safe off the main thread.
    static QList<Finding> check(const QList<Rule>& rules, const Platform& platform);
};

} // namespace korvane
