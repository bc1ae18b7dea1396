#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// Text comparison as the rules use it: canonical equivalence, case kept.
class Unicode {
public:
    // True when both texts are canonically equivalent (a precomposed letter equals the same
    // letter written with a combining mark).
    static bool equivalent(const QString& a, const QString& b);
    // The same key for every text canonically equivalent to `text`, for sets and hashes.
    static QString key(const QString& text);
    static bool isAscii(const QString& text);
    // A name far too long keeps its start and end with "…" between, never half a character.
    static QString elided(const QString& name, qsizetype most = 80);
};

} // namespace korvane
