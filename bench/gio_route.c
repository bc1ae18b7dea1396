/* What `korvane route FILE` answers, asked of GIO directly: each file's content type, the
 * desktop's default app for it and the app's name. The yardstick of the open benchmark. */
#include <gio/gio.h>
#include <stdio.h>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        gboolean uncertain = FALSE;
        char* type = g_content_type_guess(argv[i], NULL, 0, &uncertain);
        GAppInfo* app = g_app_info_get_default_for_type(type, FALSE);
        printf("%s: %s %s\n", argv[i], type, app ? g_app_info_get_name(app) : "(none)");
        g_clear_object(&app);
        g_free(type);
    }
    return 0;
}
