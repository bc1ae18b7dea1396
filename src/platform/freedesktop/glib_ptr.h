#pragma once

// Holders that free what GLib and GIO hand over. Only the freedesktop platform's .cpp files
// include this, so that GLib's types reach no header of Korvane's.

#include <QByteArray>
#include <QString>
#include <gio/gio.h>
#include <memory>

namespace korvane {

struct GObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

struct GFreeDeleter {
    void operator()(gpointer memory) const { g_free(memory); }
};
using GCharPtr = std::unique_ptr<gchar, GFreeDeleter>;

struct GVariantDeleter {
    void operator()(GVariant* value) const { g_variant_unref(value); }
};
using GVariantPtr = std::unique_ptr<GVariant, GVariantDeleter>;

struct GStrvDeleter {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};
using GStrvPtr = std::unique_ptr<gchar*, GStrvDeleter>;

struct GKeyFileDeleter {
    void operator()(GKeyFile* keys) const { g_key_file_free(keys); }
};
using KeyFilePtr = std::unique_ptr<GKeyFile, GKeyFileDeleter>;

// The key file at a path, or none where it can't be read.
inline KeyFilePtr loadKeyFile(const QByteArray& path) {
    KeyFilePtr keys(g_key_file_new());
    if (!g_key_file_load_from_file(keys.get(), path.constData(), G_KEY_FILE_NONE, nullptr)) {
        return nullptr;
    }
    return keys;
}

// The GError a call may set, freed with the holder.
class GErrorHolder {
public:
    GErrorHolder() = default;
    GErrorHolder(const GErrorHolder&) = delete;
    GErrorHolder& operator=(const GErrorHolder&) = delete;
    ~GErrorHolder() {
        if (m_error) {
            g_error_free(m_error);
        }
    }
    GError** out() { return &m_error; }
    explicit operator bool() const { return m_error != nullptr; }
    QString message() const { return m_error ? QString::fromUtf8(m_error->message) : QString(); }

private:
    GError* m_error = nullptr;
};

// A GList of strings, freed with the list.
struct GStringListDeleter {
    void operator()(GList* list) const { g_list_free_full(list, g_free); }
};
using GStringListPtr = std::unique_ptr<GList, GStringListDeleter>;

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

} // namespace korvane
