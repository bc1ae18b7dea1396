#include "transfer_text.h"

#include "wording/wording.h"

#include <QDir>

namespace korvane {

namespace {

QString importProblemText(const TransferReport& report) {
    using Problem = RulesFile::ImportProblem;
    const Problem& problem = report.problem;
    switch (problem.kind) {
    case Problem::Missing:
        return QStringLiteral("%1 doesn't exist.").arg(QDir::toNativeSeparators(report.path));
    case Problem::NoRules:
        return QStringLiteral("That file doesn't contain any valid Korvane rules.");
    case Problem::TooLong: {
        // A whole sentence for each field, so that each can read right in every language.
        static const char* const sentences[] = {
            "Rule %1 of that file has an app name longer than any real one, so no rules were "
            "imported.",
            "Rule %1 of that file has an app ID longer than any real one, so no rules were "
            "imported.",
            "Rule %1 of that file has an app path longer than any real one, so no rules were "
            "imported.",
            "Rule %1 of that file has an extension longer than any real one, so no rules were "
            "imported.",
        };
        return QString::fromLatin1(sentences[problem.field]).arg(problem.rule);
    }
    case Problem::Unreadable:
        break;
    }
    return problem.error;
}

} // namespace

QString exportText(const TransferReport& report) {
    switch (report.outcome) {
    case TransferReport::Done:
        return QStringLiteral("Exported %1").arg(Wording::counted(report.rules, "rule", "rules"));
    case TransferReport::WriteFailed:
        return QStringLiteral("The rules couldn't be saved there: %1").arg(report.error);
    default:
        return report.error;
    }
}

QString importText(const TransferReport& report) {
    switch (report.outcome) {
    case TransferReport::Done: {
        const QString imported =
            QStringLiteral("Imported %1").arg(Wording::counted(report.rules, "rule", "rules"));
        return report.leftOut == 0
                   ? imported
                   : Wording::joined(
                         {imported, QStringLiteral("Left out %1 naming Korvane itself")
                                        .arg(Wording::counted(report.leftOut, "rule", "rules"))});
    }
    case TransferReport::AllNameKorvane:
        return QStringLiteral("That file's rules all name Korvane itself. %1.")
            .arg(Wording::korvaneOpensNothing());
    case TransferReport::ImportFailed:
        return QStringLiteral("The rules couldn't be imported. %1").arg(report.error);
    case TransferReport::NotImported:
        return importProblemText(report);
    default:
        return report.error;
    }
}

} // namespace korvane
