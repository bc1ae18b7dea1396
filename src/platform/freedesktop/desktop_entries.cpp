#include "desktop_entries.h"

#include "content_types.h"
#include "glib_ptr.h"
#include "glib_strings.h"
#include "mimeapps_defaults.h"
#include "platform_logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace korvane::DesktopEntries {

namespace {

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

bool isKorvaneEntry(GAppInfo* info) {
    const char* id = g_app_info_get_id(info);
    return id && isKorvaneId(fromUtf8(id));
}

} // namespace

bool isKorvaneId(const QString& id) {
    return id == QLatin1String(KORVANE_APP_ID ".desktop") ||
           id == QLatin1String(KORVANE_APP_ID ".Opener.desktop");
}

QByteArray execArgument(const QByteArray& argument) {
    QByteArray quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? QByteArray("%%") : QByteArray(1, c);
    }
    return quoted + '"';
}

Result writeKorvaneEntry(const QByteArray& path, const QByteArray& exec,
                         const QList<const char*>& flags) {
    const KeyFilePtr owner(g_key_file_new());
    GKeyFile* keys = owner.get();
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_TYPE,
                          G_KEY_FILE_DESKTOP_TYPE_APPLICATION);
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_NAME, "Korvane");
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_ICON,
                          KORVANE_APP_ID);
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_EXEC,
                          exec.constData());
    for (const char* flag : flags) {
        g_key_file_set_boolean(keys, G_KEY_FILE_DESKTOP_GROUP, flag, TRUE);
    }
    gsize size = 0;
    const GCharPtr text(g_key_file_to_data(keys, &size, nullptr));
    const QByteArray bytes(text.get(), qsizetype(size));
    QFile old(FileNames::decode(path));
    if (QFileInfo(old).isFile() && old.size() == bytes.size() && old.open(QIODevice::ReadOnly) &&
        old.readAll() == bytes) {
        return Result::done(); // as it should be
    }
    GCharPtr dir(g_path_get_dirname(path.constData()));
    if (g_mkdir_with_parents(dir.get(), 0700) != 0) {
        return Result::failed(QString::fromLocal8Bit(g_strerror(errno)));
    }
    GErrorHolder error;
    if (!g_file_set_contents(path.constData(), bytes.constData(), gssize(bytes.size()),
                             error.out())) {
        return Result::failed(error.message());
    }
    return Result::done();
}

Result removeFile(const QByteArray& path) {
    GObjectPtr<GFile> file(g_file_new_for_path(path.constData()));
    GErrorHolder error;
    if (!g_file_delete(file.get(), nullptr, error.out()) &&
        !g_error_matches(*error.out(), G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) {
        return Result::failed(error.message());
    }
    return Result::done();
}

namespace {

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

GObjectPtr<GDesktopAppInfo> entryAt(const QString& path) {
    if (!path.endsWith(QLatin1String(".desktop")) || !MimeappsDefaults::checkLists()) {
        return nullptr;
    }
    return GObjectPtr<GDesktopAppInfo>(
        g_desktop_app_info_new_from_filename(fileName(path).constData()));
}

} // namespace

std::optional<QString> applicationForIdentifier(const QString& identifier) {
    if (identifier.isEmpty() || !MimeappsDefaults::checkLists()) {
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

std::optional<QString> defaultApplicationForType(const ContentType& type) {
    if (type.identifier.isEmpty() || !MimeappsDefaults::checkLists()) {
        return std::nullopt;
    }
    GObjectPtr<GAppInfo> info(
        g_app_info_get_default_for_type(utf8(type.identifier).constData(), FALSE));
    return pathOf(info.get());
}

QStringList applicationsForType(const ContentType& type) {
    if (type.identifier.isEmpty() || !MimeappsDefaults::checkLists()) {
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
            if (ContentTypes::conforms(ContentType{fromUtf8(*types)}, type)) {
                if (auto path = pathOf(info); path && !paths.contains(*path)) {
                    paths.append(*path);
                }
                break;
            }
        }
    });
    return paths;
}

QList<ApplicationEntry> applicationEntries() {
    QList<ApplicationEntry> entries;
    if (!MimeappsDefaults::checkLists()) {
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

QString displayName(const QString& path) {
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

QString applicationId(const QString& path) {
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

bool takesOneFileAtATime(const QString& app) {
    // %f and %u name one file; %F and %U a list (Desktop Entry Specification, "Exec").
    const auto entry = entryAt(app);
    const GCharPtr exec(entry ? g_desktop_app_info_get_string(entry.get(), "Exec") : nullptr);
    const QString line = exec ? fromUtf8(exec.get()) : QString();
    return !line.contains(QLatin1String("%F")) && !line.contains(QLatin1String("%U")) &&
           (line.contains(QLatin1String("%f")) || line.contains(QLatin1String("%u")));
}

QString commandLine(const QString& app, const QStringList& files) {
    const auto entry = entryAt(app);
    const GCharPtr exec(entry ? g_desktop_app_info_get_string(entry.get(), "Exec") : nullptr);
    int count = 0;
    gchar** words = nullptr;
    if (!exec || !g_shell_parse_argv(exec.get(), &count, &words, nullptr)) {
        return {};
    }
    const GStrvPtr owned(words);
    const auto uri = [](const QString& file) {
        if (!file.startsWith(u'/')) {
            return file.toUtf8(); // a link goes as it is
        }
        const GCharPtr text(g_filename_to_uri(fileName(file).constData(), nullptr, nullptr));
        return text ? QByteArray(text.get()) : QByteArray();
    };
    // The field codes of the Desktop Entry Specification; deprecated ones are dropped.
    QList<QByteArray> line;
    for (int i = 0; i < count; ++i) {
        const QByteArray word(words[i]);
        if (word == "%f" || word == "%u") {
            if (!files.isEmpty()) {
                line << (word == "%f" ? fileName(files.first()) : uri(files.first()));
            }
        } else if (word == "%F" || word == "%U") {
            for (const QString& file : files) {
                line << (word == "%F" ? fileName(file) : uri(file));
            }
        } else if (word == "%i") {
            if (const GCharPtr icon(g_desktop_app_info_get_string(entry.get(), "Icon")); icon) {
                line << "--icon" << icon.get();
            }
        } else if (word == "%c") {
            line << g_app_info_get_name(G_APP_INFO(entry.get()));
        } else if (word == "%k") {
            line << fileName(app);
        } else if (word.size() != 2 || word[0] != '%' || word == "%%") {
            line << QByteArray(word).replace("%%", "%");
        }
    }
    QStringList quoted;
    for (const QByteArray& word : line) {
        // Quoted only where a shell would read the word otherwise.
        const bool plain = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](char c) {
            return QByteArrayView("+,-./:=@_%").contains(c) || (c >= '0' && c <= '9') ||
                   (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
        const GCharPtr text(plain ? g_strdup(word.constData()) : g_shell_quote(word.constData()));
        quoted << FileNames::decode(text.get());
    }
    return quoted.join(u' ');
}

QString iconName(const QString& path) {
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

std::shared_ptr<void> watchApplications(std::function<void()> changed) {
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
            qCDebug(lcPlatform) << "the installed applications changed";
            if (MimeappsDefaults::checkLists()) {
                g_list_free_full(g_app_info_get_all(), g_object_unref);
            }
            if (const auto& notify = static_cast<Watch*>(data)->changed) {
                notify();
            }
        }),
        watch);
    // GIO would block reading a mimeapps list that isn't a file.
    if (MimeappsDefaults::checkLists()) {
        g_list_free_full(g_app_info_get_all(), g_object_unref);
    }
    return std::shared_ptr<void>(watch, [](void* data) {
        auto* held = static_cast<Watch*>(data);
        g_signal_handler_disconnect(held->monitor.get(), held->handler);
        delete held; // and with it the monitor
    });
}

} // namespace korvane::DesktopEntries
