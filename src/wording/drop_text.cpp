#include "drop_text.h"

#include "wording/wording.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace korvane {

namespace {

struct DropText {
    Q_DECLARE_TR_FUNCTIONS(DropText)
};

QString revealText(const DropReport::Reveal& reveal, const DropWords& words) {
    if (!reveal.error.isEmpty()) {
        return DropText::tr("Couldn't show the files: %1").arg(reveal.error);
    }
    if (!reveal.shownBy.isEmpty()) {
        return reveal.folders ? DropText::tr("Revealed %n folder(s) in %1", "%1: the file manager",
                                             int(reveal.items))
                                    .arg(Wording::isolated(reveal.shownBy))
                              : DropText::tr("Revealed %n item(s) in %1", "%1: the file manager",
                                             int(reveal.items))
                                    .arg(Wording::isolated(reveal.shownBy));
    }
    return DropText::tr("Opened %n folder(s) in %1", "%1: the file manager", int(reveal.parents))
        .arg(Wording::isolated(words.fileManagerName));
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
        parts << DropText::tr("%1 wasn't found.").arg(Wording::isolated(names.first()));
    } else if (names.size() > 1) {
        parts << DropText::tr("%n app(s) weren't found: %1.", nullptr, int(names.size()))
                     .arg(Wording::listed(names));
    }
    if (report.namesKorvane) {
        parts << Wording::korvaneOpensNothingSentence();
    }
    return parts.join(u' ') + u' ' + words.missingAppHint;
}

// With links among them: what each app opened, links counted as links.
QString openedByApp(const DropReport& report) {
    QStringList parts;
    for (const DropReport::Launch& launch : report.launches) {
        if (!launch.error.isEmpty()) {
            continue;
        }
        const QString app = Wording::isolated(launch.appName);
        if (const int files = int(launch.files - launch.links); files > 0) {
            parts << (parts.isEmpty()
                          ? DropText::tr("Opened %n file(s) in %1", "%1: an app's name", files)
                          : DropText::tr("%n file(s) in %1", "%1: an app's name", files))
                         .arg(app);
        }
        if (const int links = int(launch.links); links > 0) {
            parts << (parts.isEmpty()
                          ? DropText::tr("Opened %n link(s) in %1", "%1: an app's name", links)
                          : DropText::tr("%n link(s) in %1", "%1: an app's name", links))
                         .arg(app);
        }
    }
    return Wording::joined(parts);
}

QString openedText(const DropReport& report) {
    if (std::any_of(report.launches.begin(), report.launches.end(),
                    [](const DropReport::Launch& launch) { return launch.links > 0; })) {
        return openedByApp(report);
    }
    qsizetype openedFiles = 0;
    QStringList apps;
    for (const DropReport::Launch& launch : report.launches) {
        if (launch.error.isEmpty()) {
            openedFiles += launch.files;
            apps << launch.appName;
        }
    }
    if (openedFiles == 0) {
        return {};
    }
    return apps.size() == 1
               ? DropText::tr("Opened %n file(s) in %1", "%1: an app's name", int(openedFiles))
                     .arg(Wording::isolated(apps.first()))
               : DropText::tr("Opened %n file(s) in %1", "%1: a number of apps", int(openedFiles))
                     .arg(DropText::tr("%n app(s)", "files opened in them", int(apps.size())));
}

} // namespace

QString dropSummary(const DropReport& report, const DropWords& words) {
    QStringList parts;
    if (report.noneThere) {
        parts << DropText::tr("Those files aren't there any more.", nullptr,
                              int(report.missingFiles));
    }
    if (report.handedToDesktop > 0) {
        parts << DropText::tr("Asked %1 to open %n item(s)", "%1: the desktop",
                              int(report.handedToDesktop))
                     .arg(words.systemName);
    }
    parts << openedText(report);
    for (const DropReport::Launch& launch : report.launches) {
        if (!launch.error.isEmpty()) {
            parts << DropText::tr("%1 couldn't open the file (%2)")
                         .arg(Wording::isolated(launch.appName), launch.error);
        }
    }
    if (report.reveal) {
        parts << revealText(*report.reveal, words);
    }
    if (report.linksNotRevealed > 0) {
        parts << DropText::tr("%n link(s) can't be revealed in %1", "%1: the file manager",
                              int(report.linksNotRevealed))
                     .arg(Wording::isolated(words.fileManagerName));
    }
    const int folders = int(report.folderCount);
    if (report.folders == DropReport::Folders::Opened) {
        parts << DropText::tr("Opened %n folder(s) in %1", "%1: the file manager", folders)
                     .arg(Wording::isolated(words.fileManagerName));
    } else if (report.folders == DropReport::Folders::Ignored) {
        parts << DropText::tr("Ignored %n folder(s)", nullptr, folders);
    }
    if (!report.missingApps.isEmpty() || report.namesKorvane) {
        parts << missingAppsText(report, words);
    }
    if (report.mode == DropMode::Route && report.missingFiles > 0 && !report.noneThere) {
        parts << DropText::tr("%n missing", "files", int(report.missingFiles));
    }
    parts.removeAll(QString());
    return Wording::joined(parts);
}

} // namespace korvane
