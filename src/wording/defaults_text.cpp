#include "defaults_text.h"

#include "wording/wording.h"

#include <QStringList>

namespace korvane {

namespace {

// What still opens the files after a change the desktop didn't take.
QString stillOpens(const DefaultOutcome& outcome, const QString& systemName) {
    if (outcome.app.isEmpty()) {
        return QStringLiteral("%1 didn't take the new default.")
            .arg(Wording::capitalised(systemName));
    }
    return outcome.origin.isEmpty() ? QStringLiteral("%1 still opens these files.").arg(outcome.app)
                                    : QStringLiteral("%1 still opens these files, as set in %2.")
                                          .arg(outcome.app, outcome.origin);
}

QString said(const DefaultOutcome& outcome, const QString& systemName) {
    switch (outcome.kind) {
    case DefaultOutcome::NoType:
        return QStringLiteral("not possible. %1 has no registered file type for this extension.")
            .arg(Wording::capitalised(systemName));
    case DefaultOutcome::AlreadyDefault:
        return QStringLiteral("%1 is already the default.").arg(outcome.app);
    case DefaultOutcome::Failed:
        return QStringLiteral("not possible. ") + outcome.error;
    case DefaultOutcome::NotChanged:
        return QStringLiteral("not changed. ") + stillOpens(outcome, systemName);
    case DefaultOutcome::NotRestored:
        return QStringLiteral("not restored. ") + stillOpens(outcome, systemName);
    case DefaultOutcome::Made:
        return QStringLiteral("done. %1 is now the default.").arg(outcome.app);
    case DefaultOutcome::NothingToRestore:
        return QStringLiteral("nothing to restore.");
    case DefaultOutcome::NoTypeToRestore:
        return QStringLiteral("not possible to restore.");
    case DefaultOutcome::CutShort:
        return QStringLiteral("nothing to restore; the change was cut short before it was made.");
    case DefaultOutcome::ChangedSince:
        return outcome.app.isEmpty()
                   ? QStringLiteral("left as it is; its default was removed since.")
                   : QStringLiteral("left as it is; you changed it to %1 since.").arg(outcome.app);
    case DefaultOutcome::PreviousUnknown:
        return QStringLiteral("the previous default app is unknown or no longer installed, so it "
                              "was left as is.");
    case DefaultOutcome::Restored:
        return outcome.app.isEmpty() ? QStringLiteral("restored; it had no default app before.")
                                     : QStringLiteral("restored to %1.").arg(outcome.app);
    case DefaultOutcome::RestoredUnrecorded:
        return QStringLiteral("restored, but the record couldn't be updated: ") + outcome.error;
    }
    return QString();
}

} // namespace

QString defaultOutcomeText(const DefaultOutcome& outcome, const QString& systemName) {
    return u'.' + outcome.extension + QStringLiteral(": ") + said(outcome, systemName);
}

QString defaultsReportText(const DefaultsReport& report, const QString& systemName) {
    switch (report.refusal) {
    case DefaultsReport::UnsafeSettings:
        return report.problem;
    case DefaultsReport::NoApp:
        return QStringLiteral("The app for this rule wasn't found. Choose an app first.");
    case DefaultsReport::NoExtension:
        return QStringLiteral(
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
