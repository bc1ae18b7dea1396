#include "transfer_text.h"

#include "wording/wording.h"

#include <QCoreApplication>
#include <QDir>

namespace korvane {

namespace {

struct TransferText {
    Q_DECLARE_TR_FUNCTIONS(TransferText)
};

QString importProblemText(const TransferReport& report) {
    using Problem = RulesFile::ImportProblem;
    const Problem& problem = report.problem;
    switch (problem.kind) {
    case Problem::Missing:
        return TransferText::tr("%1 doesn't exist.").arg(QDir::toNativeSeparators(report.path));
    case Problem::NoRules:
        return TransferText::tr("That file doesn't contain any valid Korvane rules.");
    case Problem::TooLong: {
        // A whole sentence for each field, so that each can read right in every language.
        static const char* const sentences[] = {
            QT_TRANSLATE_NOOP("TransferText", "Rule %1 of that file has an app name longer than "
                                              "any real one, so no rules were imported."),
            QT_TRANSLATE_NOOP("TransferText", "Rule %1 of that file has an app ID longer than any "
                                              "real one, so no rules were imported."),
            QT_TRANSLATE_NOOP("TransferText", "Rule %1 of that file has an app path longer than "
                                              "any real one, so no rules were imported."),
            QT_TRANSLATE_NOOP("TransferText", "Rule %1 of that file has an extension longer than "
                                              "any real one, so no rules were imported."),
        };
        return TransferText::tr(sentences[problem.field]).arg(problem.rule);
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
        return TransferText::tr("Exported %n rule(s)", nullptr, int(report.rules));
    case TransferReport::WriteFailed:
        return TransferText::tr("The rules couldn't be saved there: %1").arg(report.error);
    default:
        return report.error;
    }
}

QString importText(const TransferReport& report) {
    switch (report.outcome) {
    case TransferReport::Done: {
        const QString imported =
            TransferText::tr("Imported %n rule(s)", nullptr, int(report.rules));
        return report.leftOut == 0
                   ? imported
                   : Wording::joined({imported, TransferText::tr("Left out %n rule(s) naming "
                                                                 "Korvane itself",
                                                                 nullptr, int(report.leftOut))});
    }
    case TransferReport::AllNameKorvane:
        return TransferText::tr("That file's rules all name Korvane itself. %1")
            .arg(Wording::korvaneOpensNothingSentence());
    case TransferReport::ImportFailed:
        return TransferText::tr("The rules couldn't be imported. %1").arg(report.error);
    case TransferReport::NotImported:
        return importProblemText(report);
    default:
        return report.error;
    }
}

} // namespace korvane
