#include "defaults_text.h"

#include "wording/wording.h"

#include <QCoreApplication>
#include <QStringList>

namespace korvane {

namespace {

struct DefaultsText {
    Q_DECLARE_TR_FUNCTIONS(DefaultsText)
};

// What still opens the files after a change the desktop didn't take.
QString stillOpens(const DefaultOutcome& outcome, const QString& systemName, bool restoring) {
    if (outcome.app.isEmpty()) {
        return restoring ? DefaultsText::tr("not restored. %1 didn't take the new default.",
                                            "%1: the desktop")
                               .arg(Wording::capitalised(systemName))
                         : DefaultsText::tr("not changed. %1 didn't take the new default.",
                                            "%1: the desktop")
                               .arg(Wording::capitalised(systemName));
    }
    if (outcome.origin.isEmpty()) {
        return restoring
                   ? DefaultsText::tr("not restored. %1 still opens these files.").arg(outcome.app)
                   : DefaultsText::tr("not changed. %1 still opens these files.").arg(outcome.app);
    }
    return restoring ? DefaultsText::tr("not restored. %1 still opens these files, as set in %2.")
                           .arg(outcome.app, outcome.origin)
                     : DefaultsText::tr("not changed. %1 still opens these files, as set in %2.")
                           .arg(outcome.app, outcome.origin);
}

QString said(const DefaultOutcome& outcome, const QString& systemName) {
    switch (outcome.kind) {
    case DefaultOutcome::NoType:
        return DefaultsText::tr("not possible. %1 has no registered file type for this extension.",
                                "%1: the desktop")
            .arg(Wording::capitalised(systemName));
    case DefaultOutcome::AlreadyDefault:
        return DefaultsText::tr("%1 is already the default.").arg(outcome.app);
    case DefaultOutcome::Failed:
        return DefaultsText::tr("not possible. %1", "%1: why").arg(outcome.error);
    case DefaultOutcome::NotChanged:
        return stillOpens(outcome, systemName, false);
    case DefaultOutcome::NotRestored:
        return stillOpens(outcome, systemName, true);
    case DefaultOutcome::Made:
        return DefaultsText::tr("done. %1 is now the default.").arg(outcome.app);
    case DefaultOutcome::NothingToRestore:
        return DefaultsText::tr("nothing to restore.");
    case DefaultOutcome::NoTypeToRestore:
        return DefaultsText::tr("not possible to restore.");
    case DefaultOutcome::CutShort:
        return DefaultsText::tr("nothing to restore; the change was cut short before it was made.");
    case DefaultOutcome::ChangedSince:
        return outcome.app.isEmpty()
                   ? DefaultsText::tr("left as it is; its default was removed since.")
                   : DefaultsText::tr("left as it is; you changed it to %1 since.")
                         .arg(outcome.app);
    case DefaultOutcome::PreviousUnknown:
        return DefaultsText::tr("the previous default app is unknown or no longer installed, so "
                                "it was left as is.");
    case DefaultOutcome::Restored:
        return outcome.app.isEmpty() ? DefaultsText::tr("restored; it had no default app before.")
                                     : DefaultsText::tr("restored to %1.").arg(outcome.app);
    case DefaultOutcome::HeldByOpener:
        return DefaultsText::tr("not possible while Korvane opens these files for %1; turn "
                                "\"Open files for the desktop\" off first.",
                                "%1: the desktop")
            .arg(systemName);
    case DefaultOutcome::RestoredUnrecorded:
        return DefaultsText::tr("restored, but the record couldn't be updated: %1", "%1: why")
            .arg(outcome.error);
    }
    return QString();
}

} // namespace

QString defaultOutcomeText(const DefaultOutcome& outcome, const QString& systemName) {
    return DefaultsText::tr("%1: %2", "an extension, what became of its default")
        .arg(outcome.isType() ? Wording::isolated(outcome.extension)
                              : Wording::extension(outcome.extension),
             said(outcome, systemName));
}

QString defaultsReportText(const DefaultsReport& report, const QString& systemName) {
    switch (report.refusal) {
    case DefaultsReport::UnsafeSettings:
        return report.problem;
    case DefaultsReport::NoApp:
        return DefaultsText::tr("The app for this rule wasn't found. Choose an app first.");
    case DefaultsReport::NoExtension:
        return DefaultsText::tr(
            "Add at least one extension first. Type groups can't be set as defaults.");
    case DefaultsReport::None:
        break;
    }
    QStringList lines;
    for (const DefaultOutcome& outcome : report.outcomes) {
        lines << defaultOutcomeText(outcome, systemName);
    }
    return lines.join(u'\n');
}

} // namespace korvane
