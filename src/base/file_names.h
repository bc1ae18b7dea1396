#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

// File names are bytes on Linux and need not be UTF-8. Korvane carries them in QString without
// loss: valid UTF-8 decodes as usual, and every byte that is not part of valid UTF-8 becomes the
// lone surrogate U+DC00 + byte, which turns back into that byte when the name goes to the
// system. Such names are decoded for display only.
namespace FileNames {

// Whether text[i] stands for a byte that is not UTF-8: U+DC80..U+DCFF on its own, not as the
// second half of a character beyond U+FFFF (U+1F4A9 is U+D83D U+DCA9).
inline bool isEscapedByte(QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= 0xdc80 && c <= 0xdcff && (i == 0 || !text[i - 1].isHighSurrogate());
}

// A byte-order mark is part of a name like any other character: the decoders keep it.
constexpr auto kDecoderFlags =
    QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;

inline QString decode(const QByteArray& bytes) {
    QStringDecoder strict(QStringDecoder::Utf8, kDecoderFlags);
    QString text = strict.decode(bytes);
    if (!strict.hasError()) {
        return text;
    }
    text.clear();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = data[i];
        int length = lead < 0x80                    ? 1
                     : lead >= 0xc2 && lead <= 0xdf ? 2
                     : lead >= 0xe0 && lead <= 0xef ? 3
                     : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                    : 0;
        if (length > 1 && i + length <= size) {
            QStringDecoder one(QStringDecoder::Utf8, kDecoderFlags);
            const QString decoded = one.decode(QByteArrayView(bytes.constData() + i, length));
            if (one.hasError()) {
                length = 0;
            } else {
                text += decoded;
            }
        } else if (length == 1) {
            text += QChar(lead);
        } else {
            length = 0;
        }
        if (length == 0) {
            text += QChar(char16_t(0xdc00 + lead));
            length = 1;
        }
        i += length;
    }
    return text;
}

inline QByteArray encode(const QString& name) {
    bool escaped = false;
    for (qsizetype i = 0; i < name.size() && !escaped; ++i) {
        escaped = isEscapedByte(name, i);
    }
    if (!escaped) {
        return name.toUtf8();
    }
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isEscapedByte(name, i)) {
            continue;
        }
        bytes += QStringView(name).mid(start, i - start).toUtf8();
        if (i < name.size()) {
            bytes += char(name[i].unicode() - 0xdc00);
        }
        start = i + 1;
    }
    return bytes;
}

// The working folder, whatever its bytes; empty when the system can't tell it.
inline QString currentFolder() {
    QByteArray buffer(4096, Qt::Uninitialized);
    while (!::getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE || buffer.size() > (1 << 20)) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return decode(QByteArray(buffer.constData()));
}

// stat() for any absolute path, also one of PATH_MAX bytes or more, which the system refuses
// whole: such a path is walked in pieces from folder to folder. Follows symbolic links.
inline bool statPath(const QString& path, struct stat* info) {
    const QByteArray bytes = encode(path);
    if (bytes.size() < PATH_MAX || !bytes.startsWith('/')) {
        return ::stat(bytes.constData(), info) == 0;
    }
    int folder = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    qsizetype at = 1;
    while (folder >= 0) {
        // The longest run of whole names that fits, ending at a slash.
        qsizetype end = bytes.size();
        if (end - at >= PATH_MAX) {
            end = bytes.lastIndexOf('/', at + PATH_MAX - 1);
            if (end <= at) {
                ::close(folder);
                return false; // one name longer than PATH_MAX: no such file
            }
        }
        const QByteArray piece = bytes.mid(at, end - at);
        if (end == bytes.size()) {
            const bool found = ::fstatat(folder, piece.constData(), info, 0) == 0;
            ::close(folder);
            return found;
        }
        const int next = ::openat(folder, piece.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(folder);
        folder = next;
        at = end + 1;
    }
    return false;
}

// The path of a local "file:" URI (no host, or localhost), its escapes decoded as bytes; empty
// for anything else.
inline QString fromFileUri(const QString& uri) {
    const QLatin1String scheme("file://");
    if (!uri.startsWith(scheme, Qt::CaseInsensitive)) {
        return {};
    }
    const qsizetype slash = uri.indexOf(u'/', scheme.size());
    const QStringView host = QStringView(uri).mid(scheme.size(), slash - scheme.size());
    if (slash < 0 || !(host.isEmpty() || host.compare(u"localhost", Qt::CaseInsensitive) == 0)) {
        return {};
    }
    return decode(QByteArray::fromPercentEncoding(encode(uri.mid(slash))));
}

// `name` as an absolute path from `folder`; a "file:" URI as its path. No folder is looked at.
inline QString absolute(const QString& name, const QString& folder) {
    if (name.startsWith(u'/')) {
        return name;
    }
    if (QString local = fromFileUri(name); !local.isEmpty()) {
        return local;
    }
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// A program's arguments as their bytes: file names among them need not be UTF-8.
inline QStringList arguments(int argc, char** argv) {
    QStringList decoded;
    for (int i = 1; i < argc; ++i) {
        decoded << decode(QByteArray(argv[i]));
    }
    return decoded;
}

} // namespace FileNames

} // namespace korvane
