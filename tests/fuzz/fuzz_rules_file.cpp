// libFuzzer target: any bytes as a rules file. Decoding never crashes, and what decodes survives
// a write and a read unchanged.
#include "core/rule_store.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using korvane::RuleStore;
    const auto once =
        RuleStore::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!once) {
        return 0;
    }
    const QByteArray written = RuleStore::encode(*once);
    const auto again = RuleStore::decode(written);
    if (!again || !(*again == *once) || RuleStore::encode(*again) != written) {
        std::abort();
    }
    return 0;
}
