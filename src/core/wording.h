#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// The shared shapes of user sentences.
class Wording {
public:
    // "1 file", "2 files": the singular exactly when the count is 1.
    static QString counted(qsizetype n, const char* singular, const char* plural) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? singular : plural));
    }
    // Parts of one message, joined with a middle dot.
    static QString joined(const QStringList& parts) {
        return parts.join(QStringLiteral(" \u00b7 "));
    }
};

} // namespace korvane
