#pragma once

#include "type_group.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

class Platform;
struct Rule;

// Application look-ups.
class AppInfo {
public:
    // The platform's display name of the item at `path`, with one trailing ".app" removed.
    static QString displayName(const QString& path, const Platform& platform);
    // The rule's application: by identifier first, then by the stored path while it still holds
    // an application of that identifier.
    static std::optional<QString> resolve(const Rule& rule, const Platform& platform);
};

} // namespace korvane
