#pragma once

#include "platform/content_type.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvane::ContentTypes {

// shared-mime-info's types, through GIO, and Korvane's own groups of them.

// The MIME types counted as archives and as source code, which have no common parent.
const QStringList& archiveTypes();
const QStringList& sourceCodeTypes();

// A wildcard ("image/*") or one of Korvane's groups, which GIO doesn't know.
bool isGroup(const QString& type);

// The type of a file, from its name and contents; empty when it can't be read.
QString typeOfFile(const QString& file);

std::optional<ContentType> typeForExtension(const QString& extension);
bool conforms(const ContentType& type, const ContentType& to);
ContentType wellKnownType(WellKnownType type);
// Every type shared-mime-info declares.
QList<ContentType> registeredTypes();

} // namespace korvane::ContentTypes
