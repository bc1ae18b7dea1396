#include "autostart.h"

#include "glib_ptr.h"
#include "glib_strings.h"

#include <QCoreApplication>
#include <cerrno>
#include <gio/gio.h>

namespace korvane::Autostart {

namespace {

QString programPath(const QString& configured) {
    return configured.isEmpty() ? QCoreApplication::applicationFilePath() : configured;
}

// The entry earlier versions wrote; still honoured, and removed with the setting.
QByteArray legacyAutostartPath() {
    return QByteArray(g_get_user_config_dir()) + "/autostart/korvane.desktop";
}

bool autostartEnabled(const QByteArray& path) {
    const KeyFilePtr keys = loadKeyFile(path);
    return keys && !g_key_file_get_boolean(keys.get(), G_KEY_FILE_DESKTOP_GROUP,
                                           G_KEY_FILE_DESKTOP_KEY_HIDDEN, nullptr);
}

// One Exec argument as the Desktop Entry Specification quotes it: in double quotes, with ", `,
// $ and \ escaped by a backslash, and % doubled.
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

Result removeFile(const QByteArray& path) {
    GObjectPtr<GFile> file(g_file_new_for_path(path.constData()));
    GErrorHolder error;
    if (!g_file_delete(file.get(), nullptr, error.out()) &&
        !g_error_matches(*error.out(), G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) {
        return Result::failed(error.message());
    }
    return Result::done();
}

} // namespace

QString path() {
    return FileNames::decode(g_get_user_config_dir()) +
           QStringLiteral("/autostart/" KORVANE_APP_ID ".desktop");
}

bool enabled() {
    return autostartEnabled(fileName(path())) || autostartEnabled(legacyAutostartPath());
}

Result setEnabled(bool enabled, const QString& program) {
    const QByteArray path = fileName(Autostart::path());
    if (Result removed = removeFile(legacyAutostartPath()); !removed) {
        return removed;
    }
    if (!enabled) {
        return removeFile(path);
    }
    GCharPtr dir(g_path_get_dirname(path.constData()));
    if (g_mkdir_with_parents(dir.get(), 0700) != 0) {
        return Result::failed(QString::fromLocal8Bit(g_strerror(errno)));
    }
    const KeyFilePtr owner(g_key_file_new());
    GKeyFile* keys = owner.get();
    const QByteArray exec = execArgument(fileName(programPath(program)));
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_TYPE,
                          G_KEY_FILE_DESKTOP_TYPE_APPLICATION);
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_NAME, "Korvane");
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_ICON,
                          KORVANE_APP_ID);
    g_key_file_set_string(keys, G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_EXEC,
                          exec.constData());
    g_key_file_set_boolean(keys, G_KEY_FILE_DESKTOP_GROUP, "X-GNOME-Autostart-enabled", TRUE);
    GErrorHolder error;
    if (!g_key_file_save_to_file(keys, path.constData(), error.out())) {
        return Result::failed(error.message());
    }
    return Result::done();
}

} // namespace korvane::Autostart
