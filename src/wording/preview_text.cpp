#include "preview_text.h"

#include "core/app_resolver.h"
#include "platform/platform.h"
#include "wording/wording.h"

#include <QStringList>

namespace korvane {

QString dropPreview(const DropPlan& plan, bool more, FolderBehavior folderBehavior,
                    const Platform& platform) {
    const QString andMore = more ? QStringLiteral(" and more") : QString();
    if (plan.mode == DropMode::Reveal) {
        return QStringLiteral("Reveal %1%2 in %3")
            .arg(Wording::counted(plan.existing.size(), "item", "items"), andMore,
                 platform.fileManagerName());
    }
    if (plan.mode == DropMode::Defaults) {
        return QStringLiteral("Open %1%2 in their default apps")
            .arg(Wording::counted(plan.existing.size(), "file", "files"), andMore);
    }
    QStringList parts;
    for (const AppGroup& group : plan.groups.list()) {
        parts << (parts.isEmpty() ? Wording::counted(group.files.size(), "file", "files")
                                  : QString::number(group.files.size())) +
                     QStringLiteral(" \u2192 ") + AppResolver::displayName(group.app, platform);
    }
    if (!plan.missingApps.isEmpty()) {
        parts << QStringLiteral("%1 for a missing app").arg(plan.missingApps.size());
    }
    if (!plan.folders.isEmpty()) {
        const QString counted = Wording::counted(plan.folders.size(), "folder", "folders");
        switch (folderBehavior.value()) {
        case FolderBehavior::OpenInFileManager:
            parts
                << QStringLiteral("%1 \u2192 open in %2").arg(counted, platform.fileManagerName());
            break;
        case FolderBehavior::RevealInFileManager:
            parts << QStringLiteral("%1 \u2192 reveal in %2")
                         .arg(counted, platform.fileManagerName());
            break;
        case FolderBehavior::Ignore:
            parts << QStringLiteral("%1 ignored").arg(counted);
            break;
        }
    }
    if (!plan.unmatched.isEmpty()) {
        parts << QStringLiteral("%1 will ask").arg(plan.unmatched.size());
    }
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(" \u00b7 ")) + andMore;
}

QString folderBehaviorLabel(FolderBehavior behavior, const Platform& platform) {
    switch (behavior.value()) {
    case FolderBehavior::OpenInFileManager:
        return QStringLiteral("Open in %1").arg(platform.fileManagerName());
    case FolderBehavior::RevealInFileManager:
        return QStringLiteral("Reveal in %1").arg(platform.fileManagerName());
    case FolderBehavior::Ignore:
        return QStringLiteral("Ignore");
    }
    return {};
}

} // namespace korvane
