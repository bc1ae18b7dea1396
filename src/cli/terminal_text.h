#pragma once

#include "base/file_names.h"
#include "wording/wording.h"

#include <QString>

namespace korvane {

// Text from outside (names from a rules file or a desktop entry, file names) for a terminal:
// control characters are shown as escapes, never sent raw, so that they cannot retitle or clear
// the terminal; invisible characters (bidi controls, zero-width ones) are shown as \uNNNN, so
// that they cannot reorder or hide what is shown; bytes of a file name that are not UTF-8 are
// shown as \xNN.
inline QString terminalText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == 0x1b) {
            shown += QLatin1String("\\e");
        } else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0)) {
            shown += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        } else if (Wording::isInvisible(u)) {
            shown += Wording::escaped(u);
        } else if (FileNames::isEscapedByte(text, i)) {
            shown += QStringLiteral("\\x%1").arg(uint(u - 0xdc00), 2, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace korvane
