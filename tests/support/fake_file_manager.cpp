// Serves org.freedesktop.FileManager1 on the session bus and logs each ShowItems call as one
// JSON array of URIs per line. Prints "ready" once the name is owned.
// Usage: korvane_fake_file_manager LOG
#include <gio/gio.h>
#include <stdio.h>
#include <string.h>

static const char* kIntrospection = "<node><interface name='org.freedesktop.FileManager1'>"
                                    "<method name='ShowItems'><arg type='as' direction='in'/><arg "
                                    "type='s' direction='in'/></method>"
                                    "<method name='ShowFolders'><arg type='as' "
                                    "direction='in'/><arg type='s' direction='in'/></method>"
                                    "</interface></node>";

static const char* logPath;

static void onCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
                   GVariant* parameters, GDBusMethodInvocation* invocation, gpointer) {
    GVariantIter* uris = NULL;
    const gchar* startup = NULL;
    g_variant_get(parameters, "(as&s)", &uris, &startup);
    FILE* log = fopen(logPath, "a");
    if (log) {
        fprintf(log, "%s[", method);
        const gchar* uri;
        gboolean first = TRUE;
        while (g_variant_iter_loop(uris, "&s", &uri)) {
            gchar* quoted = g_strescape(uri, NULL);
            fprintf(log, "%s\"%s\"", first ? "" : ",", quoted);
            g_free(quoted);
            first = FALSE;
        }
        fprintf(log, "]\n");
        fclose(log);
    }
    g_variant_iter_free(uris);
    g_dbus_method_invocation_return_value(invocation, NULL);
}

static void onAcquired(GDBusConnection*, const gchar*, gpointer) {
    printf("ready\n");
    fflush(stdout);
}

static void onBus(GDBusConnection* connection, const gchar*, gpointer) {
    static const GDBusInterfaceVTable vtable = {onCall, NULL, NULL, {0}};
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, NULL);
    g_dbus_connection_register_object(connection, "/org/freedesktop/FileManager1",
                                      node->interfaces[0], &vtable, NULL, NULL, NULL);
    g_dbus_node_info_unref(node);
}

static void onLost(GDBusConnection*, const gchar*, gpointer) {
    exit(1);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    logPath = argv[1];
    g_bus_own_name(G_BUS_TYPE_SESSION, "org.freedesktop.FileManager1", G_BUS_NAME_OWNER_FLAGS_NONE,
                   onBus, onAcquired, onLost, NULL, NULL);
    g_main_loop_run(g_main_loop_new(NULL, FALSE));
    return 0;
}
