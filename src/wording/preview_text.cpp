#include "preview_text.h"

#include "core/app_resolver.h"
#include "core/links.h"
#include "platform/platform.h"
#include "wording/wording.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace korvane {

namespace {

struct PreviewText {
    Q_DECLARE_TR_FUNCTIONS(PreviewText)
};

QString foldersText(qsizetype count, FolderBehavior behavior, const Platform& platform) {
    const int n = int(count);
    switch (behavior.value()) {
    case FolderBehavior::OpenInFileManager:
        return PreviewText::tr("%n folder(s) → open in %1", "%1: the file manager", n)
            .arg(Wording::isolated(platform.fileManagerName()));
    case FolderBehavior::RevealInFileManager:
        return PreviewText::tr("%n folder(s) → reveal in %1", "%1: the file manager", n)
            .arg(Wording::isolated(platform.fileManagerName()));
    case FolderBehavior::Ignore:
        return PreviewText::tr("%n folder(s) ignored", nullptr, n);
    }
    return {};
}

} // namespace

QString dropPreview(const DropPlan& plan, bool more, FolderBehavior folderBehavior,
                    const Platform& platform) {
    const int existing = int(plan.existing.size());
    const int links = int(plan.links.size());
    if (plan.mode == DropMode::Reveal) {
        const QString manager = Wording::isolated(platform.fileManagerName());
        QStringList parts;
        if (existing > 0 || links == 0) {
            parts << (more ? PreviewText::tr("Reveal %n item(s) and more in %1",
                                             "%1: the file manager", existing)
                           : PreviewText::tr("Reveal %n item(s) in %1", "%1: the file manager",
                                             existing))
                         .arg(manager);
        }
        if (links > 0) {
            parts << PreviewText::tr("%n link(s) can't be revealed", nullptr, links);
        }
        return Wording::joined(parts);
    }
    if (plan.mode == DropMode::Defaults) {
        QStringList parts;
        if (existing > 0 || links == 0) {
            parts << (more ? PreviewText::tr("Open %n file(s) and more in their default apps",
                                             nullptr, existing)
                           : PreviewText::tr("Open %n file(s) in their default apps", nullptr,
                                             existing));
        }
        if (links > 0) {
            parts << PreviewText::tr("%n link(s) in their default apps", nullptr, links);
        }
        return Wording::joined(parts);
    }
    QStringList parts;
    for (const AppGroup& group : plan.groups.list()) {
        const QString app = Wording::isolated(AppResolver::displayName(group.app, platform));
        const auto linkCount =
            std::count_if(group.files.begin(), group.files.end(),
                          [](const QString& item) { return Links::isLink(item); });
        const int files = int(group.files.size() - linkCount);
        // A drop of files alone: the first part names files, the ones after it only count them.
        // With links, each part names what it counts.
        if (links == 0) {
            parts << (parts.isEmpty() ? PreviewText::tr("%n file(s) → %1", "%1: an app", files)
                                      : PreviewText::tr("%n → %1", "files, %1: an app", files))
                         .arg(app);
            continue;
        }
        if (linkCount > 0) {
            parts << PreviewText::tr("%n link(s) → %1", "%1: an app", int(linkCount)).arg(app);
        }
        if (files > 0) {
            parts << PreviewText::tr("%n file(s) → %1", "%1: an app", files).arg(app);
        }
    }
    if (!plan.missingApps.isEmpty()) {
        parts << PreviewText::tr("%n for a missing app", "files", int(plan.missingApps.size()));
    }
    if (!plan.folders.isEmpty()) {
        parts << foldersText(plan.folders.size(), folderBehavior, platform);
    }
    if (!plan.unmatched.isEmpty()) {
        parts << PreviewText::tr("%n will ask", "files", int(plan.unmatched.size()));
    }
    if (parts.isEmpty()) {
        return {};
    }
    const QString preview = Wording::joined(parts);
    return more ? PreviewText::tr("%1 and more", "a drag's preview of many files").arg(preview)
                : preview;
}

QString folderBehaviorLabel(FolderBehavior behavior, const Platform& platform) {
    switch (behavior.value()) {
    case FolderBehavior::OpenInFileManager:
        return PreviewText::tr("Open in %1", "%1: the file manager")
            .arg(Wording::isolated(platform.fileManagerName()));
    case FolderBehavior::RevealInFileManager:
        return PreviewText::tr("Reveal in %1", "%1: the file manager")
            .arg(Wording::isolated(platform.fileManagerName()));
    case FolderBehavior::Ignore:
        return PreviewText::tr("Ignore", "folders");
    }
    return {};
}

} // namespace korvane
