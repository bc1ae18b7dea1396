#include "links.h"

#include "platform/platform.h"

#include <QRegularExpression>
#include <QUrl>

namespace korvane::Links {

namespace {

// A link with its scheme and host in lower case, the rest as written.
QString normalised(const QString& link) {
    const qsizetype colon = link.indexOf(u':');
    if (colon < 0) {
        return link;
    }
    QString text = link.left(colon).toLower() + link.mid(colon);
    if (text.mid(colon, 3) == QLatin1String("://")) {
        const qsizetype hostStart = colon + 3;
        qsizetype hostEnd = text.indexOf(u'/', hostStart);
        hostEnd = hostEnd < 0 ? text.size() : hostEnd;
        text.replace(hostStart, hostEnd - hostStart,
                     text.mid(hostStart, hostEnd - hostStart).toLower());
    }
    return text;
}

bool isPattern(const QString& condition) {
    return condition.contains(u'*');
}

bool isScheme(const QString& condition) {
    return !isPattern(condition) && condition.endsWith(u':');
}

// Whether `host` is `site` or one of its subdomains.
bool under(const QString& host, const QString& site) {
    return host == site || host.endsWith(u'.' + site);
}

// The web host a pattern spells out before its first "*" ("https://a.org/*" gives a.org);
// empty when the host itself holds a "*".
QString patternHost(const QString& pattern) {
    const QString prefix = normalised(pattern).section(u'*', 0, 0);
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (prefix.startsWith(scheme)) {
            const qsizetype end = prefix.indexOf(u'/', scheme.size());
            return end < 0 ? QString() : prefix.mid(scheme.size(), end - scheme.size());
        }
    }
    return {};
}

} // namespace

bool canMatch(const QString& condition) {
    if (condition.isEmpty() || !hostWrittenAsLink(condition).isEmpty()) {
        return false;
    }
    if (isPattern(condition)) {
        const QString prefix = condition.section(u'*', 0, 0);
        if (prefix.isEmpty()) {
            return true;
        }
        // Before its colon, a scheme; a prefix cut short inside the scheme is one in the making.
        return prefix.contains(u':') ? isLink(prefix) : isLink(prefix + QStringLiteral("x:"));
    }
    if (isScheme(condition)) {
        return isLink(condition + u'x');
    }
    return !condition.contains(u'/') && !condition.contains(u':') && !condition.contains(u' ');
}

QString hostWrittenAsLink(const QString& condition) {
    if (isPattern(condition) || !condition.contains(QLatin1String("://"))) {
        return {};
    }
    const QUrl url(condition);
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ? url.host()
                                                                               : QString();
}

bool covers(const QString& earlier, const QString& later) {
    if (isPattern(earlier)) {
        return normalised(earlier) == normalised(later);
    }
    if (isScheme(earlier)) {
        const QString scheme = earlier.toLower();
        return later.toLower() == scheme ||
               (isPattern(later) && normalised(later).startsWith(scheme));
    }
    const QString site = earlier.toLower();
    if (isPattern(later)) {
        const QString host = patternHost(later);
        return !host.isEmpty() && under(host, site);
    }
    return !isScheme(later) && under(later.toLower(), site);
}

namespace {
const QLatin1String kSchemeTypes("x-scheme-handler/");
} // namespace

ContentType schemeType(const QString& link) {
    return {kSchemeTypes + link.left(link.indexOf(u':')).toLower()};
}

QString schemeOfType(const QString& type) {
    return type.startsWith(kSchemeTypes) ? type.mid(kSchemeTypes.size()) : QString();
}

QString learnedCondition(const QString& link, const Platform& platform) {
    if (!isLink(link)) {
        return {};
    }
    const QString scheme = link.left(link.indexOf(u':')).toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        return scheme + u':';
    }
    // A web link keeps its site; one with no host a site condition could name (none, or an
    // IPv6 address) keeps nothing: its scheme would take every web link.
    const QString host = QUrl(link).host();
    return host.isEmpty() || host.contains(u':') ? QString() : platform.siteOf(host);
}

bool isLink(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 2 || !text[0].isLetter()) {
        return false;
    }
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = text[i];
        if (!(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.') || c.unicode() > 127) {
            return false;
        }
    }
    return text.left(colon).compare(QLatin1String("file"), Qt::CaseInsensitive) != 0;
}

bool matches(const QString& condition, const QString& link) {
    if (condition.isEmpty() || !isLink(link)) {
        return false;
    }
    if (condition.contains(u'*')) {
        QStringList parts = normalised(condition).split(u'*');
        for (QString& part : parts) {
            part = QRegularExpression::escape(part);
        }
        const QString pattern = parts.join(QStringLiteral(".*"));
        const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern),
                                            QRegularExpression::DotMatchesEverythingOption);
        return expression.match(normalised(link)).hasMatch();
    }
    const QString scheme = link.left(link.indexOf(u':')).toLower();
    if (condition.endsWith(u':')) {
        return scheme == condition.chopped(1).toLower();
    }
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        return false;
    }
    const QString host = QUrl(link).host().toLower();
    return !host.isEmpty() && under(host, condition.toLower());
}

} // namespace korvane::Links
