#include "rule.h"

#include "app_resolver.h"
#include "platform/platform.h"
#include "unicode.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

namespace korvane {

namespace {

bool isSeparator(QChar c) {
    // QChar::isSpace covers tab, line feed, vertical tab, form feed, carriage return, next line
    // and every Unicode space, line and paragraph separator.
    return c == u',' || c == u';' || c.isSpace();
}

bool equivalentLists(const QStringList& a, const QStringList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!Unicode::equivalent(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

// A JSON string with every slash escaped, non-ASCII text written as UTF-8. A lone surrogate,
// which UTF-8 cannot carry, is written as its \u escape so that it reads back the same.
void appendJsonString(QByteArray& out, const QString& text) {
    out += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
            out += char(0xf0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3f));
            out += char(0x80 | ((code >> 6) & 0x3f));
            out += char(0x80 | (code & 0x3f));
            ++i;
            continue;
        }
        if (QChar::isSurrogate(c)) {
            out += "\\u" + QByteArray::number(uint(c), 16).rightJustified(4, '0');
            continue;
        }
        if (c >= 0x800) {
            out += char(0xe0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
            continue;
        }
        if (c >= 0x80) {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '/':
            out += "\\/";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00" + QByteArray::number(uint(c), 16).rightJustified(2, '0');
            } else {
                out += char(c);
            }
        }
    }
    out += '"';
}

// A rule's members in rules.json, by the names earlier versions gave them; every read and write
// goes through this table.
constexpr struct {
    const char* appName = "appName";
    const char* appPath = "appPath";
    const char* appId = "bundleID";
    const char* enabled = "enabled";
    const char* extensions = "extensions";
    const char* folders = "folders";
    const char* group = "group";
    const char* id = "id";
    const char* links = "links";
} kKeys;

QString stringMember(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

QUuid parseUuid(const QJsonValue& value) {
    // Only the canonical 36-character form, in either case.
    if (value.isString()) {
        const QString text = value.toString();
        if (text.size() == 36 && text[8] == u'-') {
            const QUuid uuid = QUuid::fromString(text);
            if (!uuid.isNull() || text == QStringLiteral("00000000-0000-0000-0000-000000000000")) {
                return uuid;
            }
        }
    }
    return QUuid::createUuid();
}

} // namespace

QStringList Rule::parseExtensions(const QString& text) {
    QString separated = text.toLower();
    for (QChar& c : separated) {
        if (isSeparator(c)) {
            c = u',';
        }
    }
    QStringList result;
    QSet<QString> seen; // canonical keys, so that a long list parses in linear time
    for (QString& piece : separated.split(u',', Qt::SkipEmptyParts)) {
        // Every leading star and dot, so that parsing a parsed list changes nothing.
        qsizetype lead = 0;
        while (lead < piece.size() && (piece[lead] == u'*' || piece[lead] == u'.')) {
            ++lead;
        }
        piece.remove(0, lead);
        if (!piece.isEmpty() && !seen.contains(Unicode::key(piece))) {
            seen.insert(Unicode::key(piece));
            result.append(piece);
        }
    }
    return result;
}

QStringList Rule::parseLinks(const QStringList& links) {
    QStringList result;
    for (const QString& written : links) {
        const QString link = written.trimmed();
        if (!link.isEmpty() && !result.contains(link)) {
            result.append(link);
        }
    }
    return result;
}

QStringList Rule::parseFolders(const QStringList& folders) {
    QStringList result;
    for (const QString& written : folders) {
        QString folder = written.trimmed();
        while (folder.size() > 1 && folder.endsWith(u'/')) {
            folder.chop(1);
        }
        if (!folder.isEmpty() && !result.contains(folder)) {
            result << folder;
        }
    }
    return result;
}

QString Rule::folderPath(const QString& folder) {
    // A relative folder would depend on where Korvane was started: it names none.
    return folder == u'~'                           ? QDir::homePath()
           : folder.startsWith(QLatin1String("~/")) ? QDir::homePath() + folder.mid(1)
           : folder.startsWith(u'/')                ? folder
                                                    : QString();
}

void Rule::setApp(const QString& app, const Platform& platform) {
    appId = platform.applicationId(app);
    appPath = app;
    appName = AppResolver::displayName(app, platform);
}

void Rule::appendJson(QByteArray& out, int indent) const {
    const QByteArray pad(indent, ' ');
    const QByteArray inner(indent + 2, ' ');
    auto member = [&](const char* key) {
        out += inner;
        out += '"';
        out += key;
        out += "\" : ";
    };
    out += pad + "{\n";
    member(kKeys.appName);
    appendJsonString(out, appName);
    out += ",\n";
    member(kKeys.appPath);
    appendJsonString(out, appPath);
    out += ",\n";
    member(kKeys.appId);
    appendJsonString(out, appId);
    out += ",\n";
    member(kKeys.enabled);
    out += enabled ? "true" : "false";
    out += ",\n";
    auto list = [&](const QStringList& texts) {
        if (texts.isEmpty()) {
            out += "[]";
            return;
        }
        out += "[\n";
        for (qsizetype i = 0; i < texts.size(); ++i) {
            out += inner + "  ";
            appendJsonString(out, texts[i]);
            out += i + 1 < texts.size() ? ",\n" : "\n";
        }
        out += inner + "]";
    };
    member(kKeys.extensions);
    list(extensions);
    out += ",\n";
    // Only when there are some: rules without stay as earlier versions wrote them.
    if (!folders.isEmpty()) {
        member(kKeys.folders);
        list(folders);
        out += ",\n";
    }
    if (group) {
        member(kKeys.group);
        appendJsonString(out, group->rawValue());
        out += ",\n";
    }
    member(kKeys.id);
    appendJsonString(out, id.toString(QUuid::WithoutBraces).toUpper());
    if (!links.isEmpty()) { // like folders: only when there are some
        out += ",\n";
        member(kKeys.links);
        list(links);
    }
    out += "\n" + pad + "}";
}

std::optional<Rule> Rule::fromJson(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    Rule rule;
    rule.id = parseUuid(object.value(QLatin1String(kKeys.id)));
    const QJsonValue enabled = object.value(QLatin1String(kKeys.enabled));
    rule.enabled = enabled.isBool() ? enabled.toBool() : true;

    const QJsonValue extensions = object.value(QLatin1String(kKeys.extensions));
    if (extensions.isArray()) {
        QStringList texts;
        bool allStrings = true;
        for (const QJsonValue item : extensions.toArray()) {
            if (!item.isString()) {
                allStrings = false;
                break;
            }
            texts.append(item.toString());
        }
        if (allStrings) {
            rule.extensions = parseExtensions(texts.join(u','));
        }
    }

    QStringList folders;
    for (const QJsonValue folder : object.value(QLatin1String(kKeys.folders)).toArray()) {
        folders << folder.toString(); // anything but text is dropped as empty
    }
    rule.folders = parseFolders(folders);
    QStringList links;
    for (const QJsonValue link : object.value(QLatin1String(kKeys.links)).toArray()) {
        links << link.toString(); // anything but text is dropped as empty
    }
    rule.links = parseLinks(links);

    const QJsonValue group = object.value(QLatin1String(kKeys.group));
    if (group.isString()) {
        rule.group = TypeGroup::fromRawValue(group.toString());
    }
    rule.appId = stringMember(object, kKeys.appId);
    rule.appPath = stringMember(object, kKeys.appPath);
    rule.appName = stringMember(object, kKeys.appName);
    return rule;
}

bool operator==(const Rule& a, const Rule& b) {
    return a.id == b.id && a.enabled == b.enabled && equivalentLists(a.extensions, b.extensions) &&
           equivalentLists(a.folders, b.folders) && equivalentLists(a.links, b.links) &&
           a.group == b.group && Unicode::equivalent(a.appId, b.appId) &&
           Unicode::equivalent(a.appPath, b.appPath) && Unicode::equivalent(a.appName, b.appName);
}

} // namespace korvane
