#include "mimeapps_defaults.h"

#include "base/durable_file.h"
#include "base/regular_file.h"
#include "desktop_names.h"
#include "glib_ptr.h"
#include "glib_strings.h"
#include "mimeapps_list.h"
#include "platform_logging.h"
#include "platform_text.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <sys/stat.h>

namespace korvane::MimeappsDefaults {

namespace {

const QByteArray kDefault = QByteArrayLiteral("Default Applications");
const QByteArray kRemoved = QByteArrayLiteral("Removed Associations");

// The lists of one folder, desktop-specific ones first.
QStringList mimeappsIn(const QString& dir) {
    QStringList files;
    for (const QString& desktop : DesktopNames::currentDesktops()) {
        files.append(dir + u'/' + desktop + QStringLiteral("-mimeapps.list"));
    }
    files.append(dir + QStringLiteral("/mimeapps.list"));
    return files;
}

// Every mimeapps.list in the order that decides a default.
QStringList mimeappsLookupFiles() {
    QStringList files = mimeappsIn(FileNames::decode(g_get_user_config_dir()));
    for (const gchar* const* dir = g_get_system_config_dirs(); *dir; ++dir) {
        files.append(mimeappsIn(FileNames::decode(*dir)));
    }
    files.append(
        mimeappsIn(FileNames::decode(g_get_user_data_dir()) + QStringLiteral("/applications")));
    for (const gchar* const* dir = g_get_system_data_dirs(); *dir; ++dir) {
        files.append(mimeappsIn(FileNames::decode(*dir) + QStringLiteral("/applications")));
    }
    return files;
}

// The items of a list value, blanks around them dropped.
QStringList listValue(const std::optional<QByteArray>& value) {
    QStringList items;
    for (const QString& item : fromUtf8(value.value_or(QByteArray()).constData()).split(u';')) {
        if (!item.trimmed().isEmpty()) {
            items.append(item.trimmed());
        }
    }
    return items;
}

// A list value without `id`, each other item kept byte for byte; empty when nothing is left.
QByteArray without(const QByteArray& id, const QByteArray& value) {
    QByteArrayList items;
    for (const QByteArray& item : value.split(';')) {
        if (const QByteArray trimmed = item.trimmed(); !trimmed.isEmpty() && trimmed != id) {
            items.append(trimmed);
        }
    }
    return items.isEmpty() ? QByteArray() : items.join(';') + ';';
}

// A list value with `id` first and the other items behind it.
QByteArray withFirst(const QByteArray& id, const std::optional<QByteArray>& value) {
    return id + ';' + without(id, value.value_or(QByteArray()));
}

// A value of the list as the record keeps it: text where it is UTF-8, else its bytes in base64,
// so that taking a change back writes the very bytes it replaced.
QJsonValue recorded(const QByteArray& value) {
    if (QString::fromUtf8(value).toUtf8() == value) {
        return QString::fromUtf8(value);
    }
    return QJsonObject{{QStringLiteral("base64"), QString::fromLatin1(value.toBase64())}};
}

QByteArray fromRecord(const QJsonValue& value) {
    return value.isObject()
               ? QByteArray::fromBase64(value[QStringLiteral("base64")].toString().toLatin1())
               : value.toString().toUtf8();
}

constexpr qint64 kMaxListSize = 16 * 1024 * 1024;

// The file a list's path stands for: where its link points, also when nothing is there yet.
QString linkTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// A list as GLib reads it, without ever blocking on something that isn't a regular file.
std::optional<MimeappsList> readList(const QString& path) {
    const RegularFile::Contents file = RegularFile::read(path, kMaxListSize);
    return file.status == RegularFile::Contents::Ok ? std::optional(MimeappsList(file.bytes))
                                                    : std::nullopt;
}

// The user's list that decides the type's default: the first of theirs that names one, or
// mimeapps.list, which comes before every list of the system.
QString mimeappsFileFor(const QString& type) {
    const QStringList own = mimeappsIn(FileNames::decode(g_get_user_config_dir()));
    for (const QString& path : own) {
        const auto list = readList(path);
        if (list && list->value(kDefault, utf8(type))) {
            return path;
        }
    }
    return own.last();
}

// One edit of a list: the change it makes, for the record, and the file's bytes before and after.
struct ListEdit {
    Result result = Result::done();
    QList<QJsonObject> changes = {}; // one per type
    QString target = {};             // the file written: where the list's link points
    std::optional<QByteArray> before = std::nullopt; // nothing when there was no file
    QByteArray after = {};
};

// Makes `id` the type's default in `list`, the user's list at `path`; answers the change for
// the record. `created` and `addedGroup` say how the list was before the edit began, so that
// the changes of one edit can be taken back in any order.
QJsonObject makeDefault(MimeappsList& list, const QString& path, bool created, bool addedGroup,
                        const QString& id, const QString& type) {
    const QByteArray mime = utf8(type);
    QJsonObject change{{QStringLiteral("file"), path}, {QStringLiteral("type"), type}};
    if (created) {
        change.insert(QStringLiteral("created"), true);
    }
    if (addedGroup) {
        change.insert(QStringLiteral("addedGroup"), true);
    }
    // The app goes first; the user's other choices stay behind it as fallbacks.
    const auto previous = list.value(kDefault, mime);
    change.insert(QStringLiteral("previous"), previous ? recorded(*previous) : QJsonValue());
    list.setValue(kDefault, mime, withFirst(utf8(id), previous));
    // A removal of this very app would keep it from being the default: lift it, and note it.
    const auto removed = list.value(kRemoved, mime);
    if (listValue(removed).contains(id)) {
        change.insert(QStringLiteral("removed"), recorded(*removed));
        list.setValue(kRemoved, mime, without(utf8(id), *removed));
    }
    return change;
}

// Makes the app, known by its `id`, the default of each type in the user's list that decides
// it; all the types must be decided by the same list.
ListEdit defaultEdit(const QString& app, const QString& id, const QStringList& types) {
    if (Result readable = checkLists(); !readable) {
        return {readable};
    }
    if (id.isEmpty()) {
        return {Result::failed(PlatformText::tr("%1 is not an installed application.").arg(app))};
    }
    const QString path = mimeappsFileFor(types.value(0));
    ListEdit edit{Result::done(), {}, linkTarget(path)};
    const RegularFile::Contents file = RegularFile::read(edit.target, kMaxListSize);
    if (file.status == RegularFile::Contents::Refused) {
        edit.result = Result::failed(file.error);
        return edit;
    }
    MimeappsList list(file.bytes);
    const bool created = file.status == RegularFile::Contents::Absent;
    if (!created) {
        edit.before = file.bytes;
    }
    const bool addedGroup = !list.hasGroup(kDefault);
    for (const QString& type : types) {
        edit.changes.append(makeDefault(list, path, created, addedGroup, id, type));
    }
    edit.after = list.bytes();
    return edit;
}

// Writes a list's new bytes in place of the old ones, through a symbolic link (creating the
// file it points to) and keeping the mode; removes a file Korvane created that holds nothing
// now. Writes nothing when nothing changed. Answers why it could not.
Result writeList(const QString& path, const ListEdit& edit, bool created) {
    if (edit.before == edit.after) {
        return Result::done();
    }
    if (created && edit.after.isEmpty()) {
        if (!QFile::remove(edit.target) && QFileInfo::exists(edit.target)) {
            return Result::failed(PlatformText::tr("%1 couldn't be removed.").arg(edit.target));
        }
    } else {
        if (const QString folder = QFileInfo(edit.target).absolutePath(); !QDir().mkpath(folder)) {
            return Result::failed(PlatformText::tr("%1 couldn't be made.").arg(folder));
        }
        qCDebug(lcPlatform) << "writing" << edit.target << "for" << edit.changes;
        if (const Result replaced = DurableFile::replace(edit.target, edit.after); !replaced) {
            return Result::failed(
                PlatformText::tr("%1 couldn't be written: %2").arg(path, replaced.errorString()));
        }
    }
    if (edit.target != path) {
        // GIO watches the configuration folder, not where the link points: touch the link so
        // that this process, too, reads the new defaults.
        const struct timespec now[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
        utimensat(AT_FDCWD, fileName(path).constData(), now, AT_SYMLINK_NOFOLLOW);
    }
    return Result::done();
}

} // namespace

Result checkLists() {
    static const QStringList lists = mimeappsLookupFiles();
    for (const QString& path : lists) {
        struct stat info {};
        if (::stat(fileName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
            return Result::failed(RegularFile::notRegular(path));
        }
    }
    return Result::done();
}

DefaultPlan planDefault(const QString& app, const QString& id, const QString& type) {
    const ListEdit edit = defaultEdit(app, id, {type});
    return {edit.result, edit.changes.value(0)};
}

Result setDefaults(const QString& app, const QString& id, const QStringList& types,
                   const QList<QJsonObject>& plans) {
    // One edit of each list that decides some of the types, all checked against their plans
    // before any is written.
    QMap<QString, QStringList> typesOfList;
    QHash<QString, QJsonObject> planOf;
    for (qsizetype i = 0; i < types.size(); ++i) {
        const QJsonObject& plan = plans.value(i);
        typesOfList[plan.value(QStringLiteral("file")).toString()].append(types[i]);
        planOf.insert(types[i], plan);
    }
    QList<std::pair<QString, ListEdit>> edits;
    for (auto it = typesOfList.cbegin(); it != typesOfList.cend(); ++it) {
        ListEdit edit = defaultEdit(app, id, *it);
        if (!edit.result) {
            return edit.result;
        }
        for (const QJsonObject& change : edit.changes) {
            if (change != planOf.value(change.value(QStringLiteral("type")).toString())) {
                return Result::failed(
                    PlatformText::tr("%1 changed meanwhile; try again.").arg(it.key()));
            }
        }
        edits.append({it.key(), std::move(edit)});
    }
    for (qsizetype i = 0; i < edits.size(); ++i) {
        if (Result written = writeList(edits[i].first, edits[i].second, false); !written) {
            // All or nothing: the lists written so far go back to their bytes, where nobody
            // changed them since.
            for (qsizetype j = 0; j < i; ++j) {
                const ListEdit& made = edits[j].second;
                const RegularFile::Contents now = RegularFile::read(made.target, kMaxListSize);
                if (now.status != RegularFile::Contents::Ok || now.bytes != made.after) {
                    continue;
                }
                ListEdit back = made;
                back.before = made.after;
                back.after = made.before.value_or(QByteArray()); // a list made: removed again
                (void)writeList(edits[j].first, back, !made.before.has_value());
            }
            return written;
        }
    }
    return Result::done();
}

Result setDefault(const QString& app, const QString& id, const QString& type,
                  const QJsonObject& plan) {
    return setDefaults(app, id, {type}, {plan});
}

Result undoChanges(const QList<std::pair<QString, QJsonObject>>& changes) {
    // Changes of one list are taken back in one edit, the last made first.
    QMap<QString, QList<std::pair<QString, QJsonObject>>> changesOfList;
    for (const auto& [type, change] : changes) {
        const QString path = change.value(QStringLiteral("file")).toString();
        if (path.isEmpty() || change.value(QStringLiteral("type")).toString() != type) {
            return Result::failed(PlatformText::tr("the record of the change is incomplete."));
        }
        changesOfList[path].prepend({type, change});
    }
    for (auto it = changesOfList.cbegin(); it != changesOfList.cend(); ++it) {
        const QString& path = it.key();
        // The file the changes were made in, whatever the desktop now.
        ListEdit edit{Result::done(), {}, linkTarget(path)};
        const RegularFile::Contents file = RegularFile::read(edit.target, kMaxListSize);
        if (file.status != RegularFile::Contents::Ok) {
            return Result::failed(file.status == RegularFile::Contents::Absent
                                      ? PlatformText::tr("%1 no longer exists.").arg(path)
                                      : file.error);
        }
        edit.before = file.bytes;
        MimeappsList list(file.bytes);
        bool addedGroup = false;
        bool created = false;
        for (const auto& [type, change] : *it) {
            const QByteArray mime = utf8(type);
            const QJsonValue previous = change.value(QStringLiteral("previous"));
            if (previous.isString() || previous.isObject()) {
                list.setValue(kDefault, mime, fromRecord(previous));
            } else {
                list.removeKey(kDefault, mime);
            }
            const QJsonValue removed = change.value(QStringLiteral("removed"));
            if (removed.isString() || removed.isObject()) {
                list.setValue(kRemoved, mime, fromRecord(removed));
            }
            addedGroup = addedGroup || change.value(QStringLiteral("addedGroup")).toBool();
            created = created || change.value(QStringLiteral("created")).toBool();
            edit.changes.append(change);
        }
        if (addedGroup) {
            list.removeEmptyGroup(kDefault);
        }
        edit.after = list.bytes();
        if (Result written = writeList(path, edit, created); !written) {
            return written;
        }
    }
    return Result::done();
}

Result undoChange(const QString& type, const QJsonObject& change) {
    return undoChanges({{type, change}});
}

QStringList idsAfterChange(const QString& type, const QJsonObject& change) {
    const QString path = change.value(QStringLiteral("file")).toString();
    const auto list = path.isEmpty() ? std::nullopt : readList(linkTarget(path));
    return list ? listValue(list->value(kDefault, utf8(type))) : QStringList();
}

namespace {

// The list that names an installed app for exactly the type, and that app's ID.
std::pair<QString, QString> ownDefault(const QString& type) {
    if (!checkLists()) {
        return {};
    }
    for (const QString& path : mimeappsLookupFiles()) {
        const auto list = readList(path);
        for (const QString& id :
             listValue(list ? list->value(kDefault, utf8(type)) : std::nullopt)) {
            if (GObjectPtr<GDesktopAppInfo>(g_desktop_app_info_new(utf8(id).constData()))) {
                return {path, id};
            }
        }
    }
    return {};
}

} // namespace

QString defaultOrigin(const QString& type) {
    return ownDefault(type).first;
}

QString ownDefaultId(const QString& type) {
    return ownDefault(type).second;
}

QJsonObject carriedChange(const QJsonObject& gone, const QJsonObject& kept) {
    const QString file = QStringLiteral("file");
    if (gone.value(file) != kept.value(file)) {
        return kept;
    }
    QJsonObject carried = kept;
    for (const QString& key : {QStringLiteral("created"), QStringLiteral("addedGroup")}) {
        if (gone.value(key).toBool()) {
            carried.insert(key, true);
        }
    }
    return carried;
}

} // namespace korvane::MimeappsDefaults
