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

// Whether, and how often, a request to open items comes back from apps Korvane started with
// those very items: once, from a rule's app that hands them back to the desktop; again, from
// the app Korvane then chose, which hands them back too.
enum class HandBack { None, Once, Again };

// The marker of the files an app is started with. Started with files another app handed back,
// a marker of their own: should those come back once more, nothing is started again.
inline QByteArray of(QStringList paths, bool handedBack = false) {
    std::sort(paths.begin(), paths.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (handedBack) {
        hash.addData(QByteArrayView("handed back", 12)); // with its NUL
    }
    for (const QString& path : paths) {
        hash.addData(FileNames::encode(path));
        hash.addData(QByteArrayView("\0", 1));
    }
    return hash.result().toHex().left(32);
}

// How a request for `items` (none: a start with nothing) from a process with `marker` in its
// environment comes back.
inline HandBack handBackOf(const QByteArray& marker, const QStringList& items) {
    if (marker.isEmpty()) {
        return HandBack::None;
    }
    if (items.isEmpty()) {
        return marker == kNothing ? HandBack::Once : HandBack::None;
    }
    return marker == of(items)         ? HandBack::Once
           : marker == of(items, true) ? HandBack::Again
                                       : HandBack::None;
}

} // namespace korvane::LaunchMarker
