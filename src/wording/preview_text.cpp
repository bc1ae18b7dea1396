#include "preview_text.h"

#include "core/app_resolver.h"
#include "platform/platform.h"
#include "wording/wording.h"

#include <QCoreApplication>
#include <QStringList>

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
            .arg(platform.fileManagerName());
    case FolderBehavior::RevealInFileManager:
        return PreviewText::tr("%n folder(s) → reveal in %1", "%1: the file manager", n)
            .arg(platform.fileManagerName());
    case FolderBehavior::Ignore:
        return PreviewText::tr("%n folder(s) ignored", nullptr, n);
    }
    return {};
}

} // namespace

QString dropPreview(const DropPlan& plan, bool more, FolderBehavior folderBehavior,
                    const Platform& platform) {
    const int existing = int(plan.existing.size());
    if (plan.mode == DropMode::Reveal) {
        return more ? PreviewText::tr("Reveal %n item(s) and more in %1", "%1: the file manager",
                                      existing)
                          .arg(platform.fileManagerName())
                    : PreviewText::tr("Reveal %n item(s) in %1", "%1: the file manager", existing)
                          .arg(platform.fileManagerName());
    }
    if (plan.mode == DropMode::Defaults) {
        return more ? PreviewText::tr("Open %n file(s) and more in their default apps", nullptr,
                                      existing)
                    : PreviewText::tr("Open %n file(s) in their default apps", nullptr, existing);
    }
    QStringList parts;
    for (const AppGroup& group : plan.groups.list()) {
        const QString app = AppResolver::displayName(group.app, platform);
        const int files = int(group.files.size());
        // The first part names files; the ones after it only count them.
        parts << (parts.isEmpty() ? PreviewText::tr("%n file(s) → %1", "%1: an app", files)
                                  : PreviewText::tr("%n → %1", "files, %1: an app", files))
                     .arg(app);
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
            .arg(platform.fileManagerName());
    case FolderBehavior::RevealInFileManager:
        return PreviewText::tr("Reveal in %1", "%1: the file manager")
            .arg(platform.fileManagerName());
    case FolderBehavior::Ignore:
        return PreviewText::tr("Ignore", "folders");
    }
    return {};
}

} // namespace korvane
