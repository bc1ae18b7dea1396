#include "opener_service.h"

#include "glib_ptr.h"
#include "glib_strings.h"
#include "launching.h"
#include "opener_entry.h"
#include "platform/later.h"
#include "platform/launch_marker.h"
#include "platform_logging.h"
#include "platform_text.h"

#include <gio/gio.h>

namespace korvane::OpenerService {

namespace {

constexpr const char* kInterface = R"(<node>
  <interface name="org.freedesktop.Application">
    <method name="Activate"><arg type="a{sv}" name="platform_data" direction="in"/></method>
    <method name="Open">
      <arg type="as" name="uris" direction="in"/>
      <arg type="a{sv}" name="platform_data" direction="in"/>
    </method>
    <method name="ActivateAction">
      <arg type="s" name="action_name" direction="in"/>
      <arg type="av" name="parameter" direction="in"/>
      <arg type="a{sv}" name="platform_data" direction="in"/>
    </method>
  </interface>
</node>)";

// The bus name and object path the Desktop Entry Specification derives from the entry's ID.
QByteArray busName() {
    return utf8(OpenerEntry::id().chopped(int(qstrlen(".desktop"))));
}

QByteArray objectPath() {
    return '/' + busName().replace('.', '/');
}

struct Service {
    std::weak_ptr<Service> self;
    Platform::OpenRequest open;
    std::function<bool(const QStringList&)> mayComeBack;
    Completion ended;
    GObjectPtr<GDBusConnection> bus;
    guint object = 0;
    guint name = 0;
    bool over = false;

    void end(const Result& why) {
        if (!std::exchange(over, true)) {
            later(ended)(why);
        }
    }

    ~Service() {
        if (name != 0) {
            g_bus_unown_name(name);
        }
        if (object != 0) {
            g_dbus_connection_unregister_object(bus.get(), object);
        }
    }
};

// The items of an Open call: local files as paths (remote ones through their mount), other
// locations (web and mail links) as given.
QStringList itemsOf(GVariant* uris) {
    QStringList items;
    GVariantIter iter;
    g_variant_iter_init(&iter, uris);
    const gchar* uri = nullptr;
    while (g_variant_iter_next(&iter, "&s", &uri)) {
        if (auto path = Launching::localPath(QByteArray(uri))) {
            items.append(*path);
        } else if (const char* scheme = g_uri_peek_scheme(uri);
                   scheme && qstrcmp(scheme, "file") != 0) {
            items.append(QString::fromUtf8(uri));
        } else {
            qCWarning(lcPlatform) << "the opener was given a location it can't read:" << uri;
        }
    }
    return items;
}

// The launch marker in the environment of the process behind a bus name: the sender of a
// request waits for the answer, so it is still there to be read.
QByteArray markerOf(const char* environment, gsize size) {
    const QByteArrayView all(environment, qsizetype(size));
    const QByteArray key = QByteArray(LaunchMarker::kVariable) + '=';
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\0', start);
        end = end < 0 ? all.size() : end;
        if (all.sliced(start, end - start).startsWith(key)) {
            return all.sliced(start + key.size(), end - start - key.size()).toByteArray();
        }
        start = end + 1;
    }
    return {};
}

// A request waiting for its sender's process to be known.
struct Asked {
    std::weak_ptr<Service> service;
    GObjectPtr<GDBusMethodInvocation> invocation;
    Platform::OpenerRequest request;
};

void answer(std::unique_ptr<Asked> asked) {
    const auto service = asked->service.lock();
    if (!service || service->over) { // it ended meanwhile: the desktop is told, not answered
        g_dbus_method_invocation_return_error(asked->invocation.get(), G_DBUS_ERROR,
                                              G_DBUS_ERROR_FAILED, "the opener has ended");
        return;
    }
    // Answered first: the desktop waits for the answer, not for the apps.
    g_dbus_method_invocation_return_value(asked->invocation.get(), nullptr);
    if (asked->request.handBack != LaunchMarker::HandBack::None) {
        qCInfo(lcPlatform) << "an app Korvane started hands its items back to the desktop";
    }
    later(service->open)(asked->request);
}

// Asks the bus for the sender's process, then reads its launch marker: a request from an app
// Korvane started with the same items is handed back.
void answerWithSender(GDBusConnection* bus, std::unique_ptr<Asked> asked) {
    const gchar* sender = g_dbus_method_invocation_get_sender(asked->invocation.get());
    if (!sender) {
        return answer(std::move(asked));
    }
    g_dbus_connection_call(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetConnectionUnixProcessID", g_variant_new("(s)", sender), G_VARIANT_TYPE("(u)"),
        G_DBUS_CALL_FLAGS_NONE, 2000, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Asked> waiting(static_cast<Asked*>(data));
            const GVariantPtr reply(
                g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr));
            guint32 pid = 0;
            if (reply) {
                g_variant_get(reply.get(), "(u)", &pid);
            }
            gchar* environment = nullptr;
            gsize size = 0;
            const QByteArray path = "/proc/" + QByteArray::number(pid) + "/environ";
            if (pid != 0 && g_file_get_contents(path.constData(), &environment, &size, nullptr)) {
                const GCharPtr held(environment);
                waiting->request.handBack =
                    LaunchMarker::handBackOf(markerOf(environment, size), waiting->request.items);
            }
            answer(std::move(waiting));
        },
        asked.release());
}

// Items like those of a launch of this process may come back from the app launched: only then
// is the sender looked into, which costs the desktop's open a round trip on the bus.
void answerFor(GDBusConnection* bus, std::unique_ptr<Asked> asked) {
    const auto service = asked->service.lock();
    if (service && service->mayComeBack && service->mayComeBack(asked->request.items)) {
        return answerWithSender(bus, std::move(asked));
    }
    answer(std::move(asked));
}

void called(GDBusConnection* bus, const gchar*, const gchar*, const gchar*, const gchar* method,
            GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data) {
    auto* service = static_cast<Service*>(data);
    auto asked = std::make_unique<Asked>();
    asked->service = service->self;
    asked->invocation.reset(G_DBUS_METHOD_INVOCATION(g_object_ref(invocation)));
    if (qstrcmp(method, "Open") == 0) {
        GVariantPtr uris(g_variant_get_child_value(parameters, 0));
        asked->request.items = itemsOf(uris.get());
        qCDebug(lcPlatform) << "the desktop asks to open" << asked->request.items.size() << "items";
        if (asked->request.items.isEmpty()) { // only a start, which Activate asks for
            g_dbus_method_invocation_return_value(invocation, nullptr);
            return;
        }
        answerFor(bus, std::move(asked));
    } else if (qstrcmp(method, "Activate") == 0) {
        // Started with nothing to open, as the desktop's "web browser" command does.
        answerFor(bus, std::move(asked));
    } else if (const gchar* action = nullptr;
               qstrcmp(method, "ActivateAction") == 0 &&
               (g_variant_get_child(parameters, 0, "&s", &action), qstrcmp(action, "quit") == 0)) {
        g_dbus_method_invocation_return_value(invocation, nullptr);
        service->end(Result::done()); // the opener was turned off
    } else {
        g_dbus_method_invocation_return_error(invocation, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_METHOD,
                                              "no such action");
    }
}

} // namespace

void stop() {
    GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (!bus) {
        return;
    }
    // Only a running opener is asked: the bus must not start one to stop it.
    const GVariantPtr reply(g_dbus_connection_call_sync(
        bus.get(), busName().constData(), objectPath().constData(), "org.freedesktop.Application",
        "ActivateAction",
        g_variant_new("(s@av@a{sv})", "quit",
                      g_variant_new_array(G_VARIANT_TYPE_VARIANT, nullptr, 0),
                      g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0)),
        nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, 1000, nullptr, nullptr));
}

std::shared_ptr<void> serve(Platform::OpenRequest open, Completion ended,
                            std::function<bool(const QStringList& items)> mayComeBack) {
    auto service = std::make_shared<Service>();
    service->self = service;
    service->open = std::move(open);
    service->mayComeBack = std::move(mayComeBack);
    service->ended = std::move(ended);
    GErrorHolder error;
    service->bus.reset(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, error.out()));
    if (!service->bus) {
        service->end(
            Result::failed(PlatformText::tr("the desktop's message bus can't be reached: %1")
                               .arg(error.message())));
        return service;
    }
    GErrorHolder parsed;
    const std::unique_ptr<GDBusNodeInfo, void (*)(GDBusNodeInfo*)> node(
        g_dbus_node_info_new_for_xml(kInterface, parsed.out()), g_dbus_node_info_unref);
    static const GDBusInterfaceVTable table{called, nullptr, nullptr, {}};
    // The object first: a call may come the moment the name is ours.
    GErrorHolder registered;
    service->object = g_dbus_connection_register_object(
        service->bus.get(), objectPath().constData(), node->interfaces[0], &table, service.get(),
        nullptr, registered.out());
    if (service->object == 0) {
        service->end(Result::failed(registered.message()));
        return service;
    }
    service->name = g_bus_own_name_on_connection(
        service->bus.get(), busName().constData(), G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE, nullptr,
        [](GDBusConnection*, const gchar* name, gpointer data) {
            static_cast<Service*>(data)->end(Result::failed(
                PlatformText::tr("another process answers for %1").arg(fromUtf8(name))));
        },
        service.get(), nullptr);
    return service;
}

} // namespace korvane::OpenerService
