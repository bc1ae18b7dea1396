#include "public_suffixes.h"

#include <gio/gio.h>
#include <libpsl.h>
#include <memory>

namespace korvane::PublicSuffixes {

namespace {

struct PslFree {
    void operator()(psl_ctx_t* list) const { psl_free(list); }
};

// The newer of the system's list and the library's own, read once.
const psl_ctx_t* suffixList() {
    static const std::unique_ptr<psl_ctx_t, PslFree> list(psl_latest(nullptr));
    return list ? list.get() : psl_builtin();
}

} // namespace

QString siteOf(const QString& host) {
    QString lower = host.toLower();
    const QByteArray name = lower.toUtf8();
    if (name.isEmpty() || g_hostname_is_ip_address(name.constData())) {
        return lower;
    }
    const psl_ctx_t* list = suffixList();
    const char* site = list ? psl_registrable_domain(list, name.constData()) : nullptr;
    return site ? QString::fromUtf8(site) : lower;
}

} // namespace korvane::PublicSuffixes
