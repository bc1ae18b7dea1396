// libFuzzer target: any bytes as a file name. Decoding never crashes and turns back into the
// same bytes; a name that is UTF-8 reads as the same text Qt reads.
#include "base/file_names.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = korvane::FileNames::decode(bytes);
    if (korvane::FileNames::encode(name) != bytes) {
        std::abort();
    }
    QStringDecoder utf8(QStringDecoder::Utf8, korvane::FileNames::kDecoderFlags);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError() && text != name) {
        std::abort();
    }
    return 0;
}
