#include "launching.h"

#include "desktop_entries.h"
#include "glib_ptr.h"
#include "glib_strings.h"
#include "mimeapps_defaults.h"
#include "platform/launch_marker.h"
#include "platform_logging.h"
#include "platform_text.h"

#include <QFileInfo>
#include <cstring>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

extern char** environ;

namespace korvane::Launching {

namespace {

// The file: URI of a path, from its exact bytes.
QByteArray uriOf(const QString& path) {
    const GCharPtr uri(g_filename_to_uri(fileName(path).constData(), nullptr, nullptr));
    return uri ? QByteArray(uri.get()) : QByteArray();
}

// The name of the program with the process ID: the entry that runs its executable, or the
// executable's own name.
QString programName(guint32 process) {
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(process)).canonicalFilePath();
    QString name = QFileInfo(exe).fileName();
    if (!MimeappsDefaults::checkLists()) {
        return name; // GIO would block reading the app database
    }
    AppInfoList(g_app_info_get_all()).forEach([&](GAppInfo* info) {
        const char* program = g_app_info_get_executable(info);
        const GCharPtr found(program ? g_find_program_in_path(program) : nullptr);
        if (found && QFileInfo(FileNames::decode(found.get())).canonicalFilePath() == exe) {
            name = fromUtf8(g_app_info_get_name(info));
        }
    });
    return name.isEmpty() ? PlatformText::tr("the file manager") : name;
}

void openParentsOf(const QStringList& paths) {
    if (!MimeappsDefaults::checkLists()) {
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
        // A path becomes a file: URI; anything else reaching here is a link, passed as it is.
        QByteArray uri = file.startsWith(u'/') ? uriOf(file) : file.toUtf8();
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

QByteArrayList openFiles(const QStringList& files, const QString& app, Completion done,
                         bool handedBack) {
    // The app's desktop entry; none for another file, or where GIO can't be asked.
    const GObjectPtr<GDesktopAppInfo> entry(
        app.endsWith(QLatin1String(".desktop")) && MimeappsDefaults::checkLists()
            ? g_desktop_app_info_new_from_filename(fileName(app).constData())
            : nullptr);
    if (!entry) {
        done(Result::failed(PlatformText::tr("%1 is not an installed application.").arg(app)));
        return {};
    }
    // Each launch reports back when GIO has delivered it (for a D-Bus activated app, when the
    // app answered); the completion runs once, after the last.
    struct Launches {
        int remaining = 0;
        QStringList errors;
        Completion done;
    };
    // An app that takes one file at a time is started once per file anyway; each start gets the
    // marker of its own file.
    // No files: the app starts with nothing to open.
    const QList<Batch> batches =
        files.isEmpty() ? QList<Batch>{Batch{}}
                        : launchBatches(files, DesktopEntries::takesOneFileAtATime(app));
    qCDebug(lcPlatform) << "launching" << app << "with" << files.size() << "files in"
                        << batches.size() << "starts";
    auto* launches = new Launches{int(batches.size()), {}, std::move(done)};
    QByteArrayList markers;
    for (const Batch& batch : batches) {
        GList* list = nullptr;
        for (auto it = batch.uris.crbegin(); it != batch.uris.crend(); ++it) {
            list = g_list_prepend(list, const_cast<char*>(it->constData()));
        }
        GObjectPtr<GAppLaunchContext> context(g_app_launch_context_new());
        markers << (batch.uris.isEmpty() ? QByteArray(LaunchMarker::kNothing)
                                         : LaunchMarker::of(batch.paths, handedBack));
        g_app_launch_context_setenv(context.get(), LaunchMarker::kVariable,
                                    markers.last().constData());
        g_app_info_launch_uris_async(
            G_APP_INFO(entry.get()), list, context.get(), nullptr,
            [](GObject* source, GAsyncResult* result, gpointer data) {
                auto* pending = static_cast<Launches*>(data);
                GErrorHolder error;
                if (!g_app_info_launch_uris_finish(G_APP_INFO(source), result, error.out())) {
                    qCInfo(lcPlatform) << "a launch failed:" << error.message();
                    pending->errors.append(error.message());
                }
                if (--pending->remaining == 0) {
                    pending->errors.removeDuplicates();
                    pending->done(pending->errors.isEmpty()
                                      ? Result::done()
                                      : Result::failed(pending->errors.join(u' ')));
                    delete pending;
                }
            },
            launches);
        g_list_free(list); // GIO copied the URIs
    }
    return markers;
}

std::optional<QString> localPath(const QByteArray& location) {
    const char* scheme = g_uri_peek_scheme(location.constData()); // lower case, interned
    if (!scheme) {
        return location.startsWith('/') ? std::optional(FileNames::decode(location)) : std::nullopt;
    }
    const bool file = qstrcmp(scheme, "file") == 0;
    const bool web = qstrcmp(scheme, "http") == 0 || qstrcmp(scheme, "https") == 0;
    const gchar* const* mounted = g_vfs_get_supported_uri_schemes(g_vfs_get_default());
    if (!file && (web || !g_strv_contains(mounted, scheme))) {
        return std::nullopt; // a link, never a mounted copy of a page
    }
    const GObjectPtr<GFile> item(g_file_new_for_uri(location.constData()));
    const GCharPtr path(g_file_get_path(item.get()));
    return path ? std::optional(FileNames::decode(path.get())) : std::nullopt;
}

void openItem(const QString& path) {
    if (!MimeappsDefaults::checkLists()) {
        return;
    }
    // A link goes as it is; a path as its URI.
    const QByteArray uri = path.startsWith(u'/') ? uriOf(path) : path.toUtf8();
    g_app_info_launch_default_for_uri(uri.constData(), nullptr, nullptr);
}

namespace {

// One reveal on its way: the bus is reached, the file manager asked to show the items, and its
// process asked for its name, each step asynchronous, so the window never waits on the bus.
struct Reveal {
    QStringList paths;
    RevealCompletion done;
    GObjectPtr<GDBusConnection> bus;

    // No file manager answered: their folders open instead.
    void openFolders() {
        qCInfo(lcPlatform) << "no file manager answered on the session bus; folders opened";
        openParentsOf(paths);
        done(Result::done(), {});
    }
};

void askWhoShowed(std::unique_ptr<Reveal> asked) {
    GDBusConnection* bus = asked->bus.get();
    g_dbus_connection_call(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetConnectionUnixProcessID", g_variant_new("(s)", "org.freedesktop.FileManager1"),
        G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, 1000, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Reveal> reveal(static_cast<Reveal*>(data));
            const GVariantPtr reply(
                g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr));
            guint32 process = 0;
            if (reply) {
                g_variant_get(reply.get(), "(u)", &process);
            }
            reveal->done(Result::done(),
                         process ? programName(process) : PlatformText::tr("the file manager"));
        },
        asked.release());
}

void askToShow(std::unique_ptr<Reveal> asked) {
    GVariantBuilder uris;
    g_variant_builder_init(&uris, G_VARIANT_TYPE("as"));
    for (const QString& path : asked->paths) {
        g_variant_builder_add(&uris, "s", uriOf(path).constData());
    }
    GDBusConnection* bus = asked->bus.get();
    // The bus may start the file manager: a cold start takes a moment, and only a file manager
    // that starts can select the files.
    g_dbus_connection_call(
        bus, "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
        "org.freedesktop.FileManager1", "ShowItems", g_variant_new("(ass)", &uris, ""), nullptr,
        G_DBUS_CALL_FLAGS_NONE, 10000, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Reveal> reveal(static_cast<Reveal*>(data));
            const GVariantPtr reply(
                g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr));
            if (reply) {
                askWhoShowed(std::move(reveal));
            } else {
                reveal->openFolders();
            }
        },
        asked.release());
}

} // namespace

void revealFiles(const QStringList& paths, RevealCompletion done) {
    if (paths.isEmpty()) {
        done(Result::done(), {});
        return;
    }
    g_bus_get(
        G_BUS_TYPE_SESSION, nullptr,
        [](GObject*, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Reveal> reveal(static_cast<Reveal*>(data));
            reveal->bus.reset(g_bus_get_finish(result, nullptr));
            if (reveal->bus) {
                askToShow(std::move(reveal));
            } else {
                reveal->openFolders();
            }
        },
        new Reveal{paths, std::move(done), {}});
}

} // namespace korvane::Launching
