#include "drop_plan.h"

#include "app_info.h"
#include "platform/platform.h"
#include "router.h"
#include "wording.h"

namespace korvane {

void AppGroups::add(const QString& app, const QString& file) {
    auto it = m_index.constFind(app);
    if (it == m_index.cend()) {
        it = m_index.insert(app, m_groups.size());
        m_groups.append(AppGroup{app, {}});
    }
    m_groups[*it].files.append(file);
}

DropPlan DropPlan::make(const QStringList& files, DropMode mode, const QList<Rule>& rules,
                        const Platform& platform) {
    DropPlan plan;
    plan.mode = mode;
    for (const QString& file : files) {
        if (platform.exists(file)) {
            plan.existing.append(file);
        } else {
            ++plan.missing;
        }
    }
    if (plan.mode == Mode::Reveal) {
        return plan;
    }
    if (plan.mode == Mode::Defaults) {
        for (const QString& file : plan.existing) {
            if (const auto app = platform.defaultApplicationForFile(file)) {
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
    for (qsizetype i = 0; i < routed.size(); ++i) {
        switch (results[i].kind) {
        case RouteResult::App:
            plan.groups.add(results[i].app, routed[i]);
            break;
        case RouteResult::MissingApp:
            plan.missingApps.append(*results[i].rule);
            break;
        case RouteResult::None:
            plan.unmatched.append(routed[i]);
            break;
        }
    }
    return plan;
}

QString DropPlan::preview(const Platform& platform, bool more,
                          FolderBehavior folderBehavior) const {
    const QString andMore = more ? QStringLiteral(" and more") : QString();
    if (mode == Mode::Reveal) {
        return QStringLiteral("Reveal %1%2 in %3")
            .arg(Wording::counted(existing.size(), "item", "items"), andMore,
                 platform.fileManagerName());
    }
    if (mode == Mode::Defaults) {
        return QStringLiteral("Open %1%2 in their default apps")
            .arg(Wording::counted(existing.size(), "file", "files"), andMore);
    }
    QStringList parts;
    for (const AppGroup& group : groups.list()) {
        parts << (parts.isEmpty() ? Wording::counted(group.files.size(), "file", "files")
                                  : QString::number(group.files.size())) +
                     QStringLiteral(" \u2192 ") + AppInfo::displayName(group.app, platform);
    }
    if (!missingApps.isEmpty()) {
        parts << QStringLiteral("%1 for a missing app").arg(missingApps.size());
    }
    if (!folders.isEmpty()) {
        const QString counted = Wording::counted(folders.size(), "folder", "folders");
        switch (folderBehavior.value()) {
        case FolderBehavior::Open:
            parts
                << QStringLiteral("%1 \u2192 open in %2").arg(counted, platform.fileManagerName());
            break;
        case FolderBehavior::Reveal:
            parts << QStringLiteral("%1 \u2192 reveal in %2")
                         .arg(counted, platform.fileManagerName());
            break;
        case FolderBehavior::Ignore:
            parts << QStringLiteral("%1 ignored").arg(counted);
            break;
        }
    }
    if (!unmatched.isEmpty()) {
        parts << QStringLiteral("%1 will ask").arg(unmatched.size());
    }
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(" \u00b7 ")) + andMore;
}

} // namespace korvane
