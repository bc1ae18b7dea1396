#pragma once

#include <QString>

namespace korvane {

// A content type as the platform names it: a MIME type on freedesktop.
// `dynamic` is true when the system declares no type for the extension it came from.
struct ContentType {
    QString identifier;
    bool dynamic = false;

    friend bool operator==(const ContentType&, const ContentType&) = default;
};

// The well-known types the core refers to without naming any platform's identifiers.
enum class WellKnownType {
    Text,
    Image,
    Audio,
    Video,
    Archive,
    SourceCode,
    Data,
    Json,
    Application
};

} // namespace korvane
