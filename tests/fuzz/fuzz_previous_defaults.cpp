// libFuzzer target: any bytes as the record of replaced defaults. Decoding never crashes, and
// what decodes survives a write and a read unchanged.
#include "core/default_app_manager.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using korvane::DefaultAppManager;
    const auto once =
        DefaultAppManager::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!once) {
        return 0;
    }
    const QByteArray written = DefaultAppManager::encode(*once);
    const auto again = DefaultAppManager::decode(written);
    if (!again || *again != *once) {
        std::abort();
    }
    return 0;
}
