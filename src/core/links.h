#pragma once

#include "platform/content_type.h"

#include <QString>

namespace korvane::Links {

// Links beside files: web and mail links that rules may claim.

// Whether the text is a link rather than a file's path: it starts with a scheme of two or more
// characters and a colon; a "file:" link is a file.
bool isLink(const QString& text);

// Whether a rule's link condition names the link: "mailto:" a scheme, "example.org" that host
// and its subdomains over http and https, a text with "*" a pattern for the whole link (each
// "*" any run of characters). Schemes and hosts match without regard to case.
bool matches(const QString& condition, const QString& link);

// The content type the desktop files a link's handlers under: "x-scheme-handler/https".
ContentType schemeType(const QString& link);

} // namespace korvane::Links
