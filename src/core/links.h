#pragma once

#include "platform/content_type.h"

#include <QString>

namespace korvane {
class Platform;
}

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
// The scheme of such a type ("https"); empty for a type of files.
QString schemeOfType(const QString& type);

// Whether a condition can match some link: a pattern must start as a link does, with a
// scheme other than "file:" (or with "*"); a host can't hold a "/"; a scheme isn't "file:".
bool canMatch(const QString& condition);

// The host of a condition written as a web link with no pattern ("https://example.org/"),
// which as written matches nothing: the host alone matches it over http and https.
QString hostWrittenAsLink(const QString& condition);

// Whether every link `later` matches, `earlier` matches too: the same condition, a scheme and
// its patterns, a host and its subdomains and the patterns on them.
bool covers(const QString& earlier, const QString& later);

// The condition an "always use this app" answer keeps for a link: a web link's site
// ("example.org" for https://www.example.org/a), else its scheme ("mailto:"). Empty for a web
// link without a host a site can name.
QString learnedCondition(const QString& link, const Platform& platform);

} // namespace korvane::Links
