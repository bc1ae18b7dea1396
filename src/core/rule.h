#pragma once

#include "type_group.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <optional>

namespace korvane {

class Platform;

// One routing rule: files with these extensions, or of this type group, open in one app.
struct Rule {
    QUuid id = QUuid::createUuid();
    bool enabled = true;
    QStringList extensions; // lower case, no leading dot, none empty, no duplicates
    std::optional<TypeGroup> group;
    // Where the rule applies, as written ("~/Projects", "/srv/photos"); none: everywhere. With
    // folders and neither extensions nor group, it claims every file in them.
    QStringList folders;
    // Links the rule claims, as written: "mailto:" (a scheme), "example.org" (that host and its
    // subdomains, over http and https), or a pattern with "*" for the whole link.
    QStringList links;
    QString appId;   // the app's identifier: its desktop-file ID
    QString appPath; // its desktop entry, where it was when chosen
    QString appName;

    // Free text to a normalised extension list: split at commas, semicolons and white space,
    // lower-cased, leading stars and dots removed, empties and duplicates dropped.
    static QStringList parseExtensions(const QString& text);
    // Folders as the rule keeps them: trimmed, without a trailing slash, none empty, each once.
    static QStringList parseFolders(const QStringList& folders);
    // A folder as the system names it: "~" is the home folder; empty for a relative one.
    static QString folderPath(const QString& folder);
    // Links as the rule keeps them: trimmed, none empty, each once.
    static QStringList parseLinks(const QStringList& links);

    bool hasApp() const { return !appId.isEmpty() || !appPath.isEmpty(); }
    // Makes the application at `app` the rule's target.
    void setApp(const QString& app, const Platform& platform);

    // The rule as a JSON object of the rules file, written pretty-printed at `indent`.
    void appendJson(QByteArray& out, int indent) const;
    // A rule from one element of the rules file; nothing when the element is no object.
    static std::optional<Rule> fromJson(const QJsonValue& value);

    // All fields equal, strings compared by canonical equivalence.
    friend bool operator==(const Rule& a, const Rule& b);
};

} // namespace korvane
