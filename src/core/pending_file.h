#pragma once

#include <QString>
#include <QUuid>

namespace korvane {

// A dropped file or link that no rule claims, waiting for the user to name an application;
// `path` holds the link for a link.
struct PendingFile {
    QUuid id = QUuid::createUuid();
    QString path;

    friend bool operator==(const PendingFile&, const PendingFile&) = default;
};

} // namespace korvane
