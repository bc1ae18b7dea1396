#include "links.h"

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

} // namespace

ContentType schemeType(const QString& link) {
    return {QStringLiteral("x-scheme-handler/") + link.left(link.indexOf(u':')).toLower()};
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
    const QString wanted = condition.toLower();
    return !host.isEmpty() && (host == wanted || host.endsWith(u'.' + wanted));
}

} // namespace korvane::Links
