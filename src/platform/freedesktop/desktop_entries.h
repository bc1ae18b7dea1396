#pragma once

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

// Calls `changed` when the app database changes, as long as the returned watch is kept.
std::shared_ptr<void> watchApplications(std::function<void()> changed);

} // namespace korvane::DesktopEntries
