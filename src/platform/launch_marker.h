#pragma once

#include "base/file_names.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QStringList>
#include <algorithm>

namespace korvane::LaunchMarker {

// Korvane puts this in the environment of every app it launches with files: a fingerprint of
// those files. A Korvane started that way (a rule whose app runs Korvane through a wrapper) sees
// that it was handed exactly the files it would hand on, and refuses, so no launch loop can
// start. A Korvane the user starts later from such an app gets other files, and works.
inline constexpr const char* kVariable = "KORVANE_LAUNCHED_WITH";

// The marker of an app started with nothing to open (the browser the opener replaced): only a
// Korvane asked to do the same, `open --for-desktop` with nothing, refuses on it.
inline constexpr const char* kNothing = "nothing";

inline QByteArray of(QStringList paths) {
    std::sort(paths.begin(), paths.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& path : paths) {
        hash.addData(FileNames::encode(path));
        hash.addData(QByteArrayView("\0", 1));
    }
    return hash.result().toHex().left(32);
}

} // namespace korvane::LaunchMarker
