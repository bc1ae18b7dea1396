#include "freedesktop_platform.h"

#include "autostart.h"
#include "content_types.h"
#include "desktop_names.h"
#include "glib_ptr.h"
#include "glib_strings.h"
#include "mimeapps_list.h"
#include "platform/durable_file.h"
#include "platform/launch_marker.h"
#include "platform/regular_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QSet>
#include <QUrl>
#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

namespace korvane {

namespace {

// The file: URI of a path, from its exact bytes.
QByteArray uriOf(const QString& path) {
    const GCharPtr uri(g_filename_to_uri(fileName(path).constData(), nullptr, nullptr));
    return uri ? QByteArray(uri.get()) : QByteArray();
}

// The entry's path, which the core uses as the application's name.
std::optional<QString> pathOf(GAppInfo* info) {
    if (!info || !G_IS_DESKTOP_APP_INFO(info)) {
        return std::nullopt;
    }
    const char* file = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info));
    if (!file) {
        return std::nullopt;
    }
    return FileNames::decode(file);
}

// Korvane itself is never a candidate: handing a file to Korvane would only ask again.
bool isKorvaneEntry(GAppInfo* info) {
    const char* id = g_app_info_get_id(info);
    return id && qstrcmp(id, KORVANE_APP_ID ".desktop") == 0;
}

QStringList pathsOf(GList* list) {
    QStringList paths;
    AppInfoList(list).forEach([&](GAppInfo* info) {
        if (auto path = pathOf(info); path && !paths.contains(*path) && !isKorvaneEntry(info)) {
            paths.append(*path);
        }
    });
    return paths;
}

// The XDG application directories, most important first, each ending in a slash.
QStringList applicationDirectories() {
    QStringList dirs{FileNames::decode(g_get_user_data_dir()) + QStringLiteral("/applications/")};
    for (const gchar* const* dir = g_get_system_data_dirs(); *dir; ++dir) {
        dirs.append(FileNames::decode(*dir) + QStringLiteral("/applications/"));
    }
    for (QString& dir : dirs) {
        dir = QDir::cleanPath(dir) + u'/';
    }
    return dirs;
}

// Whether a folder holds a file for the desktop-file ID: "a-b.desktop" is a-b.desktop there, or
// a/b.desktop, as GIO names entries in subfolders.
bool holdsEntry(const QString& dir, const QString& id) {
    if (QFileInfo::exists(dir + id)) {
        return true;
    }
    const qsizetype dash = id.indexOf(u'-');
    return dash > 0 && QFileInfo(dir + id.left(dash)).isDir() &&
           holdsEntry(dir + id.left(dash) + u'/', id.mid(dash + 1));
}

// GIO takes an ID's first file in the folders' order; where that file is no usable entry
// (Hidden=true, even without a type), the ID is gone, though GIO's look-up by ID goes on to a
// later folder's file. True when such a file comes before `found`.
bool maskedBefore(const QString& id, const QString& found) {
    for (const QString& dir : applicationDirectories()) {
        if (found.startsWith(dir)) {
            return false;
        }
        if (holdsEntry(dir, id)) {
            return true;
        }
    }
    return false;
}

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

// Why GIO can't be asked about applications: it reads every list with a blocking read the
// first time it is asked, and again after each change, so a FIFO would hang it.
std::optional<QString> listProblem() {
    static const QStringList lists = mimeappsLookupFiles();
    for (const QString& path : lists) {
        struct stat info {};
        if (::stat(fileName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
            return RegularFile::notRegular(path);
        }
    }
    return std::nullopt;
}

GObjectPtr<GDesktopAppInfo> entryAt(const QString& path) {
    if (!path.endsWith(QLatin1String(".desktop")) || listProblem()) {
        return nullptr;
    }
    return GObjectPtr<GDesktopAppInfo>(
        g_desktop_app_info_new_from_filename(fileName(path).constData()));
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
    std::optional<QString> error = std::nullopt;
    QJsonObject change = {};
    QString target = {}; // the file written: where the list's link points
    std::optional<QByteArray> before = std::nullopt; // nothing when there was no file
    QByteArray after = {};
};

// Makes the app, known by its `id`, the type's default in the user's list that decides it.
ListEdit defaultEdit(const QString& app, const QString& id, const QString& type) {
    if (auto problem = listProblem()) {
        return {problem};
    }
    if (id.isEmpty()) {
        return {QStringLiteral("%1 is not an installed application.").arg(app)};
    }
    const QString path = mimeappsFileFor(type);
    ListEdit edit{std::nullopt, {}, linkTarget(path)};
    const RegularFile::Contents file = RegularFile::read(edit.target, kMaxListSize);
    if (file.status == RegularFile::Contents::Refused) {
        edit.error = file.error;
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
std::optional<QString> writeList(const QString& path, const ListEdit& edit, bool created) {
    if (edit.before == edit.after) {
        return std::nullopt;
    }
    if (created && edit.after.isEmpty()) {
        if (!QFile::remove(edit.target) && QFileInfo::exists(edit.target)) {
            return QStringLiteral("%1 couldn't be removed.").arg(edit.target);
        }
    } else {
        QDir().mkpath(QFileInfo(edit.target).absolutePath());
        if (const auto error = DurableFile::replace(edit.target, edit.after)) {
            return QStringLiteral("%1 couldn't be written: %2").arg(path, *error);
        }
    }
    if (edit.target != path) {
        // GIO watches the configuration folder, not where the link points: touch the link so
        // that this process, too, reads the new defaults.
        const struct timespec now[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
        utimensat(AT_FDCWD, fileName(path).constData(), now, AT_SYMLINK_NOFOLLOW);
    }
    return std::nullopt;
}

// The name of the program that owns the file manager's name on the bus: the entry that runs
// its executable, or the executable's own name.
QString fileManagerOnBus(GDBusConnection* bus) {
    const GVariantPtr pid(g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetConnectionUnixProcessID", g_variant_new("(s)", "org.freedesktop.FileManager1"), nullptr,
        G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr));
    if (!pid) {
        return QStringLiteral("the file manager");
    }
    guint32 process = 0;
    g_variant_get(pid.get(), "(u)", &process);
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(process)).canonicalFilePath();
    QString name = QFileInfo(exe).fileName();
    if (listProblem()) {
        return name; // GIO would block reading the app database
    }
    AppInfoList(g_app_info_get_all()).forEach([&](GAppInfo* info) {
        const char* program = g_app_info_get_executable(info);
        const GCharPtr found(program ? g_find_program_in_path(program) : nullptr);
        if (found && QFileInfo(FileNames::decode(found.get())).canonicalFilePath() == exe) {
            name = fromUtf8(g_app_info_get_name(info));
        }
    });
    return name.isEmpty() ? QStringLiteral("the file manager") : name;
}

void openParentsOf(const QStringList& paths) {
    if (listProblem()) {
        return;
    }
    QStringList parents;
    for (const QString& path : paths) {
        const QString parent = QFileInfo(path).absolutePath();
        if (!parents.contains(parent)) {
            parents.append(parent);
        }
    }
    for (const QString& parent : parents) {
        const QByteArray uri = uriOf(parent);
        g_app_info_launch_default_for_uri(uri.constData(), nullptr, nullptr);
    }
}

// The files of one launch: their URIs, and their paths for the launch marker.
struct Batch {
    QList<QByteArray> uris;
    QStringList paths;
};

// The files' URIs in as few launches as the system's argument limit allows (each launch's
// arguments and the environment must fit in ARG_MAX), or one launch each.
QList<Batch> launchBatches(const QStringList& files, bool oneEach) {
    qint64 budget = sysconf(_SC_ARG_MAX);
    if (budget <= 0) {
        budget = 128 * 1024;
    }
    for (char** variable = environ; *variable; ++variable) {
        budget -= qint64(strlen(*variable) + 1 + sizeof(char*));
    }
    budget = std::max<qint64>(budget - 64 * 1024, 4096); // the program and its own arguments
    QList<Batch> batches;
    qint64 used = 0;
    for (const QString& file : files) {
        QByteArray uri = uriOf(file);
        const qint64 cost = uri.size() + 1 + qint64(sizeof(char*));
        if (batches.isEmpty() || used + cost > budget || oneEach) {
            batches.append(Batch());
            used = 0;
        }
        batches.last().uris.append(std::move(uri));
        batches.last().paths.append(file);
        used += cost;
    }
    return batches;
}

} // namespace

FreedesktopPlatform::FreedesktopPlatform() = default;
FreedesktopPlatform::~FreedesktopPlatform() = default;

const QStringList& FreedesktopPlatform::archiveTypes() {
    return ContentTypes::archiveTypes();
}

const QStringList& FreedesktopPlatform::sourceCodeTypes() {
    return ContentTypes::sourceCodeTypes();
}

std::optional<QString>
FreedesktopPlatform::applicationForIdentifier(const QString& identifier) const {
    if (identifier.isEmpty() || listProblem()) {
        return std::nullopt;
    }
    QString id = identifier;
    if (!id.endsWith(QLatin1String(".desktop"))) {
        id += QStringLiteral(".desktop");
    }
    // By ID, as GIO looks it up in the XDG application folders: a user's Hidden=true entry
    // removes the application.
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(utf8(id).constData()));
    if (!info || g_desktop_app_info_get_is_hidden(info.get())) {
        return std::nullopt;
    }
    const auto path = pathOf(G_APP_INFO(info.get()));
    return path && maskedBefore(id, *path) ? std::nullopt : path;
}

std::optional<QString>
FreedesktopPlatform::defaultApplicationForType(const ContentType& type) const {
    if (type.identifier.isEmpty() || listProblem()) {
        return std::nullopt;
    }
    GObjectPtr<GAppInfo> info(
        g_app_info_get_default_for_type(utf8(type.identifier).constData(), FALSE));
    return pathOf(info.get());
}

std::optional<QString> FreedesktopPlatform::defaultApplicationForFile(const QString& file) const {
    return defaultApplicationForType(ContentType{ContentTypes::typeOfFile(file), false});
}

QStringList FreedesktopPlatform::applicationsForType(const ContentType& type) const {
    if (type.identifier.isEmpty() || listProblem()) {
        return {};
    }
    if (!ContentTypes::isGroup(type.identifier)) {
        return pathsOf(g_app_info_get_all_for_type(utf8(type.identifier).constData()));
    }
    // GIO knows no wildcards or groups of ours: the apps with a type of the group.
    QStringList paths;
    AppInfoList(g_app_info_get_all()).forEach([&](GAppInfo* info) {
        const char** types = g_app_info_get_supported_types(info);
        for (; g_app_info_should_show(info) && !isKorvaneEntry(info) && types && *types; ++types) {
            if (conforms(ContentType{fromUtf8(*types)}, type)) {
                if (auto path = pathOf(info); path && !paths.contains(*path)) {
                    paths.append(*path);
                }
                break;
            }
        }
    });
    return paths;
}

QStringList FreedesktopPlatform::applicationsForFile(const QString& file) const {
    return applicationsForType(ContentType{ContentTypes::typeOfFile(file), false});
}

QList<ApplicationEntry> FreedesktopPlatform::applicationEntries() const {
    QList<ApplicationEntry> entries;
    if (listProblem()) {
        return entries;
    }
    // What the desktop's own app grid shows: no NoDisplay entries, none for other desktops.
    AppInfoList(g_app_info_get_all()).forEach([&](GAppInfo* info) {
        auto path = pathOf(info);
        if (path && g_app_info_should_show(info) && !isKorvaneEntry(info)) {
            entries.append({fromUtf8(g_app_info_get_name(info)), *path});
        }
    });
    return entries;
}

DefaultPlan FreedesktopPlatform::planDefault(const QString& app, const ContentType& type) const {
    const ListEdit edit = defaultEdit(app, applicationId(app), type.identifier);
    return {edit.error, edit.change};
}

void FreedesktopPlatform::setDefaultApplication(const QString& app, const ContentType& type,
                                                const QJsonObject& plan, ErrorCompletion done) {
    const ListEdit edit = defaultEdit(app, applicationId(app), type.identifier);
    const QString path = plan.value(QStringLiteral("file")).toString();
    if (edit.error) {
        return done(edit.error);
    }
    if (edit.change != plan) {
        return done(QStringLiteral("%1 changed meanwhile; try again.").arg(path));
    }
    done(writeList(path, edit, false));
}

void FreedesktopPlatform::undoDefaultChange(const ContentType& type, const QJsonObject& change,
                                            ErrorCompletion done) {
    const QString path = change.value(QStringLiteral("file")).toString();
    const QByteArray mime = utf8(type.identifier);
    if (path.isEmpty() || change.value(QStringLiteral("type")).toString() != type.identifier) {
        return done(QStringLiteral("the record of the change is incomplete."));
    }
    // The file the change was made in, whatever the desktop now.
    ListEdit edit{std::nullopt, change, linkTarget(path)};
    const RegularFile::Contents file = RegularFile::read(edit.target, kMaxListSize);
    if (file.status != RegularFile::Contents::Ok) {
        return done(file.status == RegularFile::Contents::Absent
                        ? QStringLiteral("%1 no longer exists.").arg(path)
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
    done(writeList(path, edit, change.value(QStringLiteral("created")).toBool()));
}

std::optional<QString> FreedesktopPlatform::defaultAfterChange(const ContentType& type,
                                                               const QJsonObject& change) const {
    const QString path = change.value(QStringLiteral("file")).toString();
    const auto list = path.isEmpty() ? std::nullopt : readList(linkTarget(path));
    if (list) {
        for (const QString& id : listValue(list->value(kDefault, utf8(type.identifier)))) {
            if (auto app = applicationForIdentifier(id)) {
                return app;
            }
        }
    }
    return defaultApplicationForType(type);
}

std::optional<QString> FreedesktopPlatform::settingsProblem() const {
    return listProblem();
}

QString FreedesktopPlatform::defaultOrigin(const ContentType& type) const {
    if (listProblem()) {
        return {};
    }
    for (const QString& path : mimeappsLookupFiles()) {
        const auto list = readList(path);
        for (const QString& id :
             listValue(list ? list->value(kDefault, utf8(type.identifier)) : std::nullopt)) {
            if (GObjectPtr<GDesktopAppInfo>(g_desktop_app_info_new(utf8(id).constData()))) {
                return path;
            }
        }
    }
    return {};
}

void FreedesktopPlatform::openFiles(const QStringList& files, const QString& app,
                                    ErrorCompletion done) {
    if (files.isEmpty()) {
        done(std::nullopt); // nothing to launch, and nothing waits
        return;
    }
    auto entry = entryAt(app);
    if (!entry) {
        done(QStringLiteral("%1 is not an installed application.").arg(app));
        return;
    }
    // Each launch reports back when GIO has delivered it (for a D-Bus activated app, when the
    // app answered); the completion runs once, after the last.
    struct Launches {
        int remaining = 0;
        QStringList errors;
        ErrorCompletion done;
    };
    // An app that takes one file at a time is started once per file anyway; each start gets the
    // marker of its own file.
    const QList<Batch> batches = launchBatches(files, takesOneFileAtATime(app));
    auto* launches = new Launches{int(batches.size()), {}, std::move(done)};
    for (const Batch& batch : batches) {
        GList* list = nullptr;
        for (auto it = batch.uris.crbegin(); it != batch.uris.crend(); ++it) {
            list = g_list_prepend(list, const_cast<char*>(it->constData()));
        }
        GObjectPtr<GAppLaunchContext> context(g_app_launch_context_new());
        g_app_launch_context_setenv(context.get(), LaunchMarker::kVariable,
                                    LaunchMarker::of(batch.paths).constData());
        g_app_info_launch_uris_async(
            G_APP_INFO(entry.get()), list, context.get(), nullptr,
            [](GObject* source, GAsyncResult* result, gpointer data) {
                auto* pending = static_cast<Launches*>(data);
                GErrorHolder error;
                if (!g_app_info_launch_uris_finish(G_APP_INFO(source), result, error.out())) {
                    pending->errors.append(error.message());
                }
                if (--pending->remaining == 0) {
                    pending->errors.removeDuplicates();
                    pending->done(pending->errors.isEmpty()
                                      ? std::nullopt
                                      : std::optional<QString>(pending->errors.join(u' ')));
                    delete pending;
                }
            },
            launches);
        g_list_free(list); // GIO copied the URIs
    }
}

void FreedesktopPlatform::openItem(const QString& path) {
    if (listProblem()) {
        return;
    }
    const QByteArray uri = uriOf(path);
    g_app_info_launch_default_for_uri(uri.constData(), nullptr, nullptr);
}

void FreedesktopPlatform::revealFiles(const QStringList& paths, RevealCompletion done) {
    if (paths.isEmpty()) {
        done(std::nullopt, {});
        return;
    }
    GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (!bus) {
        openParentsOf(paths);
        done(std::nullopt, {});
        return;
    }
    GVariantBuilder uris;
    g_variant_builder_init(&uris, G_VARIANT_TYPE("as"));
    for (const QString& path : paths) {
        g_variant_builder_add(&uris, "s", uriOf(path).constData());
    }
    struct Reveal {
        QStringList paths;
        RevealCompletion done;
    };
    // Asynchronous, and the bus may start the file manager: a cold start takes a moment, and
    // only a file manager that starts can select the files.
    g_dbus_connection_call(
        bus.get(), "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
        "org.freedesktop.FileManager1", "ShowItems", g_variant_new("(ass)", &uris, ""), nullptr,
        G_DBUS_CALL_FLAGS_NONE, 10000, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Reveal> reveal(static_cast<Reveal*>(data));
            const GVariantPtr reply(
                g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr));
            if (reply) {
                reveal->done(std::nullopt, fileManagerOnBus(G_DBUS_CONNECTION(source)));
            } else {
                openParentsOf(reveal->paths);
                reveal->done(std::nullopt, {});
            }
        },
        new Reveal{paths, std::move(done)});
}

void FreedesktopPlatform::watchApplications(std::function<void()> changed) {
    struct Watch {
        GObjectPtr<GAppInfoMonitor> monitor;
        std::function<void()> changed;
        gulong handler = 0;
    };
    // GIO tells of a change only after the app database was read since the last one: reading it
    // arms the next notice.
    auto* watch =
        new Watch{GObjectPtr<GAppInfoMonitor>(g_app_info_monitor_get()), std::move(changed)};
    watch->handler = g_signal_connect(
        watch->monitor.get(), "changed", G_CALLBACK(+[](GAppInfoMonitor*, gpointer data) {
            if (!listProblem()) {
                g_list_free_full(g_app_info_get_all(), g_object_unref);
            }
            if (const auto& notify = static_cast<Watch*>(data)->changed) {
                notify();
            }
        }),
        watch);
    if (!listProblem()) { // GIO would block reading a mimeapps list that isn't a file
        g_list_free_full(g_app_info_get_all(), g_object_unref);
    }
    m_applicationsWatch = std::shared_ptr<void>(watch, [](void* data) {
        auto* held = static_cast<Watch*>(data);
        g_signal_handler_disconnect(held->monitor.get(), held->handler);
        delete held; // and with it the monitor
    });
}

bool FreedesktopPlatform::isKorvane(const QString& identifier) const {
    return identifier == QLatin1String(KORVANE_APP_ID ".desktop") ||
           identifier == QLatin1String(KORVANE_APP_ID);
}

QString FreedesktopPlatform::displayName(const QString& path) const {
    if (auto entry = entryAt(path)) {
        return fromUtf8(g_app_info_get_name(G_APP_INFO(entry.get())));
    }
    if (path.endsWith(QLatin1String(".desktop"))) {
        // An entry GIO refuses (its program is gone) still has a name worth showing.
        const KeyFilePtr keys = loadKeyFile(fileName(path));
        const GCharPtr name(
            keys ? g_key_file_get_locale_string(keys.get(), G_KEY_FILE_DESKTOP_GROUP,
                                                G_KEY_FILE_DESKTOP_KEY_NAME, nullptr, nullptr)
                 : nullptr);
        if (name) {
            return fromUtf8(name.get());
        }
    }
    GObjectPtr<GFile> file(g_file_new_for_path(fileName(path).constData()));
    GObjectPtr<GFileInfo> info(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_DISPLAY_NAME,
                                                 G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (info) {
        return fromUtf8(g_file_info_get_display_name(info.get()));
    }
    return QFileInfo(path).fileName();
}

bool FreedesktopPlatform::exists(const QString& path) const {
    // Follows symbolic links, so a broken one does not exist.
    struct stat info {};
    return !path.isEmpty() && FileNames::statPath(path, &info);
}

QString FreedesktopPlatform::applicationId(const QString& path) const {
    if (!entryAt(path)) {
        return {}; // no desktop entry, or one GIO does not accept
    }
    if (!QDir::isAbsolutePath(path)) {
        return {};
    }
    // Only an entry inside the application folders has a desktop-file ID.
    const QString clean = QDir::cleanPath(path);
    for (const QString& dir : applicationDirectories()) {
        if (clean.startsWith(dir)) {
            QString id = clean.mid(dir.size());
            id.replace(u'/', u'-');
            return id;
        }
    }
    return {};
}

bool FreedesktopPlatform::isFolder(const QString& path) const {
    struct stat info {};
    return FileNames::statPath(path, &info) && S_ISDIR(info.st_mode);
}

bool FreedesktopPlatform::takesOneFileAtATime(const QString& app) const {
    // %f and %u name one file; %F and %U a list (Desktop Entry Specification, "Exec").
    const auto entry = entryAt(app);
    const GCharPtr exec(entry ? g_desktop_app_info_get_string(entry.get(), "Exec") : nullptr);
    const QString line = exec ? fromUtf8(exec.get()) : QString();
    return !line.contains(QLatin1String("%F")) && !line.contains(QLatin1String("%U")) &&
           (line.contains(QLatin1String("%f")) || line.contains(QLatin1String("%u")));
}

QString FreedesktopPlatform::iconName(const QString& path) const {
    GIcon* icon = nullptr;
    GObjectPtr<GFileInfo> fileInfo;
    auto entry = entryAt(path);
    if (entry) {
        icon = g_app_info_get_icon(G_APP_INFO(entry.get()));
    } else {
        GObjectPtr<GFile> file(g_file_new_for_path(fileName(path).constData()));
        fileInfo.reset(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_ICON,
                                         G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
        icon = fileInfo ? g_file_info_get_icon(fileInfo.get()) : nullptr;
    }
    if (!icon) {
        return {};
    }
    if (G_IS_THEMED_ICON(icon)) {
        const gchar* const* names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        return names && names[0] ? fromUtf8(names[0]) : QString();
    }
    if (G_IS_FILE_ICON(icon)) {
        GCharPtr iconPath(g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon))));
        return iconPath ? FileNames::decode(iconPath.get()) : QString();
    }
    return {};
}

std::optional<ContentType> FreedesktopPlatform::typeForExtension(const QString& extension) const {
    return ContentTypes::typeForExtension(extension);
}

bool FreedesktopPlatform::conforms(const ContentType& type, const ContentType& to) const {
    return ContentTypes::conforms(type, to);
}

ContentType FreedesktopPlatform::wellKnownType(WellKnownType type) const {
    return ContentTypes::wellKnownType(type);
}

QString FreedesktopPlatform::autostartPath() {
    return Autostart::path();
}

bool FreedesktopPlatform::launchAtLogin() const {
    return Autostart::enabled();
}

std::optional<QString> FreedesktopPlatform::setLaunchAtLogin(bool enabled) {
    return Autostart::setEnabled(enabled, m_programPath);
}

QString FreedesktopPlatform::fileManagerName() const {
    if (const auto app =
            defaultApplicationForType(ContentType{QStringLiteral("inode/directory")})) {
        QString name = displayName(*app);
        if (!name.isEmpty()) {
            return name;
        }
    }
    return QStringLiteral("the file manager");
}

QString FreedesktopPlatform::systemName() const {
    return DesktopNames::systemName();
}

} // namespace korvane
