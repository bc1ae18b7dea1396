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

QString joinList(const QStringList& items) {
    return items.join(u';') + u';';
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
    QJsonObject change = {};
    QString target = {}; // the file written: where the list's link points
    std::optional<QByteArray> before = std::nullopt; // nothing when there was no file
    QByteArray after = {};
};

// Makes the app, known by its `id`, the type's default in the user's list that decides it.
ListEdit defaultEdit(const QString& app, const QString& id, const QString& type) {
    if (Result readable = checkLists(); !readable) {
        return {readable};
    }
    if (id.isEmpty()) {
        return {Result::failed(PlatformText::tr("%1 is not an installed application.").arg(app))};
    }
    const QString path = mimeappsFileFor(type);
    ListEdit edit{Result::done(), {}, linkTarget(path)};
    const RegularFile::Contents file = RegularFile::read(edit.target, kMaxListSize);
    if (file.status == RegularFile::Contents::Refused) {
        edit.result = Result::failed(file.error);
        return edit;
    }
    const QByteArray mime = utf8(type);
    MimeappsList list(file.bytes);
    QJsonObject change{{QStringLiteral("file"), path}, {QStringLiteral("type"), type}};
    if (file.status == RegularFile::Contents::Absent) {
        change.insert(QStringLiteral("created"), true);
    } else {
        edit.before = file.bytes;
    }
    if (!list.hasGroup(kDefault)) {
        change.insert(QStringLiteral("addedGroup"), true);
    }
    // The app goes first; the user's other choices stay behind it as fallbacks.
    const auto previous = list.value(kDefault, mime);
    change.insert(QStringLiteral("previous"),
                  previous ? QJsonValue(fromUtf8(previous->constData())) : QJsonValue());
    QStringList apps{id};
    for (const QString& other : listValue(previous)) {
        if (other != id) {
            apps.append(other);
        }
    }
    list.setValue(kDefault, mime, utf8(joinList(apps)));
    // A removal of this very app would keep it from being the default: lift it, and note it.
    const auto removed = list.value(kRemoved, mime);
    QStringList stillRemoved = listValue(removed);
    if (stillRemoved.removeAll(id) > 0) {
        change.insert(QStringLiteral("removed"), fromUtf8(removed->constData()));
        list.setValue(kRemoved, mime,
                      stillRemoved.isEmpty() ? QByteArray() : utf8(joinList(stillRemoved)));
    }
    edit.change = change;
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
        qCDebug(lcPlatform) << "writing" << edit.target << "for" << edit.change;
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
    const ListEdit edit = defaultEdit(app, id, type);
    return {edit.result, edit.change};
}

Result setDefault(const QString& app, const QString& id, const QString& type,
                  const QJsonObject& plan) {
    const ListEdit edit = defaultEdit(app, id, type);
    const QString path = plan.value(QStringLiteral("file")).toString();
    if (!edit.result) {
        return edit.result;
    }
    if (edit.change != plan) {
        return Result::failed(PlatformText::tr("%1 changed meanwhile; try again.").arg(path));
    }
    return writeList(path, edit, false);
}

Result undoChange(const QString& type, const QJsonObject& change) {
    const QString path = change.value(QStringLiteral("file")).toString();
    const QByteArray mime = utf8(type);
    if (path.isEmpty() || change.value(QStringLiteral("type")).toString() != type) {
        return Result::failed(PlatformText::tr("the record of the change is incomplete."));
    }
    // The file the change was made in, whatever the desktop now.
    ListEdit edit{Result::done(), change, linkTarget(path)};
    const RegularFile::Contents file = RegularFile::read(edit.target, kMaxListSize);
    if (file.status != RegularFile::Contents::Ok) {
        return Result::failed(file.status == RegularFile::Contents::Absent
                                  ? PlatformText::tr("%1 no longer exists.").arg(path)
                                  : file.error);
    }
    edit.before = file.bytes;
    MimeappsList list(file.bytes);
    const QJsonValue previous = change.value(QStringLiteral("previous"));
    if (previous.isString()) {
        list.setValue(kDefault, mime, utf8(previous.toString()));
    } else {
        list.removeKey(kDefault, mime);
        if (change.value(QStringLiteral("addedGroup")).toBool()) {
            list.removeEmptyGroup(kDefault);
        }
    }
    const QJsonValue removed = change.value(QStringLiteral("removed"));
    if (removed.isString()) {
        list.setValue(kRemoved, mime, utf8(removed.toString()));
    }
    edit.after = list.bytes();
    return writeList(path, edit, change.value(QStringLiteral("created")).toBool());
}

QStringList idsAfterChange(const QString& type, const QJsonObject& change) {
    const QString path = change.value(QStringLiteral("file")).toString();
    const auto list = path.isEmpty() ? std::nullopt : readList(linkTarget(path));
    return list ? listValue(list->value(kDefault, utf8(type))) : QStringList();
}

QString defaultOrigin(const QString& type) {
    if (!checkLists()) {
        return {};
    }
    for (const QString& path : mimeappsLookupFiles()) {
        const auto list = readList(path);
        for (const QString& id :
             listValue(list ? list->value(kDefault, utf8(type)) : std::nullopt)) {
            if (GObjectPtr<GDesktopAppInfo>(g_desktop_app_info_new(utf8(id).constData()))) {
                return path;
            }
        }
    }
    return {};
}

} // namespace korvane::MimeappsDefaults
