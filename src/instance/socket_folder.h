#pragma once

#include "base/result.h"

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
// Makes `listening` a socket at `path` that only this user may reach, or answers why not.
Result listenAt(const QString& path, int& listening);

} // namespace korvane::SocketFolder
