#include "desktop_opener.h"

#include "app_resolver.h"
#include "default_app_manager.h"
#include "links.h"
#include "logging.h"
#include "platform/platform.h"
#include "router.h"
#include "rule.h"
#include "settings.h"

#include <QSet>
#include <QTimer>
#include <algorithm>

namespace korvane {

int DesktopOpener::Report::failures() const {
    int failed = refusal == None ? 0 : 1;
    for (const auto* outcomes : {&taken, &givenBack}) {
        for (const DefaultOutcome& outcome : *outcomes) {
            failed += outcome.ok() ? 0 : 1;
        }
    }
    return failed;
}

DesktopOpener::DesktopOpener(Platform& platform, DefaultAppManager& defaults, Settings& settings,
                             QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_defaults(defaults)
    , m_settings(settings) {}

bool DesktopOpener::isOn() const {
    return m_settings.openForDesktop();
}

QList<ContentType> DesktopOpener::coveredTypes(const QList<Rule>& rules, const Platform& platform,
                                               bool links) {
    QSet<QString> seen;
    QList<ContentType> types;
    auto add = [&](const ContentType& type) {
        if (!type.dynamic && !type.identifier.isEmpty() && !seen.contains(type.identifier)) {
            seen.insert(type.identifier);
            types.append(type);
        }
    };
    QList<ContentType> registered; // asked for once, and only for a group
    if (links) {
        add(Links::schemeType(QStringLiteral("http:")));
        add(Links::schemeType(QStringLiteral("https:")));
    }
    for (const Rule& rule : rules) {
        if (!rule.enabled || !rule.hasApp() || AppResolver::namesKorvane(rule, platform)) {
            continue;
        }
        for (const QString& link : rule.links) {
            // A scheme it names, or a pattern's; a site's are the web's, taken above. A
            // condition that can't match takes nothing.
            const QString scheme = link.section(u'*', 0, 0).section(u':', 0, 0);
            if (links && Links::canMatch(link) && link.section(u'*', 0, 0).contains(u':') &&
                Links::isLink(scheme + u':')) {
                add(Links::schemeType(scheme + u':'));
            }
        }
        for (const QString& ext : rule.extensions) {
            if (const auto type = platform.typeForExtension(ext)) {
                add(*type);
            }
        }
        if (!rule.group) {
            continue;
        }
        if (registered.isEmpty()) {
            registered = platform.registeredTypes();
        }
        const QList<ContentType> groupTypes = rule.group->contentTypes(platform);
        for (const ContentType& type : registered) {
            if (std::any_of(groupTypes.begin(), groupTypes.end(),
                            [&](const ContentType& to) { return platform.conforms(type, to); })) {
                add(type);
            }
        }
    }
    std::sort(types.begin(), types.end(), [](const ContentType& a, const ContentType& b) {
        return a.identifier < b.identifier;
    });
    return types;
}

QString DesktopOpener::openerId() const {
    const auto opener = m_platform.openerApplication();
    return opener ? m_platform.applicationId(*opener) : QString();
}

QList<DesktopOpener::Held> DesktopOpener::held() const {
    m_defaults.reload();
    QList<Held> list;
    const auto& records = m_defaults.records();
    for (auto it = records.begin(); it != records.end(); ++it) {
        if (!DefaultAppManager::isTypeKey(it.key()) || !m_platform.isKorvane(it->changedTo)) {
            continue;
        }
        const auto replaced = it->previousAppId.isEmpty()
                                  ? std::nullopt
                                  : m_platform.applicationForIdentifier(it->previousAppId);
        list.append(
            {it.key(), replaced.value_or(QString()), it->previousAppId, it->previousOrigin});
    }
    std::sort(list.begin(), list.end(),
              [](const Held& a, const Held& b) { return a.type < b.type; });
    return list;
}

bool DesktopOpener::linksOn() const {
    return isOn() && m_settings.openLinksForDesktop();
}

DesktopOpener::Scope DesktopOpener::scope() const {
    return linksOn() ? Scope::FilesAndLinks : isOn() ? Scope::Files : Scope::Off;
}

void DesktopOpener::turnOn(const QList<Rule>& rules, bool links, const Done& done) {
    sync(rules, true, links, done);
}

void DesktopOpener::turnOff(const Done& done) {
    sync({}, false, false, done);
}

void DesktopOpener::follow(const QList<Rule>& rules, Done done) {
    if (!isOn()) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(Report{}); });
        return;
    }
    sync(rules, true, linksOn(), done);
}

void DesktopOpener::sync(const QList<Rule>& rules, bool on, bool links, const Done& done) {
    Report report;
    report.on = on;
    report.links = on && links;
    auto answer = [this, done](const Report& ended) {
        QTimer::singleShot(0, this, [done, ended] { done(ended); });
    };
    if (const Result readable = m_platform.checkSettings(); !readable) {
        report.on = isOn();
        report.links = linksOn();
        report.refusal = Report::UnsafeSettings;
        report.problem = readable.errorString();
        return answer(report);
    }
    std::optional<QString> opener;
    if (on) {
        const Result provided = m_platform.provideOpener();
        opener = m_platform.openerApplication();
        if (!provided || !opener) {
            report.on = isOn();
            report.links = linksOn();
            report.refusal = Report::NoOpener;
            report.problem = provided.errorString();
            return answer(report);
        }
    }
    if (isOn() != on) {
        m_settings.setOpenForDesktop(on);
    }
    if (m_settings.openLinksForDesktop() != report.links) {
        m_settings.setOpenLinksForDesktop(report.links);
    }
    const QList<ContentType> wanted =
        on ? coveredTypes(rules, m_platform, report.links) : QList<ContentType>();
    QSet<QString> wantedNames;
    for (const ContentType& type : wanted) {
        wantedNames.insert(type.identifier);
    }
    QSet<QString> heldNames;
    QStringList toGiveBack;
    for (const Held& held : held()) {
        heldNames.insert(held.type);
        if (!wantedNames.contains(held.type)) {
            toGiveBack << held.type;
        }
    }
    QList<ContentType> toTake;
    for (const ContentType& type : wanted) {
        if (!heldNames.contains(type.identifier)) {
            toTake << type;
        }
    }
    qCDebug(lcDefaults) << "opener" << (on ? "on" : "off") << "takes" << toTake.size()
                        << "gives back" << toGiveBack.size();
    auto finish = [this, answer](Report ended) {
        const QList<Held> holding = held();
        ended.types = int(holding.size());
        ended.linkTypes = int(std::count_if(holding.begin(), holding.end(), [](const Held& type) {
            return !Links::schemeOfType(type.type).isEmpty();
        }));
        if (!ended.on && ended.types == 0) {
            if (const Result withdrawn = m_platform.withdrawOpener(); !withdrawn) {
                qCWarning(lcDefaults) << "opener entry left:" << withdrawn.errorString();
            }
        }
        answer(ended);
    };
    auto giveBack = [this, toGiveBack, finish](Report sofar) {
        if (toGiveBack.isEmpty()) {
            return finish(sofar);
        }
        m_defaults.giveBackTypes(toGiveBack,
                                 [sofar, finish](const QList<DefaultOutcome>& outcomes) {
                                     Report ended = sofar;
                                     ended.givenBack = outcomes;
                                     finish(ended);
                                 });
    };
    if (toTake.isEmpty()) {
        return giveBack(report);
    }
    m_defaults.takeTypes(toTake, *opener,
                         [report, giveBack](const QList<DefaultOutcome>& outcomes) {
                             Report sofar = report;
                             sofar.taken = outcomes;
                             giveBack(sofar);
                         });
}

std::optional<QString> DesktopOpener::fallbackFor(const QString& file,
                                                  const QString& passedOver) const {
    return replacedApp(m_platform, m_defaults.records(),
                       Links::isLink(file)
                           ? std::optional(Links::schemeType(file))
                           : m_platform.typeForExtension(Router::extensionKey(file)),
                       file, passedOver);
}

std::optional<QString> DesktopOpener::browser() const {
    for (const QString& scheme : {QStringLiteral("https:"), QStringLiteral("http:")}) {
        if (auto app = fallbackFor(scheme)) {
            return app;
        }
    }
    return std::nullopt;
}

RouteExplanation DesktopOpener::explain(const QString& file, const QList<Rule>& rules,
                                        const Platform& platform,
                                        const QHash<QString, DefaultAppManager::Record>& records) {
    RouteExplanation why = Links::isLink(file) ? Router::explainLink(file, rules, platform)
                                               : Router::explain(file, rules, platform);
    if (why.type && !why.link) {
        const Platform::TypeRelations relations = platform.relations(*why.type);
        why.typeParents = relations.parents;
        why.typeAliases = relations.aliases;
    }
    if (why.result.kind == RouteResult::App) {
        why.command = platform.commandLine(why.result.app, {file});
    }
    why.desktopApp = why.type ? platform.defaultApplicationForType(*why.type)
                              : platform.defaultApplicationForFile(file);
    why.desktopOrigin = why.type ? platform.defaultOrigin(*why.type) : QString();
    why.throughKorvane =
        why.desktopApp && platform.isKorvane(platform.applicationId(*why.desktopApp));
    if (why.throughKorvane) {
        why.withoutKorvane = replacedApp(platform, records, why.type, file);
        // Where the app Korvane replaced was the default, if that is the one named.
        if (const auto it = why.type ? records.constFind(why.type->identifier) : records.cend();
            it != records.cend() && why.withoutKorvane && !it->previousAppId.isEmpty() &&
            platform.applicationForIdentifier(it->previousAppId) == why.withoutKorvane) {
            why.withoutKorvaneOrigin = it->previousOrigin;
        }
    }
    return why;
}

std::optional<QString> DesktopOpener::replacedApp(
    const Platform& platform, const QHash<QString, DefaultAppManager::Record>& records,
    const std::optional<ContentType>& type, const QString& file, const QString& passedOver) {
    auto usable = [&](const std::optional<QString>& app) {
        return app && *app != passedOver && !platform.isKorvane(platform.applicationId(*app));
    };
    if (const auto it = type ? records.constFind(type->identifier) : records.cend();
        it != records.cend() && !it->previousAppId.isEmpty()) {
        if (auto replaced = platform.applicationForIdentifier(it->previousAppId);
            usable(replaced)) {
            return replaced;
        }
    }
    // The desktop's own choice, where it isn't Korvane (a type the opener doesn't hold).
    if (auto chosen = type ? platform.defaultApplicationForType(*type) : std::nullopt;
        usable(chosen)) {
        return chosen;
    }
    const QStringList candidates = Links::isLink(file) && type ? platform.applicationsForType(*type)
                                                               : platform.applicationsForFile(file);
    for (const QString& app : candidates) {
        if (usable(app)) {
            return app;
        }
    }
    return std::nullopt;
}

} // namespace korvane
