#include "drop_text.h"

#include "wording/wording.h"

#include <QStringList>

namespace korvane {

namespace {

QString revealText(const DropReport::Reveal& reveal, const DropWords& words) {
    if (!reveal.error.isEmpty()) {
        return QStringLiteral("Couldn't show the files: %1").arg(reveal.error);
    }
    if (!reveal.shownBy.isEmpty()) {
        return QStringLiteral("Revealed %1 in %2")
            .arg(reveal.folders ? Wording::counted(reveal.items, "folder", "folders")
                                : Wording::counted(reveal.items, "item", "items"),
                 reveal.shownBy);
    }
    return QStringLiteral("Opened %1 in %2")
        .arg(Wording::counted(reveal.parents, "folder", "folders"), words.fileManagerName);
}

QString missingAppsText(const DropReport& report, const DropWords& words) {
    QStringList names; // every app once, as a message names it
    for (const QString& name : report.missingApps) {
        if (const QString shown = Wording::appName(name); !names.contains(shown)) {
            names << shown;
        }
    }
    QStringList parts;
    if (names.size() == 1) {
        parts << QStringLiteral("%1 wasn't found.").arg(names.first());
    } else if (names.size() > 1) {
        parts << QStringLiteral("%1 apps weren't found: %2.")
                     .arg(names.size())
                     .arg(names.join(QStringLiteral(", ")));
    }
    if (report.namesKorvane) {
        parts << Wording::korvaneOpensNothing() + u'.';
    }
    return parts.join(u' ') + u' ' + words.missingAppHint;
}

} // namespace

QString dropSummary(const DropReport& report, const DropWords& words) {
    QStringList parts;
    if (report.noneThere) {
        parts << (report.missingFiles == 1 ? QStringLiteral("That file isn't there any more.")
                                           : QStringLiteral("Those files aren't there any more."));
    }
    if (report.handedToDesktop > 0) {
        parts << QStringLiteral("Asked %1 to open %2")
                     .arg(words.systemName,
                          Wording::counted(report.handedToDesktop, "item", "items"));
    }
    qsizetype openedFiles = 0;
    QStringList apps;
    for (const DropReport::Launch& launch : report.launches) {
        if (launch.error.isEmpty()) {
            openedFiles += launch.files;
            apps << launch.appName;
        }
    }
    if (openedFiles >= 1) {
        parts << QStringLiteral("Opened %1 in %2")
                     .arg(Wording::counted(openedFiles, "file", "files"),
                          apps.size() == 1 ? apps.first()
                                           : QStringLiteral("%1 apps").arg(apps.size()));
    }
    for (const DropReport::Launch& launch : report.launches) {
        if (!launch.error.isEmpty()) {
            parts << QStringLiteral("%1 couldn't open the file (%2)")
                         .arg(launch.appName, launch.error);
        }
    }
    if (report.reveal) {
        parts << revealText(*report.reveal, words);
    }
    const QString folders = Wording::counted(report.folderCount, "folder", "folders");
    if (report.folders == DropReport::Folders::Opened) {
        parts << QStringLiteral("Opened %1 in %2").arg(folders, words.fileManagerName);
    } else if (report.folders == DropReport::Folders::Ignored) {
        parts << QStringLiteral("Ignored %1").arg(folders);
    }
    if (!report.missingApps.isEmpty() || report.namesKorvane) {
        parts << missingAppsText(report, words);
    }
    if (report.mode == DropMode::Route && report.missingFiles > 0 && !report.noneThere) {
        parts << QStringLiteral("%1 missing").arg(report.missingFiles);
    }
    parts << report.leftOut;
    parts.removeAll(QString());
    return Wording::joined(parts);
}

} // namespace korvane
