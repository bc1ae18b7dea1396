#pragma once

#include <QString>
#include <QtGlobal>

namespace korvane::SocketFolder {

// The longest name a socket gets in its folder.
constexpr int kKeyLength = 24;

// The folder for the window's socket: in the session's runtime folder, or else a folder of our
// own in the temporary folder, which every local user can write to. Empty, with `problem` set,
// when it can't be used safely.
QString path(QString& problem);
// Whether the other end of a connected local socket is this user.
bool peerIsUs(qintptr descriptor);
// A listening socket at `path` that only this user may reach, or -1 with `error` set.
int listenAt(const QString& path, QString& error);

} // namespace korvane::SocketFolder
