#include "drop_plan.h"

#include "app_resolver.h"
#include "links.h"
#include "platform/platform.h"
#include "router.h"

namespace korvane {

void AppGroups::add(const QString& app, const QString& file) {
    auto it = m_index.constFind(app);
    if (it == m_index.cend()) {
        it = m_index.insert(app, m_groups.size());
        m_groups.append(AppGroup{app, {}});
    }
    m_groups[*it].files.append(file);
}

void DropPlan::routeLinks(const QList<Rule>& rules, const Platform& platform,
                          UnclaimedLinks unclaimed, const Fallback& fallback) {
    for (const QString& link : links) {
        const RouteResult result = Router::routeLink(link, rules, platform);
        if (result.kind == RouteResult::App) {
            groups.add(result.app, link);
            continue;
        }
        if (result.kind == RouteResult::MissingApp) {
            missingApps.append(*result.rule);
            continue;
        }
        // The desktop's app for the link's scheme, never Korvane (where Korvane is the opener:
        // the one it replaced); else the user is asked.
        const auto app = unclaimed == UnclaimedLinks::Asked ? std::nullopt
                         : fallback                         ? fallback(link)
                                    : platform.defaultApplicationForType(Links::schemeType(link));
        if (app && !platform.isKorvane(platform.applicationId(*app))) {
            groups.add(*app, link);
        } else {
            unmatched.append(link);
        }
    }
}

DropPlan DropPlan::make(const QStringList& files, DropMode mode, const QList<Rule>& rules,
                        const Platform& platform, const Fallback& fallback,
                        UnclaimedLinks unclaimed) {
    DropPlan plan;
    plan.mode = mode;
    for (const QString& file : files) {
        if (Links::isLink(file)) {
            plan.links.append(file);
        } else if (platform.exists(file)) {
            plan.existing.append(file);
        } else {
            ++plan.missing;
        }
    }
    if (plan.mode == Mode::Reveal) {
        return plan;
    }
    if (mode == Mode::Defaults || mode == Mode::ForDesktop) {
        unclaimed = UnclaimedLinks::SchemeDefault; // nobody to ask, or asked for the default
    }
    plan.routeLinks(plan.mode == Mode::Defaults ? QList<Rule>() : rules, platform, unclaimed,
                    fallback);
    if (plan.mode == Mode::Defaults) {
        for (const QString& file : plan.existing) {
            auto app = platform.defaultApplicationForFile(file);
            if (app && fallback && platform.isKorvane(platform.applicationId(*app))) {
                app = fallback(file); // Korvane is the desktop's opener: the app it replaced
            }
            if (app) {
                plan.groups.add(*app, file);
            } else {
                plan.unmatched.append(file);
            }
        }
        return plan;
    }
    QStringList routed;
    for (const QString& file : plan.existing) {
        (platform.isFolder(file) ? plan.folders : routed).append(file);
    }
    const QList<RouteResult> results = Router::routeAll(routed, rules, platform);
    const bool forDesktop = mode == Mode::ForDesktop;
    for (qsizetype i = 0; i < routed.size(); ++i) {
        const RouteResult::Kind kind = results[i].kind;
        if (kind == RouteResult::App) {
            plan.groups.add(results[i].app, routed[i]);
        } else if (forDesktop && fallback) {
            // The desktop asked Korvane to open it: the app it would have used instead.
            if (const auto app = fallback(routed[i])) {
                plan.groups.add(*app, routed[i]);
            } else {
                plan.unmatched.append(routed[i]);
            }
        } else if (kind == RouteResult::MissingApp) {
            plan.missingApps.append(*results[i].rule);
        } else {
            plan.unmatched.append(routed[i]);
        }
    }
    return plan;
}

} // namespace korvane
