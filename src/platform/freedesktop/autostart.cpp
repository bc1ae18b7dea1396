#include "autostart.h"

#include "desktop_entries.h"
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
    if (Result removed = DesktopEntries::removeFile(legacyAutostartPath()); !removed) {
        return removed;
    }
    if (!enabled) {
        return DesktopEntries::removeFile(path);
    }
    return DesktopEntries::writeKorvaneEntry(
        path, DesktopEntries::execArgument(fileName(programPath(program))),
        {"X-GNOME-Autostart-enabled"});
}

} // namespace korvane::Autostart
