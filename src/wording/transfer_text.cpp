#include "transfer_text.h"

#include "wording/wording.h"

namespace korvane {

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
    default:
        return report.error;
    }
}

} // namespace korvane
