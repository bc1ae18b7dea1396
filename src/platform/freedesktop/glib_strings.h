#pragma once

#include "base/file_names.h"

#include <QByteArray>
#include <QString>

namespace korvane {

// Strings as GLib takes and gives them: text and types in UTF-8, file names as their bytes.

inline QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

inline QByteArray fileName(const QString& path) {
    return FileNames::encode(path);
}

inline QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace korvane
