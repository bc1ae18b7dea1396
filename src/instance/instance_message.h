#pragma once

#include "core/drop_mode.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

// The messages between Korvane processes, one JSON object per line: "show", or "open" with the
// files as base64 of their bytes (file names need not be UTF-8) and the drop's mode.
namespace korvane::InstanceMessage {

struct Request {
    QString command;
    QString token; // the launcher's activation token, if any
    QStringList files;
    DropMode mode = DropMode::Route;
    bool reply = false; // the sender waits to hear how the drop ended
};

// A peer's message; nothing when it is no request this version understands.
std::optional<Request> parse(const QByteArray& line);
// The "open" message for `files`, as a drop in `mode`.
QJsonObject open(const QStringList& files, DropMode mode, bool reply);

} // namespace korvane::InstanceMessage
