// libFuzzer target: any bytes as a rules file or, built with KORVANE_FUZZ_DEFAULTS, as the record
// of replaced defaults. Decoding never crashes, and what decodes survives a write and a read
// unchanged, written the same each time.
#include "core/default_app_manager.h"
#include "core/rules_file.h"

#include <cstdlib>

#ifdef KORVANE_FUZZ_DEFAULTS
using Format = korvane::DefaultAppManager;
#else
using Format = korvane::RulesFile;
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto once =
        Format::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!once) {
        return 0;
    }
    const QByteArray written = Format::encode(*once);
    const auto again = Format::decode(written);
    if (!again || !(*again == *once) || Format::encode(*again) != written) {
        std::abort();
    }
    return 0;
}
