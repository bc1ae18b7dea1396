#include "unicode.h"

namespace korvane {

bool Unicode::isAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

bool Unicode::equivalent(const QString& a, const QString& b) {
    if (a == b) {
        return true;
    }
    // Two different ASCII texts can never be equivalent; skip the normalisation.
    if (isAscii(a) && isAscii(b)) {
        return false;
    }
    return a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

QString Unicode::key(const QString& text) {
    return isAscii(text) ? text : text.normalized(QString::NormalizationForm_C);
}

} // namespace korvane
