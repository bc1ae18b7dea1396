#pragma once

#include "type_group.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

class Platform;
struct Rule;

// Finds the app a rule names and the apps that suit a rule, and names them for messages.
class AppResolver {
public:
    // The platform's display name of the item at `path`, shortened if very long.
    static QString displayName(const QString& path, const Platform& platform);
    // The rule's application, as the platform finds it by the rule's identifier (or, without
    // one, by the identifier of the installed application at the stored path).
    // Korvane's own entry is never one: it would hand the files back to itself.
    static std::optional<QString> resolve(const Rule& rule, const Platform& platform);
    // Whether the rule names Korvane itself as its app.
    static bool namesKorvane(const Rule& rule, const Platform& platform);
    // The applications the platform offers for the extensions' types and the group's types,
    // once each, sorted by display name (localized, case-insensitive, stable), at most 30.
    // Safe to call off the main thread.
    static QStringList candidates(const QStringList& extensions,
                                  const std::optional<TypeGroup>& group, const Platform& platform);
};

// The look-ups of one pass over many rules, each application asked about once: a list of
// thousands of rules names only a few applications.
class AppLookups {
public:
    explicit AppLookups(const Platform& platform)
        : m_platform(platform) {}

    std::optional<QString> resolve(const Rule& rule);
    QString displayName(const QString& app);
    bool takesOneFileAtATime(const QString& app);

private:
    const Platform& m_platform;
    QHash<QString, std::optional<QString>> m_resolved;
    QHash<QString, QString> m_names;
    QHash<QString, bool> m_oneAtATime;
};

} // namespace korvane
