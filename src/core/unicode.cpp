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

QString Unicode::elided(const QString& name, qsizetype most) {
    if (name.size() <= most) {
        return name;
    }
    qsizetype head = (most - 1) / 2;
    qsizetype tail = most - 1 - head;
    if (head > 0 && name.at(head - 1).isHighSurrogate()) {
        --head; // the pair stays whole, or goes
    }
    if (tail > 0 && name.at(name.size() - tail).isLowSurrogate()) {
        --tail;
    }
    return name.left(head) + u'\u2026' + name.right(tail);
}

} // namespace korvane
