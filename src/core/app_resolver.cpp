#include "app_resolver.h"

#include "platform/platform.h"
#include "rule.h"
#include "unicode.h"

#include <QCollator>
#include <QSet>
#include <algorithm>

namespace korvane {

QString AppResolver::displayName(const QString& path, const Platform& platform) {
    return Unicode::elided(platform.displayName(path));
}

namespace {
// Only applications the platform itself finds by identifier: a rules file names any path it
// likes, so the path serves only to learn the identifier of an installed application.
QString identifierOf(const Rule& rule, const Platform& platform) {
    return rule.appId.isEmpty() ? platform.applicationId(rule.appPath) : rule.appId;
}
} // namespace

std::optional<QString> AppResolver::resolve(const Rule& rule, const Platform& platform) {
    const QString identifier = identifierOf(rule, platform);
    return identifier.isEmpty() || platform.isKorvane(identifier)
               ? std::nullopt
               : platform.applicationForIdentifier(identifier);
}

bool AppResolver::namesKorvane(const Rule& rule, const Platform& platform) {
    return rule.hasApp() && platform.isKorvane(identifierOf(rule, platform));
}

QStringList AppResolver::candidates(const QStringList& extensions,
                                    const std::optional<TypeGroup>& group,
                                    const Platform& platform) {
    QList<ContentType> types;
    for (const QString& extension : extensions) {
        if (const auto type = platform.typeForExtension(extension)) {
            types.append(*type);
        }
    }
    if (group) {
        types.append(group->contentTypes(platform));
    }
    struct Candidate {
        QString path;
        QString name;
    };
    QList<Candidate> found;
    QSet<QString> seen;
    for (const ContentType& type : types) {
        for (const QString& app : platform.applicationsForType(type)) {
            if (!seen.contains(app)) {
                seen.insert(app);
                found.append({app, displayName(app, platform)});
            }
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(found.begin(), found.end(), [&](const Candidate& a, const Candidate& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    QStringList result;
    for (qsizetype i = 0; i < found.size() && i < 30; ++i) {
        result.append(found[i].path);
    }
    return result;
}

std::optional<QString> AppLookups::resolve(const Rule& rule) {
    const QString key = rule.appId + u'\n' + rule.appPath;
    auto it = m_resolved.find(key);
    if (it == m_resolved.end()) {
        it = m_resolved.insert(key, AppResolver::resolve(rule, m_platform));
    }
    return *it;
}

QString AppLookups::displayName(const QString& app) {
    auto it = m_names.find(app);
    if (it == m_names.end()) {
        it = m_names.insert(app, AppResolver::displayName(app, m_platform));
    }
    return *it;
}

bool AppLookups::takesOneFileAtATime(const QString& app) {
    auto it = m_oneAtATime.find(app);
    if (it == m_oneAtATime.end()) {
        it = m_oneAtATime.insert(app, m_platform.takesOneFileAtATime(app));
    }
    return *it;
}

} // namespace korvane
