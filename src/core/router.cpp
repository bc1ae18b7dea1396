#include "router.h"

#include "app_resolver.h"
#include "platform/platform.h"
#include "unicode.h"

#include <QHash>
#include <array>

namespace korvane {

QString Router::extensionKey(const QString& file, int parts) {
    QStringView path(file);
    while (path.size() > 1 && path.endsWith(u'/')) {
        path.chop(1);
    }
    const qsizetype slash = path.lastIndexOf(u'/');
    const QStringView name = path.mid(slash + 1);
    qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0) {
        return {};
    }
    // Further endings only while a name is left before them (".config.gz" ends in "gz").
    for (qsizetype before; --parts > 0 && (before = name.lastIndexOf(u'.', dot - 1)) > 0;) {
        dot = before;
    }
    return name.mid(dot + 1).toString().toLower();
}

QString Router::ruleKey(const QString& file, const Platform& platform) {
    QString last = extensionKey(file);
    QString two = extensionKey(file, 2);
    if (two != last) {
        const auto type = platform.typeForExtension(two);
        const auto lastType = platform.typeForExtension(last);
        if (type && !type->dynamic && (!lastType || type->identifier != lastType->identifier)) {
            return two;
        }
    }
    return last;
}

int Router::endingParts(const QList<Rule>& rules) {
    qsizetype most = 0;
    for (const Rule& rule : rules) {
        for (const QString& extension : rule.extensions) {
            most = std::max(most, extension.count(u'.'));
        }
    }
    return int(std::min<qsizetype>(most, 7)) + 1;
}

namespace {

// Whether `key` is among the extensions, by canonical equivalence. `keyNfc` is empty when the key
// is ASCII, in which case an ASCII extension can only be equal to it byte for byte.
bool listsKey(const QStringList& extensions, const QString& key, const QString& keyNfc) {
    for (const QString& extension : extensions) {
        if (extension == key) {
            return true;
        }
        if ((!keyNfc.isEmpty() || !Unicode::isAscii(extension)) &&
            extension.normalized(QString::NormalizationForm_C) ==
                (keyNfc.isEmpty() ? key : keyNfc)) {
            return true;
        }
    }
    return false;
}

} // namespace

RouteResult Router::route(const QString& file, const QList<Rule>& rules, const Platform& platform) {
    QString key = extensionKey(file, 2);
    if (key.contains(u'.')) { // more than one ending: the rules say how many count
        key = extensionKey(file, endingParts(rules));
    }
    if (key.isEmpty()) {
        return RouteResult::none();
    }
    return routeKey(key, rules, platform);
}

QList<RouteResult> Router::routeAll(const QStringList& files, const QList<Rule>& rules,
                                    const Platform& platform) {
    QList<RouteResult> results;
    results.reserve(files.size());
    QHash<QString, qsizetype> seen; // key -> index of its first result
    const int parts = endingParts(rules);
    for (const QString& file : files) {
        const QString key = extensionKey(file, parts);
        if (key.isEmpty()) {
            results.append(RouteResult::none());
            continue;
        }
        const auto it = seen.constFind(key);
        if (it != seen.cend()) {
            results.append(results.at(*it));
            continue;
        }
        seen.insert(key, results.size());
        results.append(routeKey(key, rules, platform));
    }
    return results;
}

RouteResult Router::routeKey(const QString& endings, const QList<Rule>& rules,
                             const Platform& platform) {
    auto active = [](const Rule& rule) { return rule.enabled && rule.hasApp(); };
    // The longest ending any rule names wins ("tar.gz" before "gz"), then the earlier rule; the
    // groups go by the last extension alone.
    const Rule* match = nullptr;
    QString key = endings;
    while (true) {
        const QString keyNfc =
            Unicode::isAscii(key) ? QString() : key.normalized(QString::NormalizationForm_C);
        for (const Rule& rule : rules) {
            if (active(rule) && listsKey(rule.extensions, key, keyNfc)) {
                match = &rule;
                break;
            }
        }
        const qsizetype dot = key.indexOf(u'.');
        if (match || dot < 0) {
            break;
        }
        key = key.mid(dot + 1);
    }
    if (!match) {
        // The key's type is the only costly question; ask it once, and only when a group rule
        // is there to use it. A group's types are looked up once per call too.
        bool asked = false;
        std::optional<ContentType> type;
        std::array<std::optional<bool>, 6> groupMatches;
        for (const Rule& rule : rules) {
            if (!active(rule) || !rule.group) {
                continue;
            }
            if (!asked) {
                type = platform.typeForExtension(key);
                asked = true;
            }
            if (!type) {
                break;
            }
            std::optional<bool>& matches = groupMatches[rule.group->value()];
            if (!matches) {
                matches = false;
                for (const ContentType& groupType : rule.group->contentTypes(platform)) {
                    if (platform.conforms(*type, groupType)) {
                        matches = true;
                        break;
                    }
                }
            }
            if (*matches) {
                match = &rule;
                break;
            }
        }
    }
    if (!match) {
        return RouteResult::none();
    }
    if (const auto app = AppResolver::resolve(*match, platform)) {
        return RouteResult::toApp(*app, *match);
    }
    return RouteResult::missingApp(*match);
}

} // namespace korvane
