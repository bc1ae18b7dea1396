#include "opener_entry.h"

#include "desktop_entries.h"
#include "glib_ptr.h"
#include "glib_strings.h"
#include "platform_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gio/gio.h>

namespace korvane::OpenerEntry {

namespace {

// Marks the entry Korvane wrote itself, which it may rewrite and remove.
constexpr const char* kProvided = "X-Korvane-Provided";

QByteArray providedPath() {
    return QByteArray(g_get_user_data_dir()) + "/applications/" KORVANE_APP_ID ".Opener.desktop";
}

// The bus starts the opener by this file: the desktop asks it over the bus, as the entry says.
QByteArray servicePath() {
    return QByteArray(g_get_user_data_dir()) + "/dbus-1/services/" KORVANE_APP_ID ".Opener.service";
}

// The bus reads its service folders when told to: a folder made just now may not be watched.
void reloadBus() {
    GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (bus) {
        const GVariantPtr reply(
            g_dbus_connection_call_sync(bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                        "org.freedesktop.DBus", "ReloadConfig", nullptr, nullptr,
                                        G_DBUS_CALL_FLAGS_NO_AUTO_START, 2000, nullptr, nullptr));
    }
}

Result writeService(const QString& program) {
    const GCharPtr quoted(g_shell_quote(fileName(program).constData()));
    const QByteArray bytes =
        "[D-BUS Service]\nName=" KORVANE_APP_ID ".Opener\nExec=" + QByteArray(quoted.get()) +
        " opener serve\n";
    GErrorHolder error;
    const GCharPtr dir(g_path_get_dirname(servicePath().constData()));
    gchar* old = nullptr;
    gsize size = 0;
    if (g_file_get_contents(servicePath().constData(), &old, &size, nullptr)) {
        const GCharPtr held(old);
        if (QByteArrayView(old, qsizetype(size)) == bytes) {
            return Result::done(); // as it should be
        }
    }
    if (g_mkdir_with_parents(dir.get(), 0700) != 0 ||
        !g_file_set_contents(servicePath().constData(), bytes.constData(), gssize(bytes.size()),
                             error.out())) {
        return Result::failed(
            error ? error.message()
                  : PlatformText::tr("%1 couldn't be made.").arg(fromUtf8(dir.get())));
    }
    return Result::done();
}

bool isProvided(const KeyFilePtr& keys) {
    return keys && g_key_file_get_boolean(keys.get(), G_KEY_FILE_DESKTOP_GROUP, kProvided, nullptr);
}

} // namespace

QString id() {
    return QStringLiteral(KORVANE_APP_ID ".Opener.desktop");
}

std::optional<QString> path() {
    if (auto installed = DesktopEntries::applicationForIdentifier(id())) {
        return installed;
    }
    // Just written: GIO sees new entries only once its folder watch has told it.
    const QString provided = FileNames::decode(providedPath());
    return isProvided(loadKeyFile(providedPath())) ? std::optional(provided) : std::nullopt;
}

Result provide(const QString& program) {
    const QByteArray path = providedPath();
    const KeyFilePtr old = loadKeyFile(path);
    if (old && !isProvided(old)) {
        return Result::done(); // an entry of the user's own by that name: theirs to keep
    }
    const auto installed = DesktopEntries::applicationForIdentifier(id());
    if (installed && QFileInfo(*installed) != QFileInfo(FileNames::decode(path))) {
        return Result::done(); // the package's own
    }
    const QString command = program.isEmpty() ? QCoreApplication::applicationFilePath() : program;
    const QByteArray exec =
        DesktopEntries::execArgument(fileName(command)) + " open --for-desktop %U";
    if (Result service = writeService(command); !service) {
        return service;
    }
    return DesktopEntries::writeKorvaneEntry(
        path, exec,
        {G_KEY_FILE_DESKTOP_KEY_NO_DISPLAY, G_KEY_FILE_DESKTOP_KEY_DBUS_ACTIVATABLE, kProvided});
}

Result withdraw() {
    const QByteArray path = providedPath();
    if (!isProvided(loadKeyFile(path))) {
        return Result::done();
    }
    if (Result removed = DesktopEntries::removeFile(servicePath()); !removed) {
        return removed;
    }
    reloadBus();
    return DesktopEntries::removeFile(path);
}

} // namespace korvane::OpenerEntry
