#include "freedesktop_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUrl>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <memory>

namespace korvane {

namespace {

// RAII for the GLib types this file uses.
struct GObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

struct GFreeDeleter {
    void operator()(gpointer memory) const { g_free(memory); }
};
using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;

struct GKeyFileDeleter {
    void operator()(GKeyFile* keys) const { g_key_file_free(keys); }
};
using KeyFilePtr = std::unique_ptr<GKeyFile, GKeyFileDeleter>;

KeyFilePtr loadKeyFile(const QByteArray& path) {
    KeyFilePtr keys(g_key_file_new());
    if (!g_key_file_load_from_file(keys.get(), path.constData(), G_KEY_FILE_NONE, nullptr)) {
        return nullptr;
    }
    return keys;
}

class Error {
public:
    GError** out() { return &m_error; }
    ~Error() {
        if (m_error) {
            g_error_free(m_error);
        }
    }
    explicit operator bool() const { return m_error != nullptr; }
    QString message() const { return m_error ? QString::fromUtf8(m_error->message) : QString(); }

private:
    GError* m_error = nullptr;
};

// A GList of owned GObjects, unreferenced with the list.
class AppInfoList {
public:
    explicit AppInfoList(GList* list)
        : m_list(list) {}
    ~AppInfoList() { g_list_free_full(m_list, g_object_unref); }
    AppInfoList(const AppInfoList&) = delete;
    AppInfoList& operator=(const AppInfoList&) = delete;
    template <typename F> void forEach(F&& f) const {
        for (GList* item = m_list; item; item = item->next) {
            f(G_APP_INFO(item->data));
        }
    }

private:
    GList* m_list;
};

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}
QByteArray fileName(const QString& path) {
    return QFile::encodeName(path);
}

QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
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
    return QFile::decodeName(file);
}

GObjectPtr<GDesktopAppInfo> entryAt(const QString& path) {
    if (!path.endsWith(QLatin1String(".desktop"))) {
        return nullptr;
    }
    return GObjectPtr<GDesktopAppInfo>(
        g_desktop_app_info_new_from_filename(fileName(path).constData()));
}

QStringList pathsOf(GList* list) {
    QStringList paths;
    AppInfoList(list).forEach([&](GAppInfo* info) {
        if (auto path = pathOf(info); path && !paths.contains(*path)) {
            paths.append(*path);
        }
    });
    return paths;
}

QString typeOfFile(const QString& file) {
    GObjectPtr<GFile> gfile(g_file_new_for_path(fileName(file).constData()));
    GObjectPtr<GFileInfo> info(g_file_query_info(gfile.get(),
                                                 G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                 G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!info) {
        return {};
    }
    return fromUtf8(g_file_info_get_content_type(info.get()));
}

// The XDG application directories, most important first, each ending in a slash.
QStringList applicationDirectories() {
    QStringList dirs{QFile::decodeName(g_get_user_data_dir()) + QStringLiteral("/applications/")};
    for (const gchar* const* dir = g_get_system_data_dirs(); *dir; ++dir) {
        dirs.append(QFile::decodeName(*dir) + QStringLiteral("/applications/"));
    }
    for (QString& dir : dirs) {
        dir = QDir::cleanPath(dir) + u'/';
    }
    return dirs;
}

const QString kData = QStringLiteral("application/octet-stream");
const char* const kAdded = "Added Associations";

QString mimeappsPath() {
    return QFile::decodeName(g_get_user_config_dir()) + QStringLiteral("/mimeapps.list");
}
const QString kArchive = QStringLiteral("x-korvane/archive");
const QString kSourceCode = QStringLiteral("x-korvane/source-code");

bool isA(const QString& type, const QString& parent) {
    return g_content_type_is_a(utf8(type).constData(), utf8(parent).constData());
}

bool isAnyOf(const QString& type, const QStringList& parents) {
    for (const QString& parent : parents) {
        if (isA(type, parent)) {
            return true;
        }
    }
    return false;
}

QString programPath(const QString& configured) {
    return configured.isEmpty() ? QCoreApplication::applicationFilePath() : configured;
}

void openParentsOf(const QStringList& paths) {
    QStringList parents;
    for (const QString& path : paths) {
        const QString parent = QFileInfo(path).absolutePath();
        if (!parents.contains(parent)) {
            parents.append(parent);
        }
    }
    for (const QString& parent : parents) {
        const QByteArray uri = QUrl::fromLocalFile(parent).toEncoded();
        g_app_info_launch_default_for_uri(uri.constData(), nullptr, nullptr);
    }
}

} // namespace

FreedesktopPlatform::FreedesktopPlatform() = default;
FreedesktopPlatform::~FreedesktopPlatform() = default;

const QStringList& FreedesktopPlatform::archiveTypes() {
    static const QStringList types{
        QStringLiteral("application/zip"),
        QStringLiteral("application/x-tar"),
        QStringLiteral("application/gzip"),
        QStringLiteral("application/x-bzip"),
        QStringLiteral("application/x-bzip2"),
        QStringLiteral("application/x-xz"),
        QStringLiteral("application/zstd"),
        QStringLiteral("application/x-zstd"),
        QStringLiteral("application/x-lzma"),
        QStringLiteral("application/x-lzip"),
        QStringLiteral("application/x-lz4"),
        QStringLiteral("application/x-compress"),
        QStringLiteral("application/x-7z-compressed"),
        QStringLiteral("application/vnd.rar"),
        QStringLiteral("application/x-rar"),
        QStringLiteral("application/x-cpio"),
        QStringLiteral("application/x-archive"),
        QStringLiteral("application/x-cd-image"),
        QStringLiteral("application/x-iso9660-image"),
        QStringLiteral("application/x-compressed-tar"),
        QStringLiteral("application/x-bzip-compressed-tar"),
        QStringLiteral("application/x-bzip2-compressed-tar"),
        QStringLiteral("application/x-xz-compressed-tar"),
        QStringLiteral("application/x-lzma-compressed-tar"),
        QStringLiteral("application/x-zstd-compressed-tar"),
        QStringLiteral("application/x-tarz"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("application/vnd.debian.binary-package"),
        QStringLiteral("application/x-rpm"),
    };
    return types;
}

const QStringList& FreedesktopPlatform::sourceCodeTypes() {
    static const QStringList types{
        QStringLiteral("text/x-csrc"),
        QStringLiteral("text/x-chdr"),
        QStringLiteral("text/x-c++src"),
        QStringLiteral("text/x-c++hdr"),
        QStringLiteral("text/x-objcsrc"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("text/x-java"),
        QStringLiteral("application/javascript"),
        QStringLiteral("text/javascript"),
        QStringLiteral("application/x-typescript"),
        QStringLiteral("text/x-typescript"),
        QStringLiteral("text/x-go"),
        QStringLiteral("text/rust"),
        QStringLiteral("text/x-rust"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("application/x-php"),
        QStringLiteral("text/x-csharp"),
        QStringLiteral("text/x-kotlin"),
        QStringLiteral("text/x-swift"),
        QStringLiteral("text/x-lua"),
        QStringLiteral("text/x-scala"),
        QStringLiteral("text/x-haskell"),
        QStringLiteral("text/x-pascal"),
        QStringLiteral("text/x-fortran"),
        QStringLiteral("text/x-dsrc"),
        QStringLiteral("text/x-erlang"),
        QStringLiteral("text/x-elixir"),
        QStringLiteral("text/x-ocaml"),
        QStringLiteral("text/x-sql"),
        QStringLiteral("text/x-makefile"),
        QStringLiteral("text/x-cmake"),
        QStringLiteral("text/x-tcl"),
        QStringLiteral("text/x-vala"),
    };
    return types;
}

std::optional<QString>
FreedesktopPlatform::applicationForIdentifier(const QString& identifier) const {
    if (identifier.isEmpty()) {
        return std::nullopt;
    }
    QString id = identifier;
    if (!id.endsWith(QLatin1String(".desktop"))) {
        id += QStringLiteral(".desktop");
    }
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(utf8(id).constData()));
    return pathOf(G_APP_INFO(info.get()));
}

std::optional<QString>
FreedesktopPlatform::defaultApplicationForType(const ContentType& type) const {
    if (type.identifier.isEmpty()) {
        return std::nullopt;
    }
    GObjectPtr<GAppInfo> info(
        g_app_info_get_default_for_type(utf8(type.identifier).constData(), FALSE));
    return pathOf(info.get());
}

std::optional<QString> FreedesktopPlatform::defaultApplicationForFile(const QString& file) const {
    return defaultApplicationForType(ContentType{typeOfFile(file), false});
}

QStringList FreedesktopPlatform::applicationsForType(const ContentType& type) const {
    if (type.identifier.isEmpty()) {
        return {};
    }
    return pathsOf(g_app_info_get_all_for_type(utf8(type.identifier).constData()));
}

QStringList FreedesktopPlatform::applicationsForFile(const QString& file) const {
    return applicationsForType(ContentType{typeOfFile(file), false});
}

QList<ApplicationEntry> FreedesktopPlatform::applicationEntries() const {
    QList<ApplicationEntry> entries;
    AppInfoList(g_app_info_get_all()).forEach([&](GAppInfo* info) {
        if (auto path = pathOf(info)) {
            entries.append({fromUtf8(g_app_info_get_name(info)), *path});
        }
    });
    return entries;
}

void FreedesktopPlatform::setDefaultApplication(const QString& app, const ContentType& type,
                                                ErrorCompletion done) {
    auto entry = entryAt(app);
    if (!entry) {
        done(QStringLiteral("%1 is not an installed application.").arg(app));
        return;
    }
    // An entry loaded from its file has no desktop-file ID; GIO needs one to write mimeapps.list.
    const QString id = bundleIdentifier(app);
    GObjectPtr<GDesktopAppInfo> byId(id.isEmpty() ? nullptr
                                                  : g_desktop_app_info_new(utf8(id).constData()));
    GAppInfo* target = G_APP_INFO(byId ? byId.get() : entry.get());
    const QByteArray mime = utf8(type.identifier);
    const QByteArray list = fileName(mimeappsPath());
    const KeyFilePtr before = loadKeyFile(list);
    const GCharPtr addedBefore(
        before ? g_key_file_get_value(before.get(), kAdded, mime.constData(), nullptr) : nullptr);
    Error error;
    if (!g_app_info_set_as_default_for_type(target, mime.constData(), error.out())) {
        done(error.message());
        return;
    }
    // GIO also lists the application under "Added Associations". Put that group back as it was,
    // so that restoring the earlier default leaves the file as the user had it.
    if (const KeyFilePtr after = loadKeyFile(list)) {
        if (addedBefore) {
            g_key_file_set_value(after.get(), kAdded, mime.constData(), addedBefore.get());
        } else {
            g_key_file_remove_key(after.get(), kAdded, mime.constData(), nullptr);
            gsize keys = 0;
            g_strfreev(g_key_file_get_keys(after.get(), kAdded, &keys, nullptr));
            if (keys == 0) {
                g_key_file_remove_group(after.get(), kAdded, nullptr);
            }
        }
        g_key_file_save_to_file(after.get(), list.constData(), nullptr);
    }
    done(std::nullopt);
}

void FreedesktopPlatform::openFiles(const QStringList& files, const QString& app,
                                    ErrorCompletion done) {
    auto entry = entryAt(app);
    if (!entry) {
        done(QStringLiteral("%1 is not an installed application.").arg(app));
        return;
    }
    std::vector<QByteArray> uris;
    uris.reserve(files.size());
    GList* list = nullptr;
    for (const QString& file : files) {
        uris.push_back(QUrl::fromLocalFile(file).toEncoded());
    }
    for (auto it = uris.rbegin(); it != uris.rend(); ++it) {
        list = g_list_prepend(list, it->data());
    }
    Error error;
    const bool ok = g_app_info_launch_uris(G_APP_INFO(entry.get()), list, nullptr, error.out());
    g_list_free(list);
    done(ok ? std::nullopt : std::optional<QString>(error.message()));
}

void FreedesktopPlatform::openItem(const QString& path) {
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    g_app_info_launch_default_for_uri(uri.constData(), nullptr, nullptr);
}

void FreedesktopPlatform::revealFiles(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (bus) {
        GVariantBuilder uris;
        g_variant_builder_init(&uris, G_VARIANT_TYPE("as"));
        for (const QString& path : paths) {
            g_variant_builder_add(&uris, "s", QUrl::fromLocalFile(path).toEncoded().constData());
        }
        // Only a running file manager: starting one by activation can take seconds.
        GVariant* reply = g_dbus_connection_call_sync(
            bus.get(), "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
            "org.freedesktop.FileManager1", "ShowItems", g_variant_new("(ass)", &uris, ""), nullptr,
            G_DBUS_CALL_FLAGS_NO_AUTO_START, 3000, nullptr, nullptr);
        if (reply) {
            g_variant_unref(reply);
            return;
        }
    }
    openParentsOf(paths);
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
    return !path.isEmpty() && g_file_test(fileName(path).constData(), G_FILE_TEST_EXISTS);
}

QString FreedesktopPlatform::bundleIdentifier(const QString& path) const {
    if (!entryAt(path)) {
        return {}; // no desktop entry, or one GIO does not accept
    }
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const QString& dir : applicationDirectories()) {
        if (clean.startsWith(dir)) {
            QString id = clean.mid(dir.size());
            id.replace(u'/', u'-');
            return id;
        }
    }
    return QFileInfo(clean).fileName();
}

std::optional<ItemKind> FreedesktopPlatform::itemKind(const QString& path) const {
    if (!exists(path)) {
        return std::nullopt;
    }
    return ItemKind{g_file_test(fileName(path).constData(), G_FILE_TEST_IS_DIR) != 0, false};
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
        return iconPath ? QFile::decodeName(iconPath.get()) : QString();
    }
    return {};
}

std::optional<ContentType> FreedesktopPlatform::typeForExtension(const QString& extension) const {
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const QByteArray name = utf8(QStringLiteral("x.") + extension);
    gboolean uncertain = FALSE;
    GCharPtr type(g_content_type_guess(name.constData(), nullptr, 0, &uncertain));
    if (!type) {
        return std::nullopt;
    }
    const QString identifier = fromUtf8(type.get());
    // Without data, GIO answers the generic type with doubt exactly when no glob matched.
    const bool dynamic = uncertain && identifier == kData;
    return ContentType{identifier, dynamic};
}

bool FreedesktopPlatform::conforms(const ContentType& type, const ContentType& to) const {
    if (to.identifier == kData) {
        return true;
    }
    if (type.dynamic || type.identifier.isEmpty()) {
        return type == to;
    }
    if (to.identifier == kArchive) {
        return type.identifier == kArchive || isAnyOf(type.identifier, archiveTypes());
    }
    if (to.identifier == kSourceCode) {
        return type.identifier == kSourceCode || isAnyOf(type.identifier, sourceCodeTypes());
    }
    return isA(type.identifier, to.identifier);
}

ContentType FreedesktopPlatform::wellKnownType(WellKnownType type) const {
    switch (type) {
    case WellKnownType::Text:
        return {QStringLiteral("text/plain")};
    case WellKnownType::Image:
        return {QStringLiteral("image/*")};
    case WellKnownType::Audio:
        return {QStringLiteral("audio/*")};
    case WellKnownType::Movie:
    case WellKnownType::Video:
        return {QStringLiteral("video/*")};
    case WellKnownType::Archive:
        return {kArchive};
    case WellKnownType::SourceCode:
        return {kSourceCode};
    case WellKnownType::Data:
        return {kData};
    case WellKnownType::Json:
        return {QStringLiteral("application/json")};
    case WellKnownType::Application:
        return {QStringLiteral("application/x-desktop")};
    }
    return {};
}

QString FreedesktopPlatform::autostartPath() {
    return QFile::decodeName(g_get_user_config_dir()) +
           QStringLiteral("/autostart/korvane.desktop");
}

bool FreedesktopPlatform::launchAtLogin() const {
    const KeyFilePtr keys = loadKeyFile(fileName(autostartPath()));
    return keys && !g_key_file_get_boolean(keys.get(), G_KEY_FILE_DESKTOP_GROUP,
                                           G_KEY_FILE_DESKTOP_KEY_HIDDEN, nullptr);
}

std::optional<QString> FreedesktopPlatform::setLaunchAtLogin(bool enabled) {
    const QByteArray path = fileName(autostartPath());
    if (!enabled) {
        GObjectPtr<GFile> file(g_file_new_for_path(path.constData()));
        Error error;
        if (!g_file_delete(file.get(), nullptr, error.out()) &&
            !g_error_matches(*error.out(), G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) {
            return error.message();
        }
        return std::nullopt;
    }
    GCharPtr dir(g_path_get_dirname(path.constData()));
    if (g_mkdir_with_parents(dir.get(), 0700) != 0) {
        return QString::fromLocal8Bit(g_strerror(errno));
    }
    const KeyFilePtr owner(g_key_file_new());
    GKeyFile* keys = owner.get();
    const QByteArray program = fileName(programPath(m_programPath));
    GCharPtr quoted(g_shell_quote(program.constData()));
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_TYPE,
                          G_KEY_FILE_DESKTOP_TYPE_APPLICATION);
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_NAME, "Korvane");
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_EXEC,
                          quoted.get());
    g_key_file_set_boolean(keys, G_KEY_FILE_DESKTOP_GROUP, "X-GNOME-Autostart-enabled", TRUE);
    Error error;
    if (!g_key_file_save_to_file(keys, path.constData(), error.out())) {
        return error.message();
    }
    return std::nullopt;
}

QString FreedesktopPlatform::fileManagerName() const {
    if (const auto app =
            defaultApplicationForType(ContentType{QStringLiteral("inode/directory")})) {
        const QString name = displayName(*app);
        if (!name.isEmpty()) {
            return name;
        }
    }
    return QStringLiteral("the file manager");
}

QString FreedesktopPlatform::systemName() const {
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    return desktops.isEmpty() ? QStringLiteral("Linux") : desktops.last();
}

} // namespace korvane
