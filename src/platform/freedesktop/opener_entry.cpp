#include "opener_entry.h"

#include "desktop_entries.h"
#include "glib_ptr.h"
#include "glib_strings.h"

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
    const QByteArray exec =
        DesktopEntries::execArgument(
            fileName(program.isEmpty() ? QCoreApplication::applicationFilePath() : program)) +
        " open --for-desktop %F";
    return DesktopEntries::writeKorvaneEntry(path, exec,
                                             {G_KEY_FILE_DESKTOP_KEY_NO_DISPLAY, kProvided});
}

Result withdraw() {
    const QByteArray path = providedPath();
    return isProvided(loadKeyFile(path)) ? DesktopEntries::removeFile(path) : Result::done();
}

} // namespace korvane::OpenerEntry
