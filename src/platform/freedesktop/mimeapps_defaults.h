#pragma once

#include "platform/platform.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace korvane::MimeappsDefaults {

// Default applications as the mimeapps.list files decide them, and the edits Korvane makes to
// the user's own list: recorded before they are made, so that each can be taken back exactly.

// Why GIO can't be asked about applications: it reads every list with a blocking read the first
// time it is asked, and again after each change, so a FIFO would hang it.
Result checkLists();

// What making the app, known by its desktop-file `id`, the type's default would change.
DefaultPlan planDefault(const QString& app, const QString& id, const QString& type);

// Makes that change, if it is still the one planned. Answers why it could not.
Result setDefault(const QString& app, const QString& id, const QString& type,
                  const QJsonObject& plan);

// Makes the app the default of every type, each as planned, in one edit of each list; changes
// nothing when any list is no longer as planned.
Result setDefaults(const QString& app, const QString& id, const QStringList& types,
                   const QList<QJsonObject>& plans);

// Takes a recorded change back. Answers why it could not.
Result undoChange(const QString& type, const QJsonObject& change);
// Takes recorded changes back, in one edit of each list: by type, in the order they were made.
Result undoChanges(const QList<std::pair<QString, QJsonObject>>& changes);

// The desktop-file IDs the changed list names for the type now, first choice first.
QStringList idsAfterChange(const QString& type, const QJsonObject& change);

// The list whose entry decides the type's default, or empty when none names an installed app.
QString defaultOrigin(const QString& type);
// The installed app the lists name for exactly this type (not its parent types): the first
// that one of them names, in the desktop's order; its desktop-file ID, or empty.
QString ownDefaultId(const QString& type);

// A change given back passes to `kept`, a change of the same list that stays, what it knew of
// the list before Korvane first changed it: that Korvane made the file, or its group.
QJsonObject carriedChange(const QJsonObject& gone, const QJsonObject& kept);

} // namespace korvane::MimeappsDefaults
