#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace korvane::Launching {

// Opening files in an app or their default apps through GIO, and showing them in the file
// manager over D-Bus (FileManager1).

// Launches the app's desktop entry with the files, in as few starts as the argument limit
// allows; each start carries the launch marker of its files. With no files, starts it.
// Answers the markers it gave.
QByteArrayList openFiles(const QStringList& files, const QString& app, Completion done,
                         bool handedBack);

// Opens a file or folder in its default app.
void openItem(const QString& path);
// The local path of a location the desktop hands over: a "file:" URI or a path, and a remote
// file the desktop mounts (sftp:, smb:…) through its mount; none for a web or mail link.
std::optional<QString> localPath(const QByteArray& location);

// Selects the files in the file manager, or opens their folders where none answers.
void revealFiles(const QStringList& paths, RevealCompletion done);

} // namespace korvane::Launching
