#pragma once

#include "base/result.h"
#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace korvane::DesktopEntries {

// Applications as their desktop entries, found the way GIO finds them in the XDG application
// folders; each is named by its entry's path. None is looked up where the mimeapps lists would
// hang GIO (MimeappsDefaults::checkLists).

std::optional<QString> applicationForIdentifier(const QString& identifier);
std::optional<QString> defaultApplicationForType(const ContentType& type);
QStringList applicationsForType(const ContentType& type);
QList<ApplicationEntry> applicationEntries();

QString displayName(const QString& path);
// The entry's desktop-file ID; empty outside the application folders.
QString applicationId(const QString& path);
QString iconName(const QString& path);
bool takesOneFileAtATime(const QString& app);
// The entry's Exec line with its field codes filled in for the files, quoted for a shell.
QString commandLine(const QString& app, const QStringList& files);

// Korvane's own entries (the launcher's and the opener's) are never a candidate: handing a file
// to Korvane would only ask again.
bool isKorvaneId(const QString& id);

// One Exec argument as the Desktop Entry Specification quotes it: in double quotes, with ", `,
// $ and \ escaped by a backslash, and % doubled.
QByteArray execArgument(const QByteArray& argument);
// Writes an entry of Korvane's own that runs `exec`, with the boolean keys given set; writes
// nothing where the file already holds just that.
Result writeKorvaneEntry(const QByteArray& path, const QByteArray& exec,
                         const QList<const char*>& flags);
// Removes a file Korvane wrote; one that isn't there is removed already.
Result removeFile(const QByteArray& path);

// Calls `changed` when the app database changes, as long as the returned watch is kept.
std::shared_ptr<void> watchApplications(std::function<void()> changed);

} // namespace korvane::DesktopEntries
