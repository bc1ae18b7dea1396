#include "router.h"

#include "app_resolver.h"
#include "links.h"
#include "platform/platform.h"
#include "unicode.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>
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

bool inside(const QString& path, const QString& folder) {
    return !path.isEmpty() && !folder.isEmpty() && path.startsWith(folder) &&
           (path.size() == folder.size() || folder.endsWith(u'/') ||
            path.at(folder.size()) == u'/');
}

// The rules' folders, each as written and as it resolves, worked out once per routing call.
class Scopes {
public:
    explicit Scopes(const QList<Rule>& rules)
        : m_any(std::any_of(rules.cbegin(), rules.cend(),
                            [](const Rule& rule) { return !rule.folders.isEmpty(); })) {
        for (qsizetype i = 0; m_any && i < rules.size(); ++i) {
            const Rule& rule = rules[i];
            QList<std::pair<QString, QString>> folders;
            for (const QString& folder : rule.folders) {
                const QString written = Rule::folderPath(folder);
                folders.append({written, QFileInfo(written).canonicalFilePath()});
            }
            m_folders.append(folders);
        }
    }

    bool any() const { return m_any; }

    // For each rule, whether it applies to the file: inside one of its folders, by the path
    // given or by the one it resolves to; a rule without folders applies everywhere. Empty when
    // no rule has folders: every rule applies.
    QList<bool> of(const QString& file) const {
        if (!m_any) {
            return {};
        }
        QList<bool> applies(m_folders.size(), true);
        const QString resolved = QFileInfo(file).canonicalFilePath();
        for (qsizetype i = 0; i < m_folders.size(); ++i) {
            applies[i] = m_folders[i].isEmpty() ||
                         std::any_of(m_folders[i].cbegin(), m_folders[i].cend(),
                                     [&](const std::pair<QString, QString>& folder) {
                                         return inside(file, folder.first) ||
                                                inside(resolved, folder.second);
                                     });
        }
        return applies;
    }

private:
    bool m_any;
    QList<QList<std::pair<QString, QString>>> m_folders;
};

bool inGroup(const TypeGroup& group, const ContentType& type, const Platform& platform) {
    const QList<ContentType> types = group.contentTypes(platform);
    return std::any_of(types.cbegin(), types.cend(),
                       [&](const ContentType& member) { return platform.conforms(type, member); });
}

// The longest of the endings ("tar.gz", then "gz") that the rule names; empty for none.
QString namedEnding(const Rule& rule, QString endings) {
    while (!endings.isEmpty()) {
        const QString nfc = Unicode::isAscii(endings)
                                ? QString()
                                : endings.normalized(QString::NormalizationForm_C);
        if (listsKey(rule.extensions, endings, nfc)) {
            return endings;
        }
        const qsizetype dot = endings.indexOf(u'.');
        endings = dot < 0 ? QString() : endings.mid(dot + 1);
    }
    return {};
}

// The applying rules as text, to tell files apart that share an ending.
QString signature(const QList<bool>& applies) {
    QString bits;
    for (const bool one : applies) {
        bits += one ? u'1' : u'0';
    }
    return bits;
}

} // namespace

RouteResult Router::route(const QString& file, const QList<Rule>& rules, const Platform& platform) {
    QString key = extensionKey(file, 2);
    if (key.contains(u'.')) { // more than one ending: the rules say how many count
        key = extensionKey(file, endingParts(rules));
    }
    return routeKey(key, rules, platform, Scopes(rules).of(file));
}

RouteResult Router::routeLink(const QString& link, const QList<Rule>& rules,
                              const Platform& platform) {
    for (const Rule& rule : rules) {
        if (!rule.enabled || !rule.hasApp() ||
            std::none_of(rule.links.begin(), rule.links.end(), [&](const QString& condition) {
                return Links::matches(condition, link);
            })) {
            continue;
        }
        const auto app = AppResolver::resolve(rule, platform);
        return app ? RouteResult::toApp(*app, rule) : RouteResult::missingApp(rule);
    }
    return RouteResult::none();
}

RouteExplanation Router::explainLink(const QString& link, const QList<Rule>& rules,
                                     const Platform& platform) {
    using Verdict = RouteExplanation::Verdict;
    RouteExplanation explanation;
    explanation.link = true;
    explanation.type = Links::schemeType(link);
    explanation.result = routeLink(link, rules, platform);
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        Verdict verdict;
        const auto named = std::find_if(rule.links.begin(), rule.links.end(),
                                        [&](const QString& c) { return Links::matches(c, link); });
        if (!rule.enabled) {
            verdict.kind = Verdict::Off;
        } else if (!rule.hasApp()) {
            verdict.kind = Verdict::NoApp;
        } else if (named != rule.links.end()) {
            verdict.kind = Verdict::ByLink;
            verdict.extension = *named;
            if (explanation.winner < 0) {
                explanation.winner = int(i);
            } else {
                verdict.beatenBy = explanation.winner;
            }
        }
        explanation.verdicts.append(verdict);
    }
    return explanation;
}

QList<RouteResult> Router::routeAll(const QStringList& files, const QList<Rule>& rules,
                                    const Platform& platform) {
    QList<RouteResult> results;
    results.reserve(files.size());
    QHash<QString, qsizetype> seen; // key (and the rules that apply) -> its first result
    const int parts = endingParts(rules);
    const Scopes scopes(rules);
    for (const QString& file : files) {
        const QString key = extensionKey(file, parts);
        const QList<bool> applies = scopes.of(file);
        if (key.isEmpty() && !scopes.any()) {
            results.append(RouteResult::none());
            continue;
        }
        const QString seenKey = scopes.any() ? key + u'/' + signature(applies) : key;
        const auto it = seen.constFind(seenKey);
        if (it != seen.cend()) {
            results.append(results.at(*it));
            continue;
        }
        seen.insert(seenKey, results.size());
        results.append(routeKey(key, rules, platform, applies));
    }
    return results;
}

RouteResult Router::routeKey(const QString& endings, const QList<Rule>& rules,
                             const Platform& platform, const QList<bool>& applies) {
    const auto active = [&](qsizetype i) {
        return rules[i].enabled && rules[i].hasApp() && applies.value(i, true);
    };
    // The longest ending any rule names wins ("tar.gz" before "gz"), then the earlier rule; the
    // groups go by the last extension alone.
    const Rule* match = nullptr;
    QString key = endings;
    while (!key.isEmpty()) {
        const QString keyNfc =
            Unicode::isAscii(key) ? QString() : key.normalized(QString::NormalizationForm_C);
        for (qsizetype i = 0; i < rules.size(); ++i) {
            if (active(i) && listsKey(rules[i].extensions, key, keyNfc)) {
                match = &rules[i];
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
        // is there to use it. A group's types are looked up once per call too. A rule of
        // folders alone claims any file there, at the same step.
        bool asked = false;
        std::optional<ContentType> type;
        std::array<std::optional<bool>, 6> groupMatches;
        for (qsizetype i = 0; i < rules.size(); ++i) {
            const Rule& rule = rules[i];
            if (!active(i)) {
                continue;
            }
            if (!rule.group && rule.extensions.isEmpty() && !rule.folders.isEmpty()) {
                match = &rule;
                break;
            }
            if (!rule.group || key.isEmpty()) {
                continue;
            }
            if (!asked) {
                type = platform.typeForExtension(key);
                asked = true;
            }
            if (!type) {
                continue;
            }
            std::optional<bool>& matches = groupMatches[rule.group->value()];
            if (!matches) {
                matches = inGroup(*rule.group, *type, platform);
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

RouteExplanation Router::explain(const QString& file, const QList<Rule>& rules,
                                 const Platform& platform) {
    using Verdict = RouteExplanation::Verdict;
    RouteExplanation explanation;
    QString key = extensionKey(file, 2);
    if (key.contains(u'.')) {
        key = extensionKey(file, endingParts(rules));
    }
    explanation.endings = key;
    if (const QString last = extensionKey(file); !last.isEmpty()) {
        explanation.type = platform.typeForExtension(last);
    }
    const QList<bool> applies = Scopes(rules).of(file);
    explanation.result = routeKey(key, rules, platform, applies);
    for (qsizetype i = 0; explanation.result.rule && i < rules.size(); ++i) {
        if (rules[i].id == explanation.result.rule->id) {
            explanation.winner = int(i);
            break;
        }
    }
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        Verdict verdict;
        if (!rule.enabled) {
            verdict.kind = Verdict::Off;
        } else if (!rule.hasApp()) {
            verdict.kind = Verdict::NoApp;
        } else if (!applies.value(i, true)) {
            verdict.kind = Verdict::Outside;
        } else if (verdict.extension = namedEnding(rule, key); !verdict.extension.isEmpty()) {
            verdict.kind = Verdict::ByExtension;
        } else if (rule.group && explanation.type &&
                   inGroup(*rule.group, *explanation.type, platform)) {
            verdict.kind = Verdict::ByGroup;
        } else if (!rule.group && rule.extensions.isEmpty() && !rule.folders.isEmpty()) {
            verdict.kind = Verdict::ByFolders;
        }
        const bool claims = verdict.kind == Verdict::ByExtension ||
                            verdict.kind == Verdict::ByGroup || verdict.kind == Verdict::ByFolders;
        if (claims && i != explanation.winner) {
            verdict.beatenBy = explanation.winner;
        }
        explanation.verdicts.append(verdict);
    }
    return explanation;
}

} // namespace korvane
