#pragma once

#include "type_group.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

class Platform;

// What a rule's editor shows beside it, looked up on the desktop: the apps that suit it and
// which app opens each of its first extensions now. Safe off the main thread.
struct RuleLookup {
    struct CurrentDefault {
        QString extension;
        QString appName; // empty: no app opens it
    };
    QStringList candidates;
    QList<CurrentDefault> defaults; // of its first six extensions that have a type
    bool settable = true;           // some extension has a type of its own, so a default can be set

    static RuleLookup of(const Platform& platform, const QStringList& extensions,
                         const std::optional<TypeGroup>& group);
};

} // namespace korvane
